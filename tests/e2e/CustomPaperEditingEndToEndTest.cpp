// The registration page against the emulated printer: the setting made on the page arrives in the
// chosen slot.
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
#include "custompaper/pages/RegisterDialog.h"

namespace {

TEST(CustomPaperEditingEndToEndTest, RegisteredSettingArrivesInSlotFive) {
    EndToEndBench e2e;
    ASSERT_TRUE(e2e.Start());
    Page* page = e2e.OpenPage(1013, 3);
    ASSERT_NE(page, nullptr);
    ASSERT_TRUE(e2e.bench.messages.texts().empty());
    // media, thickness, platen; tab 1: feed, drying; tab 2: cut, roller, suction, option
    auto* tabs = e2e.Find<QTabWidget>(page, 1006);
    const std::tuple<int, int, int> settings[] = {{1096, -1, 1},  {1098, -1, 5}, {1101, -1, 1},
                                                  {1024, 0, -20}, {1120, 0, 30}, {1124, 1, 2},
                                                  {1007, 1, 1},   {1025, 1, 2},  {1006, 1, 1}};
    for (const auto& [id, tab, value] : settings) {
        QWidget* control = FindControl(tab < 0 ? page : tabs->widget(tab), id);
        if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->setText(QString::number(value));
        if (auto* combo = qobject_cast<QComboBox*>(control)) combo->setCurrentIndex(value);
        if (auto* slider = qobject_cast<QSlider*>(control)) slider->setValue(value);
    }
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

}  // namespace
