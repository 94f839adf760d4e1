#include "app/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <algorithm>

#include "app/MainMenuPage.h"
#include "app/PageCombo.h"
#include "app/PageList.h"
#include "app/SplashScreen.h"
#include "app/VersionBox.h"
#include "driversettings/DriverSettingsLibrary.h"
#include "pagekit/Page.h"
#include "pagekit/ServiceApp.h"
#include "platform/Messages.h"
#include "platform/PrinterSettingsDialog.h"

namespace {

constexpr int kBannerWidth = 600;
constexpr int kBannerHeight = 60;
constexpr int kMainMenuBanner = 175;
constexpr int kOperationBanner = 179;
constexpr int kPageIconStrip = 163;
constexpr int kPageIconSize = 34;
constexpr QRect kTitleRect(15 + 39, 7, 370 - 15, 42 - 7);
constexpr QRect kHeaderRect(15, 42, 595 - 15, 60 - 42);
constexpr QRect kPageComboRect(338, 15, 531 - 338, 30 - 15);
constexpr QColor kTitleColor(0, 0, 255);

// A long title in a wide font would run under the page list: it shrinks until it ends before it.
QFont TitleFontToFit(QFont font, const QString& title) {
    const int room = kPageComboRect.left() - kTitleRect.left() - 4;
    while (QFontMetrics(font).horizontalAdvance(title) > room && font.pixelSize() > 10) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    return font;
}

}  // namespace

MainWindow::MainWindow(ServiceApp& app, std::span<const PageEntry> pages)
    : app_(app), pageList_(pages.empty() ? OperationPages() : pages) {
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    client_ = new QWidget(this);
    client_->installEventFilter(this);
    setCentralWidget(client_);
    // The window is always as big as the banner and the shown page: never resized by hand.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

MainWindow::~MainWindow() = default;

bool MainWindow::Open() {
    setWindowIcon(ServiceApp::WindowIcon());
    app_.SetDefaultFont(font());
    SplashScreen splash(app_);
    splash.Show();
    setProperty(kInstanceProperty, true);

    mainMenuBanner_ = app_.LoadBitmap(kMainMenuBanner);
    operationBanner_ = app_.LoadBitmap(kOperationBanner);
    showingMainMenuBanner_ = true;
    if (!CreatePages()) {
        splash.Finish();
        app_.messages().Show(nullptr, app_.LoadText(902), app_.LoadText(0), MessageIcon::Error,
                             MessageButtons::Ok);
        return false;
    }
    pageIcons_ = app_.LoadBitmap(kPageIconStrip);
    FillPageCombo();
    CreateMenu();
    splash.Finish();

    if (!app_.IsMessageReview() && mainMenu_->PrinterCount() == 0) {
        app_.messages().Show(nullptr, app_.LoadText(904), app_.LoadText(0), MessageIcon::Error,
                             MessageButtons::Ok);
        return false;
    }
    ShowPage(0);
    return true;
}

void MainWindow::Run() {
    if (!Open()) return;
    show();
    QEventLoop loop;
    runLoop_ = &loop;
    loop.exec();
    runLoop_ = nullptr;
}

bool MainWindow::CreatePages() {
    mainMenu_ = new MainMenuPage(app_, client_);
    pages_[0] = mainMenu_;
    for (const PageEntry& entry : pageList_) {
        if (entry.number < 1 || entry.number >= kPageCount) continue;
        pages_[static_cast<size_t>(entry.number)] = entry.create(app_, client_);
    }
    for (Page* page : pages_) {
        if (page == nullptr || !page->IsCreated()) return false;
        connect(page, &Page::showPageRequested, this, &MainWindow::ShowPage);
        page->move(0, kBannerHeight);
        page->hide();
    }
    return true;
}

bool MainWindow::UsesPrinterSettings(int k) const {
    for (const PageEntry& entry : pageList_) {
        if (entry.number == k) return entry.usesPrinterSettings;
    }
    return false;
}

void MainWindow::FillPageCombo() {
    pageCombo_ = new PageCombo(client_);
    for (int k = 0; k < kPageCount; ++k) {
        titles_[static_cast<size_t>(k)] = app_.LoadText(k == 0 ? 0 : 10000 * k);
        headers_[static_cast<size_t>(k)] = app_.LoadText(k == 0 ? 1 : 10000 * k + 1);
        if (!titles_[static_cast<size_t>(k)].isEmpty()) {
            pageCombo_->AddPage(titles_[static_cast<size_t>(k)], k);
        }
    }
    pageCombo_->setFont(app_.GetTextFont(-1));
    // The closed box keeps the height its font needs; the rows of its list stay 15 pixels.
    pageCombo_->setGeometry(kPageComboRect.adjusted(
        0, 0, 0, std::max(0, pageCombo_->sizeHint().height() - kPageComboRect.height())));
    pageCombo_->hide();
    connect(pageCombo_, &PageCombo::pageChosen, this, [this](int k) { ChangePage(k); });
}

void MainWindow::CreateMenu() {
    QMenu* fileMenu = menuBar()->addMenu(app_.LoadText(500));
    printerSettingsAction_ = fileMenu->addAction(app_.LoadText(501));
    connect(printerSettingsAction_, &QAction::triggered, this, [this] { EditPrinterSettings(); });
    fileMenu->addSeparator();
    QAction* exitAction = fileMenu->addAction(app_.LoadText(550));
    connect(exitAction, &QAction::triggered, this, &QWidget::close);

    QMenu* helpMenu = menuBar()->addMenu(app_.LoadText(510));
    QAction* helpAction = helpMenu->addAction(app_.LoadText(511));
    connect(helpAction, &QAction::triggered, this, [this] { app_.OpenManual(currentPage_, 0); });
    QAction* versionAction = helpMenu->addAction(app_.LoadText(551));
    connect(versionAction, &QAction::triggered, this, [this] {
        VersionBox box(app_, VersionBox::Mode::Version, this);
        box.RunModal();
    });
}

Page* MainWindow::PageAt(int k) const {
    return k >= 0 && k < kPageCount ? pages_[static_cast<size_t>(k)] : nullptr;
}

void MainWindow::ShowPage(int k) {
    if (!pageCombo_ || pageCombo_->RowOfPage(k) < 0) return;
    pageCombo_->SelectPageQuietly(k);
    ChangePage(k);
}

void MainWindow::ChangePage(int k) {
    pages_[static_cast<size_t>(currentPage_)]->PageDeactivated();
    if (k < 0 || k >= kPageCount) return;
    DriverSettingsLibrary* driverSettings = app_.driverSettingsLibrary();
    if (driverSettings) driverSettings->Unload();
    if (k == 0) {
        showingMainMenuBanner_ = true;
        pages_[0]->PageActivated();
        pageCombo_->setEnabled(false);
        pageCombo_->hide();
        setWindowTitle(titles_[0]);
        printerSettingsAction_->setEnabled(false);
    } else {
        showingMainMenuBanner_ = false;
        const std::string& printerName = app_.selectedPrinter().printerName;
        if (driverSettings) driverSettings->Load(printerName);
        if (pages_[static_cast<size_t>(k)]->PageActivated() == 0) {
            if (currentPage_ == 0) {
                ChangePage(0);
                return;
            }
            k = currentPage_;
        }
        pageCombo_->setEnabled(true);
        pageCombo_->show();
        setFocus();
        setWindowTitle(titles_[0] + QStringLiteral(" - ") + QString::fromStdString(printerName));
        printerSettingsAction_->setEnabled(UsesPrinterSettings(k));
    }
    ShowOnly(k);
    currentPage_ = k;
    client_->update();
    pageCombo_->SelectPageQuietly(k);
    pageCombo_->setAccessibleName(titles_[static_cast<size_t>(k)]);
}

void MainWindow::ShowOnly(int k) {
    Page* shown = pages_[static_cast<size_t>(k)];
    client_->setFixedSize(kBannerWidth, kBannerHeight + shown->height());
    layout()->activate();
    shown->show();
    for (Page* page : pages_) {
        if (page != shown) page->hide();
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Paint) {
        PaintBanner(client_);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::PaintBanner(QWidget* client) {
    QPainter painter(client);
    painter.drawPixmap(0, 0, showingMainMenuBanner_ ? mainMenuBanner_ : operationBanner_);
    const int k = currentPage_;
    if (k != 0) {
        painter.drawPixmap(QPoint(15, 7), pageIcons_,
                           QRect((k - 1) * kPageIconSize, 0, kPageIconSize, kPageIconSize));
        painter.setPen(kTitleColor);
        painter.setFont(
            TitleFontToFit(app_.GetTextFont(10000 * k), titles_[static_cast<size_t>(k)]));
        painter.drawText(kTitleRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         titles_[static_cast<size_t>(k)]);
    }
    painter.setPen(client->palette().windowText().color());
    painter.setFont(app_.GetTextFont(k == 0 ? 1 : 10000 * k + 1));
    painter.drawText(kHeaderRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     headers_[static_cast<size_t>(k)]);
}

void MainWindow::EditPrinterSettings() {
    SelectedPrinter& selected = app_.selectedPrinter();
    if (!selected.defaults) return;
    const PrinterSettingsTexts texts{
        app_.LoadText(501).remove(QLatin1Char('&')),
        {app_.LoadText(520), app_.LoadText(521), app_.LoadText(522), app_.LoadText(523)},
        app_.LoadText(524),
        app_.LoadText(525),
        app_.LoadText(526)};
    PrinterSettingsDialog::Edit(this, texts, selected.printerName, *selected.defaults);
    pages_[static_cast<size_t>(currentPage_)]->PrinterDefaultsChanged();
}

void MainWindow::BringToFront() {
    if (isMinimized()) showNormal();
    raise();
    activateWindow();
    if (QWidget* popup = QApplication::activeModalWidget(); popup && popup != this) {
        popup->raise();
        popup->activateWindow();
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    const MessageAnswer answer =
        app_.messages().Show(this, app_.LoadText(900), app_.LoadText(0), MessageIcon::Information,
                             MessageButtons::OkCancel);
    if (answer == MessageAnswer::Cancel) {
        event->ignore();
        return;
    }
    setProperty(kInstanceProperty, QVariant());
    pages_[static_cast<size_t>(currentPage_)]->PageDeactivated();
    event->accept();
    if (runLoop_) runLoop_->quit();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            event->accept();
            return;
        default:
            QMainWindow::keyPressEvent(event);
    }
}

// Tab keeps to the shown page: from outside it enters at the first (or last) control, inside it
// cycles as in a dialog.
bool MainWindow::focusNextPrevChild(bool next) {
    Page* page = pages_[static_cast<size_t>(currentPage_)];
    QList<QWidget*> chain;
    for (QWidget* w = page->nextInFocusChain(); w && w != page; w = w->nextInFocusChain()) {
        if (page->isAncestorOf(w) && w->isVisibleTo(page) && w->isEnabled() &&
            (w->focusPolicy() & Qt::TabFocus)) {
            chain.append(w);
        }
    }
    if (chain.isEmpty()) return true;
    const qsizetype at = chain.indexOf(QApplication::focusWidget());
    qsizetype to = 0;
    if (at < 0) {
        to = next ? 0 : chain.size() - 1;
    } else {
        to = (at + (next ? 1 : chain.size() - 1)) % chain.size();
    }
    chain[to]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}
