#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListView>
#include <QTemporaryDir>

#include "CupsSandbox.h"
#include "EmulatedPrinter.h"
#include "FileText.h"
#include "RecordingMessages.h"
#include "VirtualClock.h"
#include "app/MainWindow.h"
#include "custompaper/CustomPaperSlotTable.h"
#include "custompaper/PrinterSlotMemory.h"
#include "pagekit/ControlDressing.h"
#include "pagekit/Page.h"
#include "pagekit/ServiceApp.h"
#include "platform/CupsSpooler.h"
#include "platform/RegKey.h"

namespace {

constexpr int kCallPage = 4;
const std::vector<uint8_t> kSelectSlot3 = {0x1B, 0x40, 0x1B, 0x28, 0x52, 0x08, 0x00, 0x00, 0x52,
                                           0x45, 0x4D, 0x4F, 0x54, 0x45, 0x31, 0x45, 0x58, 0x07,
                                           0x00, 0x00, 0x00, 0x00, 0x00, 0x1C, 0x03, 0x00, 0x53,
                                           0x56, 0x00, 0x00, 0x1B, 0x00, 0x00, 0x00};

class CustomPaperEndToEndTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RegKey::SetStoreFolders(store.filePath("user"), store.filePath("machine"));
        ASSERT_TRUE(sandbox.Start());
        ASSERT_TRUE(printer.Start());
        StartProgram();
    }

    // A new application object and main window, as when the program starts again.
    void StartProgram() {
        window.reset();
        app.reset();
        app = std::make_unique<ServiceApp>(SERVATO_BIN_DIR,
                                           ServiceApp::Platform{messages, clock, spooler});
        ASSERT_EQ(app->CreateOwnedObjects(), 0);
        window = std::make_unique<MainWindow>(*app);
        app->SetMainWindow(window.get());
        ASSERT_TRUE(window->Open());
    }
    // The control of the call page with that id.
    template <typename Control>
    Control* Find(int id) {
        return qobject_cast<Control*>(FindControl(window->PageAt(kCallPage), id));
    }
    QString Row(int row) { return Find<QListView>(1068)->model()->index(row, 0).data().toString(); }
    QString Text(int32_t id, QString number = {}) {
        return number.isEmpty() ? app->LoadText(id) : number + " " + app->LoadText(id);
    }

    QTemporaryDir store;
    CupsSandbox sandbox;
    EmulatedPrinter printer{sandbox, {.model = "ZENTA Corvid 4000"}};
    RecordingMessages messages;
    VirtualClock clock;
    CupsSpooler spooler;
    std::unique_ptr<ServiceApp> app;
    std::unique_ptr<MainWindow> window;
};

TEST_F(CustomPaperEndToEndTest, SlotThreeComesBackAfterARestartAndIsCalled) {
    // name, media id, paper type, option, feed, drying, thickness, suction, cut, platen, roller
    const CustomPaperSlot canvas{"", 0, 80, 2, -70, 25, 5, -4, 1, 1, 3};
    for (const auto& [i, name, setting] :
         std::vector<std::tuple<int, std::string, CustomPaperSlot>>{
             {0, "Matte 190", {}}, {2, "Canvas 380", canvas}, {5, "Film", {}}}) {
        ASSERT_EQ(WriteSlot(*app->customPaperSlots(), spooler, printer.Queue(), i, name, setting),
                  0);
    }
    ASSERT_EQ(printer.WaitForJournal(EmulatedPrinter::Event("job"), 3).size(), 3u);

    StartProgram();
    Page* menu = window->PageAt(0);
    auto* printers = qobject_cast<QComboBox*>(FindControl(menu, 1026));
    printers->setCurrentIndex(printers->findText(QString::fromStdString(printer.Queue())));
    qobject_cast<QAbstractButton*>(FindControl(menu, 1014))->click();
    ASSERT_EQ(window->CurrentPage(), kCallPage);
    EXPECT_EQ(Row(1), "#1 Matte 190");
    EXPECT_EQ(Row(2), "#2 " + app->LoadText(30110));
    Find<QListView>(1068)->setCurrentIndex(Find<QListView>(1068)->model()->index(3, 0));
    EXPECT_EQ(Row(3), "#3 Canvas 380");
    const std::vector<std::pair<int, QString>> values = {
        {1085, Text(40011, "5")}, {1086, Text(40121)},        {1127, Text(40134)},
        {1088, Text(40143)},      {1089, Text(40012, "-70")}, {1090, Text(40013, "25")},
        {1091, Text(40153)},      {1092, Text(40162)},
    };
    for (const auto& [id, text] : values) EXPECT_EQ(Find<QLabel>(id)->text(), text) << id;
    EXPECT_NE(app->customPaperSlots()->Slot(2).mediaId, 0);
    if (const QString folder = qEnvironmentVariable("SERVATO_SCREENSHOTS"); !folder.isEmpty()) {
        window->show();
        QApplication::processEvents();
        EXPECT_TRUE(QDir().mkpath(folder) && window->grab().save(folder + "/page4.png"));
    }

    messages.Clear();
    Find<QAbstractButton>(1002)->click();
    EXPECT_EQ(messages.texts(), (std::vector<QString>{Text(40901), Text(40902)}));
    const auto jobs = printer.WaitForJournal(EmulatedPrinter::Event("job"), 4);
    ASSERT_EQ(jobs.size(), 4u);
    EXPECT_EQ(jobs[3].Bytes("hex"), kSelectSlot3);

    // A printer out of reach or in error: the list keeps what was read and nothing is sent.
    for (const char* fault : {"unreachable", "error"}) {
        ASSERT_TRUE(printer.SetFaults({fault}));
        messages.Clear();
        window->ShowPage(kCallPage);
        Find<QAbstractButton>(1002)->click();
        EXPECT_EQ(messages.texts(), (std::vector<QString>{Text(40900), Text(901)})) << fault;
        EXPECT_EQ(Row(3), "#3 Canvas 380");
    }
    printer.Stop();  // saves its state
    EXPECT_NE(ReadFileText(printer.StatePath()).find("\nselectedSlot=3\n"), std::string::npos);
    EXPECT_EQ(printer.WaitForJournal(EmulatedPrinter::Event("job"), 0, 0).size(), 4u);
}

}  // namespace
