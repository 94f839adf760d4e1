#pragma once

#include <QPixmap>

#include "pagekit/Page.h"
#include "printers/PrinterList.h"

class QComboBox;

// Page 0: the printer chooser and the nine function buttons. A button applies the printer choice
// and, when the printer passes the checks, opens its page.
class MainMenuPage : public Page {
    Q_OBJECT
  public:
    MainMenuPage(ServiceApp& app, QWidget* parent);

    int PageActivated() override;
    // Number of served printers the combo offers.
    int PrinterCount() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void CreateControls();
    void FillPrinterCombo();
    void OpenFunction(int pageNumber);
    void ReviewStartupMessages();

    PrinterList printers_;
    QComboBox* printerCombo_ = nullptr;
    QPixmap printerPicture_;
};
