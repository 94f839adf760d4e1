#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>

#include "CupsSandbox.h"
#include "EmulatedPrinter.h"
#include "FileText.h"
#include "NextModalDialog.h"
#include "RecordingMessages.h"
#include "ScriptedFileDialogs.h"
#include "VirtualClock.h"
#include "app/MainWindow.h"
#include "config/MediaTable.h"
#include "custompaper/SlotWritePacket.h"
#include "custompaper/pages/CustomFileSaveDialog.h"
#include "custompaper/pages/RegisterDialog.h"
#include "driversettings/DriverMediaList.h"
#include "pagekit/ControlDressing.h"
#include "pagekit/Page.h"
#include "pagekit/ServiceApp.h"
#include "platform/CupsSpooler.h"
#include "platform/RegKey.h"

namespace {

constexpr int kRegistrationPage = 3;
constexpr int kCustomFilePage = 5;

// What the user sets on either page: control id, its tab page (-1: the page itself) and the
// text typed, the item chosen or the slider position.
struct Input {
    int id;
    int tab;
    QString value;
};

// The driver's media list is kept per queue name for the whole process, as the program keeps it
// for its run: each test takes a queue of its own.
std::string NextQueue() {
    static int tests = 0;
    return "Editing_" + std::to_string(++tests);
}

void Click(QWidget* window, int id) {
    qobject_cast<QAbstractButton*>(FindControl(window, id))->click();
}
void Type(QWidget* window, int id, const QString& text) {
    qobject_cast<QLineEdit*>(FindControl(window, id))->setText(text);
}

class CustomPaperEditingEndToEndTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RegKey::SetStoreFolders(store.filePath("user"), store.filePath("machine"));
        ASSERT_TRUE(sandbox.Start());
        ASSERT_TRUE(printer.Start());
        ASSERT_EQ(app.CreateOwnedObjects(), 0);
        app.UseFileDialogs(&dialogs);
        window = std::make_unique<MainWindow>(app);
        app.SetMainWindow(window.get());
        ASSERT_TRUE(window->Open());
    }
    // Chooses the emulated printer on the main menu and presses the page's button there.
    Page* Open(int functionButton, int pageNumber) {
        Page* menu = window->PageAt(0);
        auto* printers = qobject_cast<QComboBox*>(FindControl(menu, 1026));
        printers->setCurrentIndex(printers->findText(QString::fromStdString(printer.Queue())));
        Click(menu, functionButton);
        return window->CurrentPage() == pageNumber ? window->PageAt(pageNumber) : nullptr;
    }
    // Sets each control to its input when `enter` is set, then reads them all back: the text of a
    // box, the item of a list, the position of a slider.
    static std::string Controls(Page* page, const std::vector<Input>& inputs, bool enter) {
        auto* tabs = qobject_cast<QTabWidget*>(FindControl(page, 1006));
        QStringList shown;
        for (const auto& [id, tab, value] : inputs) {
            QWidget* control = FindControl(tab < 0 ? page : tabs->widget(tab), id);
            if (auto* edit = qobject_cast<QLineEdit*>(control)) {
                if (enter) edit->setText(value);
                shown << edit->text();
            } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
                if (enter) combo->setCurrentIndex(value.toInt());
                shown << QString::number(combo->currentIndex());
            } else if (auto* slider = qobject_cast<QSlider*>(control)) {
                if (enter) slider->setValue(value.toInt());
                shown << QString::number(slider->value());
            }
        }
        return shown.join(",").toStdString();
    }
    void Screenshot(const QString& name) {
        if (const QString folder = qEnvironmentVariable("SERVATO_SCREENSHOTS"); !folder.isEmpty()) {
            window->show();
            QApplication::processEvents();
            EXPECT_TRUE(QDir().mkpath(folder) && window->grab().save(folder + "/" + name));
        }
    }

    QTemporaryDir store;
    CupsSandbox sandbox;
    EmulatedPrinter printer{sandbox, {.model = "ZENTA Corvid 4000", .queue = NextQueue()}};
    const DriverMediaList mediaCache{nullptr, {}, {}};
    RecordingMessages messages;
    VirtualClock clock;
    CupsSpooler spooler;
    ScriptedFileDialogs dialogs;
    ServiceApp app{SERVATO_BIN_DIR, ServiceApp::Platform{messages, clock, spooler}};
    std::unique_ptr<MainWindow> window;
};

TEST_F(CustomPaperEditingEndToEndTest, RegisteredSettingArrivesInSlotFive) {
    Page* page = Open(1013, kRegistrationPage);
    ASSERT_NE(page, nullptr);
    ASSERT_TRUE(messages.texts().empty()) << messages.texts()[0].toStdString();
    // media, thickness, platen; tab 1: feed, drying; tab 2: cut, roller, suction, option
    const std::vector<Input> setting = {{1096, -1, "1"},  {1098, -1, "5"}, {1101, -1, "1"},
                                        {1024, 0, "-20"}, {1120, 0, "30"}, {1124, 1, "2"},
                                        {1007, 1, "1"},   {1025, 1, "2"},  {1006, 1, "1"}};
    ASSERT_EQ(Controls(page, setting, true), "1,5,1,-20,30,2,1,2,1");
    const int32_t paperType = app.mediaTable()->PaperTypeCode(
        qobject_cast<QComboBox*>(FindControl(page, 1096))->currentData().toInt(), 0);
    Screenshot("page3.png");

    WhenDialogShows<RegisterDialog>([](RegisterDialog& dialog) {
        qobject_cast<QComboBox*>(FindControl(&dialog, RegisterDialog::kSlotList))
            ->setCurrentIndex(4);
        Type(&dialog, RegisterDialog::kNameEdit, "Canvas 380");
        Click(&dialog, RegisterDialog::kOk);
    });
    Click(page, 1102);
    EXPECT_EQ(messages.texts(), std::vector<QString>{app.LoadText(30903)});

    // name, media id, paper type, option, feed, drying, thickness, suction, cut, platen, roller
    const CustomPaperSlot composed{"", 0, paperType, 1, -20, 30, 5, -2, 2, 2, 1};
    const auto body = BuildSlotWriteBody(5, "Canvas 380", composed);
    const auto jobs = printer.WaitForJournal(EmulatedPrinter::Event("job"), 1);
    ASSERT_EQ(jobs.size(), 1u);
    const std::vector<uint8_t> job = jobs[0].Bytes("hex");
    ASSERT_GE(job.size(), 15u + 107u);
    // The 107-byte packet after the 15 bytes that enter remote mode: "EX", its length, the body.
    EXPECT_EQ(std::vector<uint8_t>(job.begin() + 15, job.begin() + 19),
              (std::vector<uint8_t>{'E', 'X', 0x67, 0x00}));
    EXPECT_EQ(std::vector<uint8_t>(job.begin() + 19, job.begin() + 15 + 107),
              std::vector<uint8_t>(body.begin(), body.end()));

    window->ShowPage(kRegistrationPage);
    EXPECT_EQ(qobject_cast<QComboBox*>(FindControl(page, 1068))->itemText(4), "#5 Canvas 380");
    printer.Stop();  // saves its state
    const std::string state = ReadFileText(printer.StatePath());
    for (const std::string& line : std::vector<std::string>{
             "slot5.registered=1", "slot5.name=Canvas 380", "slot5.thickness=5", "slot5.platen=2",
             "slot5.paperType=" + std::to_string(paperType)})
        EXPECT_NE(state.find("\n" + line + "\n"), std::string::npos) << line;
}

TEST_F(CustomPaperEditingEndToEndTest, SavedSettingOpensAgainWithTheSameValues) {
    Page* page = Open(1015, kCustomFilePage);
    ASSERT_NE(page, nullptr);
    // media, thickness, platen; tab A: mode, density, feed, drying; tab B: cut, roller, suction
    const std::vector<Input> setting = {
        {1096, -1, "1"}, {1098, -1, "2"}, {1101, -1, "3"}, {1108, 0, "0"}, {1033, 0, "-15"},
        {1114, 0, "22"}, {1120, 0, "12"}, {1124, 1, "3"},  {1007, 1, "2"}, {1025, 1, "4"}};
    ASSERT_EQ(Controls(page, setting, true), "1,2,3,0,-15,22,12,3,2,4");

    const std::string path = QDir(store.path()).filePath("Films.ZCF").toStdString();
    dialogs.answers.push_back(path);
    WhenDialogShows<CustomFileSaveDialog>([](CustomFileSaveDialog& dialog) {
        Click(&dialog, CustomFileSaveDialog::kBrowseButton);
        Type(&dialog, CustomFileSaveDialog::kNameEdit, "Film 100");
        Click(&dialog, CustomFileSaveDialog::kOk);
    });
    Click(page, 1102);
    EXPECT_TRUE(messages.texts().empty());
    EXPECT_NE(Controls(page, setting, false), "1,2,3,0,-15,22,12,3,2,4");

    dialogs.answers.push_back(path);
    Click(page, 1001);
    EXPECT_EQ(dialogs.requests.back().folder, store.path().toStdString());
    auto* settings = qobject_cast<QComboBox*>(FindControl(page, 1068));
    ASSERT_EQ(settings->count(), 2);
    EXPECT_EQ(settings->itemText(1), "Film 100");
    settings->setCurrentIndex(1);
    EXPECT_EQ(Controls(page, setting, false), "1,2,3,0,-15,22,12,3,2,4");
    EXPECT_TRUE(messages.texts().empty());
    Screenshot("page5.png");
}

}  // namespace
