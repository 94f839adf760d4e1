#include "custompaper/PrinterSlotMemory.h"

#include "LinkFixture.h"
#include "SlotReplyText.h"
#include "comm/WrappedFrame.h"
#include "custompaper/CustomPaperSlotTable.h"

namespace {

const Bytes kEnter = wire::EnterRemote();
const Bytes kSaveAndExit = wire::Concat({wire::Hex("53 56 00 00"), wire::ExitRemote()});
using wire::Concat;

class PrinterSlotMemoryTest : public LinkFixture {
  protected:
    // "!" stands for a failed receive.
    void Answer(const std::string& text) {
        script.QueueReceive(text == "!" ? -5 : int32_t(text.size()), wire::Text(text));
    }
    CustomPaperSlotTable table;
};

TEST_F(PrinterSlotMemoryTest, SlotListInGroupsOfThreeUntilAGroupFails) {
    const std::string abc = ListReply("A-C");
    // replies, result, names ('-' unregistered, 'o' not refreshed)
    const std::vector<std::tuple<std::vector<std::string>, int32_t, std::string>> rows = {
        {{abc, "NA;"}, 3, "A-Cooooooo"},           {{abc, ListReply("A-")}, 148, "A-CA-ooooo"},
        {{abc, abc, "!"}, -5, "A-CA-Coooo"},       {{}, 0, "oooooooooo"},
        {{abc, abc, abc, abc}, 216, "A-CA-CA-CA"},
    };
    for (const auto& [replies, result, names] : rows) {
        script.Reset();
        OfferChannel(PrinterLink::kPlainChannel);
        for (const std::string& reply : replies) Answer(reply);
        for (int32_t i = 0; i < 10; ++i) table.Slot(i) = {.name = "old", .registered = true};
        PrinterLink link(&library, clock);
        EXPECT_EQ(ReadSlotList(table, link, kPrinter), result) << names;
        for (int32_t i = 0; i < 10; ++i) {
            const char c = names[static_cast<size_t>(i)];
            EXPECT_EQ(table.Slot(i).name, c == 'o' ? "old" : c == '-' ? "" : std::string{c});
            EXPECT_EQ(table.IsRegistered(i), c != '-') << names << " " << i;
        }
        EXPECT_EQ(script.OpenChannels(), 0) << names;
    }
    EXPECT_EQ(script.Sent(3), (Bytes{'E', 'X', 7, 0, 1, 0, 0, 0, 0x1D, 0x0A, 0}));
    script.Reset();
    PrinterLink noChannel(&library, clock);
    EXPECT_EQ(ReadSlotList(table, noChannel, kPrinter), -1);
}

TEST_F(PrinterSlotMemoryTest, OneSlotNameKeepsItsTrailingSpaces) {
    OfferChannel(PrinterLink::kPlainChannel);
    PrinterLink link(&library, clock);
    Answer(ListReply("MN"));
    EXPECT_GT(ReadSlotName(table, link, kPrinter, 4), 0);
    EXPECT_EQ(table.Slot(4).name, "M" + std::string(29, ' '));
    EXPECT_EQ(script.Sent(0)[9], 0x05);
    EXPECT_EQ(ReadSlotName(table, link, kPrinter, 10), -1);
    EXPECT_EQ(ReadSlotName(table, link, kPrinter, -1), -1);
}

TEST_F(PrinterSlotMemoryTest, WrittenSettingIsReadBackFromItsDetails) {
    // name, media id, paper type, option, feed, drying, thickness, suction, cut, platen, roller
    const CustomPaperSlot setting{"", 0, 0x2A, 1, -5, 25, 4, -2, 2, 3, 1};
    Bytes packet = wire::SlotWrite(3, 3, -5, 4, "Matte 190");
    for (const auto& [offset, byte] :  // suction, cut, roller, option, paper type
         {std::pair{34, 0x10}, {36, 0x01}, {37, 0x7E}, {39, 0x01}, {50, 0x20}, {53, 0x2A}})
        packet[offset] = byte;
    table.SetCurrent(2);
    ASSERT_EQ(WriteSlot(table, spooler, kPrinter, -1, "Matte 190", setting), 0);
    EXPECT_EQ(spooler.jobs.at(0).bytes, Concat({kEnter, packet, kSaveAndExit}));

    OfferChannel(PrinterLink::kWrappedChannel);
    PrinterLink link(&library, clock);
    Answer("@BDC PS\r\nEX:0000001B" + HexText({packet.begin() + 9, packet.end()}));
    EXPECT_EQ(ReadSlotDetails(table, link, kPrinter, 6), 9 + 11 + 196);
    const auto fields = [](const CustomPaperSlot& s) {
        return std::tie(s.paperTypeCode, s.extraOption, s.forward, s.dryTime, s.paperThick,
                        s.paperDraw, s.paperCut, s.platen, s.roller);
    };
    EXPECT_EQ(fields(table.Slot(6)), fields(setting));
    EXPECT_EQ(table.Slot(6).name, "Matte 190" + std::string(21, ' '));
    EXPECT_EQ(script.Sent(0),
              BuildWrappedRequest(Bytes{'E', 'X', 7, 0, 1, 0, 0, 0, 0x1B, 0x86, 0}));

    // One byte short of the whole record.
    Answer("@BDC PS\r\nEX:0000001B" + std::string(2 * 97, '0') + ";");
    EXPECT_EQ(ReadSlotDetails(table, link, kPrinter, 6), 215);
    EXPECT_EQ(fields(table.Slot(6)), fields(setting));
    EXPECT_EQ(ReadSlotDetails(table, link, kPrinter, 10), -1);
}

TEST_F(PrinterSlotMemoryTest, SelectionAndPatternJobs) {
    const auto select = [](uint8_t n) {
        return Concat({kEnter, {'E', 'X', 7, 0, 0, 0, 0, 0, 0x1C, n, 0}, kSaveAndExit});
    };
    const std::vector<std::pair<std::function<int32_t()>, Bytes>> rows = {
        {[&] { return SelectSlot(table, spooler, kPrinter, 9); }, select(10)},
        {[&] { return SelectNone(spooler, kPrinter); }, select(0)},
        {[&] { return PrintThicknessPattern(spooler, kPrinter); },
         Concat({kEnter, {0x53, 0x53, 2, 0, 0, 3, 0x1B, 0, 0, 0, 0x0D, 0x0A, 0x0C, 0x1B, 0x40}})},
        {[&] { return SelectSlot(table, spooler, kPrinter, 10); }, {}},
        {[&] { return WriteSlot(table, spooler, kPrinter, 10, "x", {}); }, {}},
    };
    for (const auto& [send, job] : rows) {
        spooler.jobs.clear();
        EXPECT_EQ(send(), job.empty() ? -1 : 0);
        EXPECT_EQ(spooler.jobs.empty() ? Bytes{} : spooler.jobs[0].bytes, job);
    }
}

}  // namespace
