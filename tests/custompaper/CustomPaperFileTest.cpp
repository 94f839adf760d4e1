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
    std::tie(time.tm_year, time.tm_mon, time.tm_mday, time.tm_hour, time.tm_min, time.tm_sec) =
        std::make_tuple(124, 2, 5, 6, 7, 8);
    return time;
}

CustomPaperFileEntry KnownEntry() {
    CustomPaperFileEntry e{.customName = "Glossy Photo Paper 260",
                           .inkMode = "0B000301040205030100060407050A08"};
    std::tie(e.id, e.sid, e.mode, e.hres, e.vres, e.mw, e.density, e.forward, e.dryTime,
             e.paperThick, e.paperDraw, e.paperCut, e.platen, e.roller) =
        std::make_tuple(12, 7, 3, 1440, 720, 2, -15, -70, 25, 3, -4, 1, 2, 0);
    return e;
}

TEST(CustomPaperFile, WritesTheKnownEntryAsTheHandWrittenFileAndReadsItBack) {
    const TempFolder folder;
    const std::string path = folder.Path() + "/Known.zcf";
    const std::string known = ReadFileText(SERVATO_SOURCE_DIR "/tests/custompaper/KnownEntry.zcf");
    CustomPaperFile file(FixedTime);
    ASSERT_EQ(file.Write(path, "ZENTA Corvid 4000", 1, KnownEntry()), 0);
    EXPECT_EQ(ReadFileText(path), known);

    // Read back (all but the print mode values) and written again, it gives the same file.
    CustomPaperFileEntry read{.hres = 1440, .vres = 720, .mw = 2};
    ASSERT_EQ(file.Open(path, "Corvid 4000"), 0);
    ASSERT_EQ(file.ReadEntry(1, read), 0);
    ASSERT_EQ(file.Write(folder.Path() + "/Again.zcf", "Corvid 4000", 1, read), 0);
    EXPECT_EQ(ReadFileText(folder.Path() + "/Again.zcf"), known);

    // An entry beyond the count raises it; the gap stays unreadable until it is written.
    ASSERT_EQ(file.Write(path, "Corvid 4000", 3, KnownEntry()), 0);
    EXPECT_EQ(file.GetMediaCount(), 3);
    EXPECT_EQ(file.ReadEntry(2, read), -1);
    std::vector<std::string> names;
    ASSERT_EQ(file.Write(path, "Corvid 4000", 2, {.customName = "Plain"}), 0);
    ASSERT_EQ(file.ReadNames(names, 3), 0);
    EXPECT_EQ(names, (std::vector<std::string>{"Glossy Photo Pap", "Plain", "Glossy Photo Pap"}));
}

const std::string kHead = "[Base]\nModel=Corvid 4000\n";
const std::string kEntry =
    "[Media01]\nCustomName=Matte\nID=5\nMode=2\nDensity=-3\nForward=4\nDrytime=5\n"
    "Paperthick=6\nPaperdraw=-1\nPaperCut=2\nInkMode= 0B00 \nPlaten=1\nRoller=3\n";
const std::string kGood = kHead + "MediaCount=1\n" + kEntry + "SID=1\n";

TEST(CustomPaperFile, ReadingFiles) {
    // what, text, results of Open, GetMediaCount, ReadEntry(1), ReadNames; the printer's model
    const std::vector<std::tuple<const char*, std::string, int, int, int, int, const char*>> rows =
        {
            {"the model with the maker", kGood, 0, 1, 0, 0, "ZENTA Corvid 4000"},
            {"the model alone", kGood, 0, 1, 0, 0, "Corvid 4000"},
            {"another model", kGood, -1, -1, -1, -1, "ZENTA Heron 9000"},
            {"no model", "[Base]\nMediaCount=1\n", -1, -1, -1, -1, "Corvid 4000"},
            {"a section in other letter case", "[base]\nModel=Corvid 4000\n", -1, -1, -1, -1,
             "Corvid 4000"},
            {"a newer minor version", kHead + "Version=2.10\n", -1, -1, -1, -1, "Corvid 4000"},
            {"no text at all", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff[Base]\0", 24), -1, -1,
             -1, -1, "Corvid 4000"},
            {"no count", kHead + kEntry, 0, -1, -1, -1, "Corvid 4000"},
            {"a count that is no number", kHead + "MediaCount=many\n", 0, 0, -1, -1, "Corvid 4000"},
            {"a count beyond the entries", kHead + "MediaCount=2\n" + kEntry + "SID=1\n", 0, 2, 0,
             -1, "Corvid 4000"},
            {"an entry without SID", kHead + "MediaCount=1\n" + kEntry, 0, 1, -1, 0, "Corvid 4000"},
        };
    const TempFolder folder;
    for (const auto& [what, text, open, count, read, named, model] : rows) {
        const std::string path = folder.Write("File.zcf", text);
        CustomPaperFile file;
        CustomPaperFileEntry entry;
        std::vector<std::string> names;
        EXPECT_EQ(file.Open(path, model), open) << what;
        EXPECT_EQ(file.GetMediaCount(), count) << what;
        EXPECT_EQ(file.ReadEntry(1, entry), read) << what;
        EXPECT_EQ(file.ReadEntry(2, entry), -1) << what;
        EXPECT_EQ(file.ReadNames(names, std::max(count, 0)), named) << what;
    }

    // "Hres", "Vres" and "Mw" are never read; the ink layout loses its spaces.
    CustomPaperFile file;
    CustomPaperFileEntry entry{.hres = 7};
    ASSERT_EQ(file.Open(folder.Write("File.zcf", kGood), "Corvid 4000"), 0);
    ASSERT_EQ(file.ReadEntry(1, entry), 0);
    EXPECT_EQ(std::tie(entry.sid, entry.hres, entry.paperDraw, entry.inkMode),
              std::make_tuple(1, 7, -1, "0B00"));
}

TEST(CustomPaperFile, NamesAreCutByCharacters) {
    const std::vector<std::array<std::string, 2>> rows = {
        {"Gl\xC3\xA4nzend Fotopapier", "Gl\xC3\xA4nzend Fotopap"},
        {"Gl\xE4nzend", "Gl\xC3\xA4nzend"},
        {"\xE6\x97\xA5\xE6\x9C\xAC\xE8", "\xE6\x97\xA5\xE6\x9C\xAC\xC3\xA8"},
        {"\x80\xC0\xAF\xED\xA0\x80", "\xC2\x80\xC3\x80\xC2\xAF\xC3\xAD\xC2\xA0\xC2\x80"},
        {"1234567890123456\xF0\x9F\x98\x80", "1234567890123456"},
    };
    for (const auto& [bytes, name] : rows) EXPECT_EQ(CustomNameText(bytes, 16), name) << bytes;
}

TEST(CustomPaperFile, KeysGoWhereTheSystemsWriterPutsThem) {
    const std::string full(255, 'x');
    // text before, section, key, value, text after
    const std::vector<std::array<std::string, 5>> rows = {
        {"[base]\nversion=1.00\nModel=X\n", "Base", "Version", "2.00",
         "[base]\nVersion=2.00\r\nModel=X\n"},
        {"; kept\n[Base]\nA=1\nA=2\n", "BASE", "a", "3", "; kept\n[Base]\na=3\r\nA=2\n"},
        {"[Base]\nA=1\n\n[Other]\nB=2", "Base", "C", "3", "[Base]\nA=1\nC=3\r\n\n[Other]\nB=2"},
        {"[Other]\nB=2", "Base", "A", "1", "[Other]\nB=2\r\n[Base]\r\nA=1\r\n"},
        {"[Base ]\nA=1\n", "Base", "A", "2", "[Base ]\nA=1\n[Base]\r\nA=2\r\n"},
        {full + "[Base]", "Base", "A", "1", full + "[Base]\r\nA=1\r\n"},
        {"", "S", "K", "one\r\ntwo", "[S]\r\nK=one\r\n"},
    };
    for (const auto& [before, section, key, value, after] : rows) {
        IniDocument document(before);
        document.Set(section, key, value);
        EXPECT_EQ(document.Text(), after) << before;
    }
}

}  // namespace
