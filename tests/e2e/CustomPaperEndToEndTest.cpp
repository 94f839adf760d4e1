// The call page against the emulated printer: slots written before a restart are listed, read and
// called after it.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QListView>

#include "EndToEndBench.h"
#include "custompaper/CustomPaperSlotTable.h"
#include "custompaper/PrinterSlotMemory.h"

namespace {

TEST(CustomPaperEndToEndTest, SlotThreeComesBackAfterARestartAndIsCalled) {
    EndToEndBench e2e;
    ASSERT_TRUE(e2e.Start());
    // name, media id, paper type, option, feed, drying, thickness, suction, cut, platen, roller
    const CustomPaperSlot canvas{"", 0, 80, 2, -70, 25, 5, -4, 1, 1, 3};
    for (const auto& [i, name, setting] :
         std::vector<std::tuple<int, std::string, CustomPaperSlot>>{
             {0, "Matte 190", {}}, {2, "Canvas 380", canvas}, {5, "Film", {}}}) {
        ASSERT_EQ(WriteSlot(*e2e.app().customPaperSlots(), e2e.spooler, e2e.printer.Queue(), i,
                            name, setting),
                  0);
    }
    ASSERT_EQ(e2e.printer.WaitForJournal(EmulatedPrinter::Event("job"), 3).size(), 3u);

    ASSERT_TRUE(e2e.Restart());
    Page* page = e2e.OpenPage(1014, 4);
    ASSERT_NE(page, nullptr);
    auto* list = e2e.Find<QListView>(page, 1068);
    const auto row = [list](int k) { return list->model()->index(k, 0).data().toString(); };
    EXPECT_EQ(row(1), "#1 Matte 190");
    EXPECT_EQ(row(2), "#2 " + e2e.Text(30110));
    list->setCurrentIndex(list->model()->index(3, 0));
    EXPECT_EQ(row(3), "#3 Canvas 380");
    EXPECT_EQ(e2e.Find<QLabel>(page, 1089)->text(), "-70 " + e2e.Text(40012));
    e2e.Snapshot("page4.png");

    e2e.bench.messages.Clear();
    e2e.Find<QAbstractButton>(page, 1002)->click();
    EXPECT_EQ(e2e.bench.messages.texts(), (std::vector<QString>{e2e.Text(40901), e2e.Text(40902)}));
    ASSERT_EQ(e2e.printer.WaitForJournal(EmulatedPrinter::Event("job"), 4).size(), 4u);
    EXPECT_EQ(e2e.printer.WaitForState("selectedSlot", [](auto& v) { return v == "3"; }), "3");
}

}  // namespace
