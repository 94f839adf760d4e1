// The status page driven through the main window against a private CUPS server and an emulated
// printer that remembers jobs in several states: the jobs in the viewer, the sheets at the printer.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QJsonArray>
#include <QTemporaryDir>

#include "CupsSandbox.h"
#include "EmulatedPrinter.h"
#include "RecordingMessages.h"
#include "VirtualClock.h"
#include "app/MainWindow.h"
#include "pagekit/ControlDressing.h"
#include "pagekit/ServiceApp.h"
#include "platform/CupsSpooler.h"
#include "platform/RegKey.h"
#include "status/PrinterStatusPage.h"
#include "status/TextViewer.h"

namespace {

// Pictures for the documentation, written only when SERVATO_SCREENSHOTS names a folder.
void SaveScreenshot(QWidget* window, const QString& name) {
    const QString folder = qEnvironmentVariable("SERVATO_SCREENSHOTS");
    if (folder.isEmpty()) return;
    QApplication::processEvents();
    QDir().mkpath(folder);
    EXPECT_TRUE(window->grab().save(folder + "/" + name));
}

QAbstractButton* ButtonNamed(QWidget* page, const QString& name) {
    for (QAbstractButton* button : page->findChildren<QAbstractButton*>())
        if (button->accessibleName() == name) return button;
    return nullptr;
}

class StatusEndToEndTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RegKey::SetStoreFolders(store.filePath("user"), store.filePath("machine"));
        ASSERT_TRUE(sandbox.Start());
        ASSERT_TRUE(printer.Start());
        ASSERT_EQ(app.CreateOwnedObjects(), 0);
        window = std::make_unique<MainWindow>(app);
        ASSERT_TRUE(window->Open());
        Page* menu = window->PageAt(0);
        auto* printers = qobject_cast<QComboBox*>(FindControl(menu, 1026));
        printers->setCurrentIndex(printers->findText(QString::fromStdString(printer.Queue())));
        ButtonNamed(menu, app.LoadText(13))->click();
        ASSERT_EQ(window->CurrentPage(), 6);
        page = static_cast<PrinterStatusPage*>(window->PageAt(6));
    }
    void Press(int32_t buttonText) { ButtonNamed(page, app.LoadText(buttonText))->click(); }

    QTemporaryDir store;
    CupsSandbox sandbox;
    // Listed oldest first; a sheet takes no time.
    EmulatedPrinter printer{
        sandbox,
        {.extraArgs = {"--duration", "pattern=0", "--job",
                       "state=completed,number=7,source=roll,owner=ws-042,ink=1500,"
                       "paper=594x841,seconds=119,name=Poster A1",
                       "--job", "state=paused,number=300,source=sheet,name=Proof", "--job",
                       "state=error,number=12,source=board,name=Firmware update I20711", "--job",
                       "bytes=20,number=13,owner=studio-workstation,name=Short"}}};
    RecordingMessages messages;
    VirtualClock clock;
    CupsSpooler spooler;
    ServiceApp app{SERVATO_BIN_DIR, ServiceApp::Platform{messages, clock, spooler}};
    std::unique_ptr<MainWindow> window;
    PrinterStatusPage* page = nullptr;
};

TEST_F(StatusEndToEndTest, TheViewerShowsThePrintersJobsNewestFirst) {
    Press(60101);
    EXPECT_TRUE(messages.texts().empty());
    ASSERT_TRUE(page->viewer().isVisible());
    const QString text = page->viewer().Text();
    const std::vector<QString> inOrder = {
        "Job 13 :\n Job name : \n Computer : studio-workst\tStatus : Completed\tPaper source : "
        "Roll paper\n  Ink : Consumption : 0.000 ml\tPaper size : 0 mm x 0 mm\n Printed : "
        "00/00/00 00:00\tPrinting time : 0 min\n",
        "Job 12 :\n Job name : Firmware update I20711\n Computer : \tStatus : Error\tPaper "
        "source : Poster board\n",
        "Job 44 :\n Job name : Proof\n Computer : \tStatus : Paused\tPaper source : Cut sheet\n",
        "Job 7 :\n Job name : Poster A1\n Computer : ws-042\tStatus : Completed\tPaper source : "
        "Roll paper\n  Ink : Consumption : 1.500 ml\tPaper size : 594 mm x 841 mm\n",
        "\tPrinting time : 1 min\n",
    };
    qsizetype at = 0;
    for (const QString& part : inOrder) {
        const qsizetype found = text.indexOf(part, at);
        EXPECT_GE(found, at) << part.toStdString() << "\nin\n" << text.toStdString();
        at = std::max(at, found);
    }
    window->show();
    SaveScreenshot(window.get(), "page6.png");
    SaveScreenshot(&page->viewer(), "page6-viewer.png");
    window->ShowPage(0);
    EXPECT_FALSE(page->viewer().isVisible());
}

TEST_F(StatusEndToEndTest, EachSheetButtonHasThePrinterPrintItsSheet) {
    const std::vector<std::pair<int32_t, QString>> sheets = {
        {60102, "Job information sheet: #13"},
        {60103, "Custom paper sheet"},
        {60104, "Status sheet: firmware I10612"},
    };
    for (size_t i = 0; i < sheets.size(); ++i) {
        Press(sheets[i].first);
        const auto jobs = printer.WaitForJournal(EmulatedPrinter::Event("job"), i + 1);
        ASSERT_EQ(jobs.size(), i + 1);
        const QString printed = jobs[i].fields.value("printed").toArray().first().toString();
        EXPECT_TRUE(printed.startsWith(sheets[i].second)) << printed.toStdString();
    }
    EXPECT_EQ(messages.texts(), std::vector<QString>(3, app.LoadText(60901)));
}

}  // namespace
