#pragma once

#include <QWidget>

class ServiceApp;

// One of the ten pages of the main window. The window creates all of them at once, then only shows
// and hides them, so each keeps its state while hidden.
class Page : public QWidget {
    Q_OBJECT
  public:
    Page(ServiceApp& app, int pageNumber, QWidget* parent);

    // Just before the page is shown; 0 refuses and the previous page stays.
    virtual int PageActivated() { return 1; }
    // Before another page is shown, and when the window closes.
    virtual void PageDeactivated() {}
    // After the user edited the printer's driver settings through the "page" menu item.
    virtual void PrinterDefaultsChanged() {}

    int PageNumber() const { return pageNumber_; }
    // The manual of this page is (PageNumber(), 0).
    void OpenHelp();

  protected:
    ServiceApp& app() { return app_; }

  private:
    ServiceApp& app_;
    int pageNumber_;
};
