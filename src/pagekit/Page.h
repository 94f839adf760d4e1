#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "pagekit/ControlTables.h"
#include "platform/Messages.h"

class QLabel;
class QPushButton;
class ServiceApp;

// One message of a page's message review, shown with caption text 0.
struct ReviewedMessage {
    int32_t textId;
    MessageIcon icon;
    MessageButtons buttons = MessageButtons::Ok;
};

// One of the ten pages of the main window. The window creates all of them at once, then only shows
// and hides them, so each keeps its state while hidden. A page is its control table, its texts and
// its handlers; the kit here dresses it, makes its picture buttons and shows its messages.
class Page : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kWidth = 600;
    static constexpr int kHelpButton = 1003;

    Page(ServiceApp& app, int pageNumber, int height, QWidget* parent);

    // Just before the page is shown; 0 refuses and the previous page stays.
    virtual int PageActivated() { return 1; }
    // Before another page is shown, and when the window closes.
    virtual void PageDeactivated() {}
    // After the user edited the printer's driver settings through the "page" menu item.
    virtual void PrinterDefaultsChanged() {}

    int PageNumber() const { return pageNumber_; }
    // False when a control could not be made (a picture of the program is missing).
    bool IsCreated() const { return created_; }
    // The manual of this page is (PageNumber(), 0).
    void OpenHelp();

    // A message box owned by the page: the text of textId, caption text 0.
    MessageAnswer Tell(int32_t textId, MessageIcon icon,
                       MessageButtons buttons = MessageButtons::Ok);

  signals:
    // The page asks the main window to show another page, as the page selector would.
    void showPageRequested(int pageNumber);

  protected:
    ServiceApp& app() { return app_; }

    // Places the controls at their rectangles, then gives them the fonts and texts of their text
    // ids.
    void Dress(std::span<const ControlRect> rects, std::span<const ControlText> texts);
    // A button showing a 32 x 32 picture; its accessible name is the text of titleText.
    QPushButton* AddPictureButton(int controlId, int bitmap, int32_t titleText,
                                  std::function<void()> pressed);
    // The help button (control 1003) that opens the page's manual.
    QPushButton* AddHelpButton();
    // A text of several lines read from the top, such as the description beside a button.
    QLabel* AddDescription(int controlId);
    // Outside message review, waits until the printer is ready (a progress window stands over the
    // main window while it is not); when it does not become ready, tells text 901: false.
    bool WaitUntilReadyOrTell(const std::string& printerName);
    // Sends a job the printer takes in at once and gives the printer its time to take it in, under
    // the wait cursor, then tells sentText once the job was written; the cursor stays until the
    // message is answered.
    void SendJobAndTell(const std::string& printerName, std::span<const uint8_t> job,
                        int32_t sentText);
    // In message review mode, shows the messages one after another; otherwise nothing.
    void ReviewMessages(std::span<const ReviewedMessage> messages);

  private:
    ServiceApp& app_;
    int pageNumber_;
    bool created_ = true;
};
