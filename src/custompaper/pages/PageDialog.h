#pragma once

#include <QDialog>
#include <cstdint>
#include <span>

#include "pagekit/ControlTables.h"
#include "platform/Messages.h"

class QLineEdit;
class QPushButton;
class ServiceApp;

// A modal dialog of a custom paper page that stores a setting under a name: its title and
// controls dressed from text ids, centred on the page, its messages owned by itself.
class PageDialog : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kOk = 1;
    static constexpr int kCancel = 2;

    PageDialog(ServiceApp& app, int32_t titleText, QSize size, QWidget* page);

    QPushButton* okButton() const { return ok_; }
    // A message box owned by the dialog: the text of textId, caption text 0.
    MessageAnswer Tell(int32_t textId, MessageIcon icon,
                       MessageButtons buttons = MessageButtons::Ok);

  protected:
    ServiceApp& app() { return app_; }
    // The box of the name, named by its label's text; made where the dialog's tab order puts it.
    void AddNameBox(int id, int32_t labelText, int maxLength);
    QLineEdit* nameBox() const { return name_; }
    // The name box holds more than spaces.
    bool HasName() const;
    // Places, then gives fonts and texts; the OK and Cancel buttons are made here and belong in
    // the tables too.
    void Dress(std::span<const ControlRect> rects, std::span<const ControlText> texts);
    void showEvent(QShowEvent* event) override;

  private:
    ServiceApp& app_;
    QPushButton* ok_;
    QLineEdit* name_ = nullptr;
};
