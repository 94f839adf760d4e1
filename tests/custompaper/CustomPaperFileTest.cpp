#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FileText.h"
#include "TempFolder.h"
#include "custompaper/CustomNameText.h"
#include "custompaper/CustomPaperFile.h"
#include "custompaper/IniDocument.h"

namespace {

std::tm FixedTime() {
    std::tm time{};
    time.tm_year = 124;
    time.tm_mon = 2;
    time.tm_mday = 5;
    time.tm_hour = 6;
    time.tm_min = 7;
    time.tm_sec = 8;
    return time;
}

const CustomPaperFileEntry kKnownEntry{.customName = "Glossy Photo Paper 260",
                                       .id = 12,
                                       .sid = 7,
                                       .mode = 3,
                                       .hres = 1440,
                                       .vres = 720,
                                       .mw = 2,
                                       .density = -15,
                                       .forward = -70,
                                       .dryTime = 25,
                                       .paperThick = 3,
                                       .paperDraw = -4,
                                       .paperCut = 1,
                                       .platen = 2,
                                       .roller = 0,
                                       .inkMode = "0B000301040205030100060407050A08"};

TEST(CustomPaperFile, WritesTheKnownEntryAsTheHandWrittenFileAndReadsItBack) {
    const TempFolder folder;
    const std::string path = folder.Path() + "/Known.zcf";
    CustomPaperFile file(FixedTime);
    ASSERT_EQ(file.Write(path, "ZENTA Corvid 4000", 1, kKnownEntry), 0);
    EXPECT_EQ(ReadFileText(path),
              ReadFileText(SERVATO_SOURCE_DIR "/tests/custompaper/KnownEntry.zcf"));

    CustomPaperFileEntry read{.hres = 99};
    ASSERT_EQ(file.Open(path, "Corvid 4000"), 0);
    ASSERT_EQ(file.ReadEntry(1, read), 0);
    CustomPaperFileEntry expected = kKnownEntry;
    expected.customName = "Glossy Photo Pap";
    expected.hres = 99;
    expected.vres = expected.mw = 0;
    EXPECT_EQ(std::tie(read.customName, read.id, read.sid, read.mode, read.hres, read.vres, read.mw,
                       read.density, read.forward, read.dryTime, read.paperThick, read.paperDraw,
                       read.paperCut, read.platen, read.roller, read.inkMode),
              std::tie(expected.customName, expected.id, expected.sid, expected.mode, expected.hres,
                       expected.vres, expected.mw, expected.density, expected.forward,
                       expected.dryTime, expected.paperThick, expected.paperDraw, expected.paperCut,
                       expected.platen, expected.roller, expected.inkMode));

    // An entry beyond the count raises it; the gap stays unreadable until it is written.
    ASSERT_EQ(file.Write(path, "Corvid 4000", 3, kKnownEntry), 0);
    EXPECT_EQ(file.GetMediaCount(), 3);
    EXPECT_EQ(file.ReadEntry(2, read), -1);
    std::vector<std::string> names;
    EXPECT_EQ(file.ReadNames(names, 3), -1);
    ASSERT_EQ(file.Write(path, "Corvid 4000", 2, {.customName = "Plain"}), 0);
    ASSERT_EQ(file.ReadNames(names, 3), 0);
    EXPECT_EQ(names, (std::vector<std::string>{"Glossy Photo Pap", "Plain", "Glossy Photo Pap"}));
}

const std::string kEntryKeys =
    "ID=5\nMode=2\nDensity=-3\nForward=4\nDrytime=5\nPaperthick=6\nPaperdraw=-1\n"
    "PaperCut=2\nInkMode= 0B00 \nPlaten=1\nRoller=3\n";
const std::string kBase = "[Base]\nVersion=2.00\nModel=Corvid 4000\nMediaCount=1\n";
const std::string kGood = kBase + "[Media01]\nCustomName=Matte\n" + kEntryKeys + "SID=1\n";

TEST(CustomPaperFile, ReadingFiles) {
    struct Row {
        const char* what;
        std::string text;
        const char* printerModel;
        int open, count, entry, names;
    };
    const std::vector<Row> rows = {
        {"the model with the maker", kGood, "ZENTA Corvid 4000", 0, 1, 0, 0},
        {"the model alone", kGood, "Corvid 4000", 0, 1, 0, 0},
        {"another model", kGood, "ZENTA Heron 9000", -1, -1, -1, -1},
        {"the model in other letter case", kGood, "corvid 4000", -1, -1, -1, -1},
        {"no model", "[Base]\nVersion=2.00\nMediaCount=1\n", "Corvid 4000", -1, -1, -1, -1},
        {"a section in other letter case", "[base]\nModel=Corvid 4000\n", "Corvid 4000", -1, -1, -1,
         -1},
        {"a newer minor version", "[Base]\nVersion=2.10\nModel=Corvid 4000\n", "Corvid 4000", -1,
         -1, -1, -1},
        {"a newer major version", "[Base]\nVersion=3\nModel=Corvid 4000\n", "Corvid 4000", -1, -1,
         -1, -1},
        {"an older version", "[Base]\nVersion=1.00\nModel=Corvid 4000\nMediaCount=0\n",
         "Corvid 4000", 0, 0, -1, -1},
        {"no text at all", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe[Base]\0", 25),
         "Corvid 4000", -1, -1, -1, -1},
        {"no count", "[Base]\nModel=Corvid 4000\n[Media01]\nCustomName=A\n", "Corvid 4000", 0, -1,
         -1, -1},
        {"a count that is no number", "[Base]\nModel=Corvid 4000\nMediaCount=many\n", "Corvid 4000",
         0, 0, -1, -1},
        {"a count beyond the entries",
         "[Base]\nModel=Corvid 4000\nMediaCount=2\n" + kGood.substr(kBase.size()), "Corvid 4000", 0,
         2, 0, -1},
        {"an entry without SID", kBase + "[Media01]\nCustomName=Matte\n" + kEntryKeys,
         "Corvid 4000", 0, 1, -1, 0},
    };
    const TempFolder folder;
    for (const Row& row : rows) {
        const std::string path = folder.Write("File.zcf", row.text);
        CustomPaperFile file;
        CustomPaperFileEntry entry;
        std::vector<std::string> names;
        EXPECT_EQ(file.Open(path, row.printerModel), row.open) << row.what;
        EXPECT_EQ(file.GetMediaCount(), row.count) << row.what;
        EXPECT_EQ(file.ReadEntry(1, entry), row.entry) << row.what;
        EXPECT_EQ(file.ReadEntry(2, entry), -1) << row.what;
        EXPECT_EQ(file.ReadNames(names, std::max(row.count, 0)), row.names) << row.what;
    }

    // "Hres", "Vres" and "Mw" are never read.
    CustomPaperFile file;
    ASSERT_EQ(file.Open(folder.Write("File.zcf", kGood), "Corvid 4000"), 0);
    CustomPaperFileEntry entry{.hres = 7};
    ASSERT_EQ(file.ReadEntry(1, entry), 0);
    EXPECT_EQ(entry.inkMode, "0B00");
    EXPECT_EQ(std::tie(entry.id, entry.sid, entry.hres, entry.paperDraw, entry.roller),
              std::make_tuple(5, 1, 7, -1, 3));
}

TEST(CustomPaperFile, NamesAreCutByCharacters) {
    const std::vector<std::array<std::string, 2>> rows = {
        {"Glossy Photo Paper 260", "Glossy Photo Pap"},
        {"Gl\xC3\xA4nzend Fotopapier", "Gl\xC3\xA4nzend Fotopap"},
        {"Gl\xE4nzend", "Gl\xC3\xA4nzend"},
        {"\xE6\x97\xA5\xE6\x9C\xAC\xE8", "\xE6\x97\xA5\xE6\x9C\xAC\xC3\xA8"},
        {"\x80\xC0\xAF\xED\xA0\x80", "\xC2\x80\xC3\x80\xC2\xAF\xC3\xAD\xC2\xA0\xC2\x80"},
        {"1234567890123456\xF0\x9F\x98\x80", "1234567890123456"},
    };
    for (const auto& [bytes, name] : rows) EXPECT_EQ(CustomNameText(bytes, 16), name) << bytes;
}

TEST(CustomPaperFile, KeysGoWhereTheSystemsWriterPutsThem) {
    struct Row {
        std::string before, section, key, value, after;
    };
    const std::string full(255, 'x');
    const std::vector<Row> rows = {
        {"", "Base", "Version", "2.00", "[Base]\r\nVersion=2.00\r\n"},
        {"[base]\nversion=1.00\nModel=X\n", "Base", "Version", "2.00",
         "[base]\nVersion=2.00\r\nModel=X\n"},
        {"; kept\n[Base]\nA=1\nA=2\n", "BASE", "a", "3", "; kept\n[Base]\na=3\r\nA=2\n"},
        {"[Base]\nA=1\n\n[Other]\nB=2", "Base", "C", "3", "[Base]\nA=1\nC=3\r\n\n[Other]\nB=2"},
        {"[Other]\nB=2", "Base", "A", "1", "[Other]\nB=2\r\n[Base]\r\nA=1\r\n"},
        {"[Base ]\nA=1\n", "Base", "A", "2", "[Base ]\nA=1\n[Base]\r\nA=2\r\n"},
        {full + "[Base]", "Base", "A", "1", full + "[Base]\r\nA=1\r\n"},
        {"", "S", "K", "one\r\ntwo", "[S]\r\nK=one\r\n"},
    };
    for (const Row& row : rows) {
        IniDocument document(row.before);
        document.Set(row.section, row.key, row.value);
        EXPECT_EQ(document.Text(), row.after) << row.before;
    }
}

}  // namespace
