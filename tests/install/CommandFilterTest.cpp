#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CommandFile.h"
#include "MarkerReport.h"
#include "comm/StatusReply.h"

namespace {

using Command = MaintenanceCommand;

std::span<const uint8_t> Bytes(const std::string& text) {
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

TEST(CommandFile, EachCommandOnceInOrderAndTheRestSetAside) {
    struct Row {
        const char* name;
        std::string text;
        std::vector<Command> commands;
        std::vector<std::string> unknown;
        size_t unknownCount;
    };
    std::string thousands;
    for (int i = 0; i < 4000; ++i) thousands += "Bogus " + std::to_string(i) + "\n";
    const std::vector<Row> rows = {
        {"as clients send it", "#CUPS-COMMAND\nClean all\n", {Command::Clean}, {}, 0},
        {"letter case, CR LF, blanks, no last newline",
         "  reportlevels\r\n\n\tCLEAN Black\nPrintSelfTestPage",
         {Command::ReportLevels, Command::Clean, Command::PrintSelfTestPage},
         {},
         0},
        {"repeats run once",
         "Clean all\nReportLevels\nClean all\n",
         {Command::Clean, Command::ReportLevels},
         {},
         0},
        {"empty", "", {}, {}, 0},
        {"commands and names alike are not commands",
         "Cleanse\n# Clean\nAutoConfigure x\n",
         {},
         {"Cleanse", "AutoConfigure x"},
         2},
        {"binary data", std::string("Clean\0all\n\xFF\xFE", 12), {}, {"Clean?all", "??"}, 2},
        {"a long line is cut for the log",
         std::string(50, 'x'),
         {},
         {std::string(40, 'x') + "..."},
         1},
        {"thousands of lines",
         thousands + "Clean",
         {Command::Clean},
         {"Bogus 0", "Bogus 1", "Bogus 2", "Bogus 3", "Bogus 4"},
         4000},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const CommandFile file = ParseCommandFile(Bytes(row.text));
        EXPECT_EQ(file.commands, row.commands);
        EXPECT_EQ(file.unknown, row.unknown);
        EXPECT_EQ(file.unknownCount, row.unknownCount);
    }
}

TEST(StatusReplyInks, EntriesStayInsideTheBlock) {
    struct Row {
        const char* name;
        std::vector<uint8_t> block;
        std::vector<InkEntry> inks;
    };
    const std::vector<Row> rows = {
        {"two slots", {0x0C, 0, 0x01, 1, 4, 0x0F, 7, 3, 0, 1, 90, 1, 2, 55}, {{1, 90}, {2, 55}}},
        {"wider entries", {0x0B, 0, 0x0F, 9, 4, 0, 6, 30, 0, 1, 3, 40, 0}, {{6, 30}, {3, 40}}},
        {"cut off by the end of the block", {0x07, 0, 0x0F, 7, 3, 0, 1, 90, 1}, {{1, 90}}},
        {"entries too short", {0x06, 0, 0x0F, 4, 2, 0, 1, 0}, {}},
        {"no ink field", {0x03, 0, 0x01, 1, 4}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        StatusReply status;
        ASSERT_TRUE(status.Assign(row.block));
        EXPECT_EQ(status.InkEntries(), row.inks);
    }
}

TEST(MarkerReport, NamesColoursAndLevelsOfTheInks) {
    struct Row {
        const char* name;
        std::vector<InkEntry> inks;
        std::string expected;
    };
    const std::vector<Row> rows = {
        {"four inks",
         {{0x01, 80}, {0x02, 0}, {0x03, 100}, {0x06, 25}},
         "marker-colors=#000000,#00FFFF,#FF00FF,#FFFF00 marker-levels=80,0,100,25 "
         "marker-names=\"Black\",\"Cyan\",\"Magenta\",\"Yellow\" "
         "marker-types=ink-cartridge,ink-cartridge,ink-cartridge,ink-cartridge"},
        {"beside a matte black, an unknown ink beyond 100 %",
         {{0x01, 50}, {0x09, 60}, {0x20, 150}},
         "marker-colors=#000000,#000000,none marker-levels=50,60,-1 "
         "marker-names=\"Photo Black\",\"Matte Black\",\"Ink 32\" "
         "marker-types=ink-cartridge,ink-cartridge,ink-cartridge"},
        {"no inks", {}, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(MarkerAttributes(row.inks), row.expected);
    }
}

}  // namespace
