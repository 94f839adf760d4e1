#pragma once

#include <QMainWindow>
#include <QPixmap>
#include <QString>
#include <array>
#include <span>

#include "pagekit/PageEntry.h"

class MainMenuPage;
class Page;
class PageCombo;
class QAction;
class QEventLoop;
class ServiceApp;

// The one top-level window: banner with page title and header line, the page selector, the menu,
// and the ten pages below the banner, of which exactly one is shown.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    static constexpr int kPageCount = 10;
    // A second copy looks for the window carrying this property.
    static constexpr const char* kInstanceProperty = "Servato2";

    // pages: the operation pages 1...9 in order (the program's own list unless a test gives one).
    explicit MainWindow(ServiceApp& app, std::span<const PageEntry> pages = {});
    ~MainWindow() override;

    // Builds the pages behind the splash screen and shows page 0. False when a page cannot be
    // created (text 902) or no served printer is installed (text 904); the window is then done.
    bool Open();
    // Open, show, and return when the window has closed.
    void Run();

    // Selects page k in the page selector and changes to it; nothing happens for a page without
    // a row in the selector.
    void ShowPage(int k);
    int CurrentPage() const { return currentPage_; }
    Page* PageAt(int k) const;
    PageCombo* pageCombo() const { return pageCombo_; }
    QAction* printerSettingsAction() const { return printerSettingsAction_; }
    // Restores and raises the window, then the dialog open above it (a second copy was started).
    void BringToFront();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool CreatePages();
    // Whether the "page" menu item applies to page k.
    bool UsesPrinterSettings(int k) const;
    void FillPageCombo();
    void CreateMenu();
    void ChangePage(int k);
    void ShowOnly(int k);
    void PaintBanner(QWidget* client);
    void EditPrinterSettings();

    ServiceApp& app_;
    std::span<const PageEntry> pageList_;
    QWidget* client_ = nullptr;
    PageCombo* pageCombo_ = nullptr;
    std::array<Page*, kPageCount> pages_{};
    MainMenuPage* mainMenu_ = nullptr;
    std::array<QString, kPageCount> titles_;
    std::array<QString, kPageCount> headers_;
    QPixmap mainMenuBanner_;
    QPixmap operationBanner_;
    QPixmap pageIcons_;
    bool showingMainMenuBanner_ = true;
    int currentPage_ = 0;
    QAction* printerSettingsAction_ = nullptr;
    QEventLoop* runLoop_ = nullptr;  // the loop of Run while it runs
};
