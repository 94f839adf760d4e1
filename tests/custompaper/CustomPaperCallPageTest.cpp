#include <gtest/gtest.h>

#include <QLabel>
#include <QListView>
#include <QPushButton>

#include "SlotReplyText.h"
#include "UiTestBench.h"
#include "comm/CommLibrary.h"
#include "custompaper/CustomPaperSlotTable.h"
#include "custompaper/pages/CustomPaperCallPage.h"
#include "custompaper/pages/SlotDetailTexts.h"
#include "pagekit/ControlDressing.h"

namespace {

constexpr const char* kModel = "ZENTA Corvid 4000";

class CallPageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        bench.app->selectedPrinter().printerName = "desk";
        bench.spooler.queues = {UiTestBench::Queue("desk", kModel)};
        ASSERT_TRUE(bench.app->commLibrary()->Load("desk", false));
    }
    void Script(const std::vector<std::string>& replies) {
        bench.Rescript(kModel, {UiTestBench::kReady}, replies);
    }
    QModelIndex Row(int row) const { return list->model()->index(row, 0); }
    bool Enabled(int id) { return FindControl(&page, id)->isEnabled(); }

    UiTestBench bench;
    CustomPaperCallPage page{*bench.app, nullptr};
    QListView* list = qobject_cast<QListView*>(FindControl(&page, 1068));
    CustomPaperSlotTable& table = *bench.app->customPaperSlots();
};

TEST_F(CallPageTest, ActivationShowsWhatWasRead) {
    const std::string group = ListReply("-N-");
    // replies, messages, slots 1..6 shown as registered, row selected after
    const std::vector<std::tuple<std::vector<std::string>, std::vector<int32_t>, std::string, int>>
        rows = {
            {{group, "!"}, {40900}, "-N----", 0},
            {{group}, {}, "-N----", 1},
        };
    for (const auto& [replies, messages, shown, selected] : rows) {
        table = {};
        list->setCurrentIndex(Row(0));
        Script(replies);
        EXPECT_EQ(page.PageActivated(), 1);
        EXPECT_EQ(bench.messages.texts(), bench.Texts(messages)) << shown;
        for (int slot = 1; slot <= 6; ++slot)
            EXPECT_EQ(Row(slot).data().toString().endsWith(" N"), shown[slot - 1] == 'N') << shown;
        EXPECT_EQ(list->currentIndex().row(), selected) << shown;
    }
    // A slot another page has just registered shows without the list being read again.
    table.Slot(3) = {.name = "Canvas", .registered = true};
    EXPECT_EQ(Row(4).data().toString(), "#4 Canvas");
}

TEST_F(CallPageTest, RowsAndTheCallButton) {
    Script({ListReply("-N-")});
    page.PageActivated();
    // row, answer, spooler result, messages, slot number selected (-1: no job), call and edit
    const std::vector<std::tuple<int, MessageAnswer, int, std::vector<int32_t>, int, bool, bool>>
        rows = {
            {3, MessageAnswer::Yes, 0, {}, -1, false, true},
            {2, MessageAnswer::No, 0, {40900, 40901}, -1, true, true},
            {0, MessageAnswer::Yes, 0, {40901, 40903}, 0, true, false},
            {2, MessageAnswer::Yes, -1, {40900, 40901, 40904}, -1, true, true},
        };
    for (const auto& [row, answer, spoolerResult, messages, slotNumber, call, edit] : rows) {
        Script({});  // the details of slot 2 stay unanswered
        list->setCurrentIndex(Row(row));
        EXPECT_EQ(Enabled(CustomPaperCallPage::kCallButton), call) << row;
        EXPECT_EQ(Enabled(CustomPaperCallPage::kEditButton), edit) << row;
        EXPECT_EQ(qobject_cast<QLabel*>(FindControl(&page, 1085))->text(), "") << row;
        bench.spooler.jobs.clear();
        bench.spooler.writeResult = spoolerResult;
        bench.messages.QueueAnswer(answer);
        qobject_cast<QPushButton*>(FindControl(&page, CustomPaperCallPage::kCallButton))->click();
        EXPECT_EQ(bench.messages.texts(), bench.Texts(messages)) << row;
        ASSERT_EQ(bench.spooler.jobs.size(), slotNumber < 0 ? 0u : 1u) << row;
        if (slotNumber >= 0) {
            EXPECT_EQ(bench.spooler.jobs[0].bytes.at(24), slotNumber);
        }
    }
}

TEST(SlotDetailTextsTest, ValuesOutsideTheirTextsShowEmpty) {
    const CustomPaperSlot slot{"", 0, 0, 4, -70, 50, 16, -5, 4, 5, 4};
    const std::array<std::string, 8> texts = {"16 40011",  "",         "", "",
                                              "-70 40012", "50 40013", "", "40164"};
    EXPECT_EQ(SlotDetailTexts(slot, [](int32_t id) { return std::to_string(id); }), texts);
}

}  // namespace
