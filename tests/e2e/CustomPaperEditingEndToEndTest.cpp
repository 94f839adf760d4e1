// The editing pages against the emulated printer: the setting made on the registration page
// arrives in the chosen slot, and one saved on the custom file page opens again unchanged.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QTabWidget>

#include "EndToEndBench.h"
#include "FileText.h"
#include "NextModalDialog.h"
#include "config/MediaTable.h"
#include "custompaper/SlotWritePacket.h"
#include "custompaper/pages/CustomFileSaveDialog.h"
#include "custompaper/pages/RegisterDialog.h"

namespace {

// A control (its id and tab page, -1: the page itself) and the text, item or slider position.
using ControlValue = std::tuple<int, int, int>;

// Sets each control when `enter` is set, then reads them all back.
std::vector<int> SetControls(Page* page, std::span<const ControlValue> values, bool enter) {
    auto* tabs = EndToEndBench::Find<QTabWidget>(page, 1006);
    std::vector<int> shown;
    for (const auto& [id, tab, value] : values) {
        QWidget* control = FindControl(tab < 0 ? page : tabs->widget(tab), id);
        if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            if (enter) edit->setText(QString::number(value));
            shown.push_back(edit->text().toInt());
        } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
            if (enter) combo->setCurrentIndex(value);
            shown.push_back(combo->currentIndex());
        } else if (auto* slider = qobject_cast<QSlider*>(control)) {
            if (enter) slider->setValue(value);
            shown.push_back(slider->value());
        }
    }
    return shown;
}

std::vector<int> ValuesOf(std::span<const ControlValue> values) {
    std::vector<int> plain;
    for (const auto& value : values) plain.push_back(std::get<2>(value));
    return plain;
}

TEST(CustomPaperEditingEndToEndTest, RegisteredSettingArrivesInSlotFive) {
    EndToEndBench e2e;
    ASSERT_TRUE(e2e.Start());
    Page* page = e2e.OpenPage(1013, 3);
    ASSERT_NE(page, nullptr);
    ASSERT_TRUE(e2e.bench.messages.texts().empty());
    // media, thickness, platen; tab 1: feed, drying; tab 2: cut, roller, suction, option
    const ControlValue settings[] = {{1096, -1, 1},  {1098, -1, 5}, {1101, -1, 1},
                                     {1024, 0, -20}, {1120, 0, 30}, {1124, 1, 2},
                                     {1007, 1, 1},   {1025, 1, 2},  {1006, 1, 1}};
    SetControls(page, settings, true);
    const int32_t paperType = e2e.app().mediaTable()->PaperTypeCode(
        e2e.Find<QComboBox>(page, 1096)->currentData().toInt(), 0);
    e2e.Snapshot("page3.png");

    WhenDialogShows<RegisterDialog>([](RegisterDialog& dialog) {
        EndToEndBench::Find<QComboBox>(&dialog, RegisterDialog::kSlotList)->setCurrentIndex(4);
        EndToEndBench::Find<QLineEdit>(&dialog, RegisterDialog::kNameEdit)->setText("Canvas 380");
        EndToEndBench::Find<QAbstractButton>(&dialog, RegisterDialog::kOk)->click();
    });
    e2e.Find<QAbstractButton>(page, 1102)->click();
    EXPECT_EQ(e2e.bench.messages.texts(), std::vector<QString>{e2e.Text(30903)});

    // name, media id, paper type, option, feed, drying, thickness, suction, cut, platen, roller
    const CustomPaperSlot composed{"", 0, paperType, 1, -20, 30, 5, -2, 2, 2, 1};
    const auto body = BuildSlotWriteBody(5, "Canvas 380", composed);
    const auto jobs = e2e.printer.WaitForJournal(EmulatedPrinter::Event("job"), 1);
    ASSERT_EQ(jobs.size(), 1u);
    const std::vector<uint8_t> job = jobs[0].Bytes("hex");
    ASSERT_GE(job.size(), 15u + 107u);
    // The 107-byte packet after the 15 bytes that enter remote mode: "EX", its length, the body.
    EXPECT_EQ(std::vector<uint8_t>(job.begin() + 15, job.begin() + 19),
              (std::vector<uint8_t>{'E', 'X', 0x67, 0x00}));
    EXPECT_EQ(std::vector<uint8_t>(job.begin() + 19, job.begin() + 15 + 107),
              std::vector<uint8_t>(body.begin(), body.end()));

    e2e.window->ShowPage(3);
    EXPECT_EQ(e2e.Find<QComboBox>(page, 1068)->itemText(4), "#5 Canvas 380");
    e2e.printer.Stop();  // saves its state
    const std::string state = ReadFileText(e2e.printer.StatePath());
    for (const std::string& line :
         std::vector<std::string>{"slot5.name=Canvas 380", "slot5.thickness=5", "slot5.platen=2",
                                  "slot5.paperType=" + std::to_string(paperType)})
        EXPECT_NE(state.find("\n" + line + "\n"), std::string::npos) << line;
}

TEST(CustomPaperEditingEndToEndTest, SavedSettingOpensAgainWithTheSameValues) {
    EndToEndBench e2e;
    ASSERT_TRUE(e2e.Start());
    Page* page = e2e.OpenPage(1015, 5);
    ASSERT_NE(page, nullptr);
    // media, thickness, platen; tab 1: mode, density, feed, drying; tab 2: cut, roller, suction
    const ControlValue setting[] = {{1096, -1, 1},  {1098, -1, 2}, {1101, -1, 3}, {1108, 0, 0},
                                    {1033, 0, -15}, {1114, 0, 22}, {1120, 0, 12}, {1124, 1, 3},
                                    {1007, 1, 2},   {1025, 1, 4}};
    ASSERT_EQ(SetControls(page, setting, true), ValuesOf(setting));

    const std::string path = e2e.sandbox.Folder() + "/Films.ZCF";
    e2e.dialogs.answers.push_back(path);
    WhenDialogShows<CustomFileSaveDialog>([](CustomFileSaveDialog& dialog) {
        EndToEndBench::Find<QAbstractButton>(&dialog, CustomFileSaveDialog::kBrowseButton)->click();
        EndToEndBench::Find<QLineEdit>(&dialog, CustomFileSaveDialog::kNameEdit)
            ->setText("Film 100");
        EndToEndBench::Find<QAbstractButton>(&dialog, CustomFileSaveDialog::kOk)->click();
    });
    e2e.Find<QAbstractButton>(page, 1102)->click();
    EXPECT_TRUE(e2e.bench.messages.texts().empty());
    // Saving starts a new setting, so the values reappear only from the file.
    EXPECT_NE(SetControls(page, setting, false), ValuesOf(setting));

    e2e.dialogs.answers.push_back(path);
    e2e.Find<QAbstractButton>(page, 1001)->click();
    auto* entries = e2e.Find<QComboBox>(page, 1068);
    ASSERT_EQ(entries->count(), 2);
    EXPECT_EQ(entries->itemText(1), "Film 100");
    entries->setCurrentIndex(1);
    EXPECT_EQ(SetControls(page, setting, false), ValuesOf(setting));
    EXPECT_TRUE(e2e.bench.messages.texts().empty());
    e2e.Snapshot("page5.png");
}

}  // namespace
