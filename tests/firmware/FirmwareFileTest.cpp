#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QTemporaryDir>
#include <functional>

#include "FirmwareImage.h"
#include "RecordingSpooler.h"
#include "TempFolder.h"
#include "firmware/FirmwareFile.h"
#include "firmware/FirmwareFolder.h"
#include "firmware/FirmwareUpdateJob.h"
#include "firmware/FirmwareVersion.h"
#include "platform/RegKey.h"
#include "platform/SettingsStore.h"

namespace {

TEST(FirmwareFileTest, ValidationNamesWhatIsWrong) {
    TempFolder folder;
    using MakePath = std::function<std::string()>;
    const auto file = [&](std::string content) -> MakePath {
        return [&folder, content] { return folder.Write("f.UPG", content); };
    };
    struct Row {
        const char* name;
        MakePath path;
        int32_t expected;
        std::string version;
    };
    const std::vector<Row> rows = {
        {"empty", file(""), -2, ""},
        {"shorter than the header", file(FirmwareImage(0).substr(0, 31)), -2, ""},
        {"length field one short", file(FirmwareImage(100, "I20711", -1)), -2, ""},
        {"checksum off by one", file(FirmwareImage(100, "I20711", 0, 1)), -2, ""},
        {"checksum wrong before version wrong", file(FirmwareImage(100, "IA0711", 0, 1)), -2, ""},
        {"letter and letter", file(FirmwareImage(100, "IA0711")), -3, ""},
        {"lower-case i and a digit", file(FirmwareImage(100, "i20711")), 0, "i20711"},
        {"header alone", file(FirmwareImage(0)), 0, "I20711"},
        {"payload over several reads", file(FirmwareImage(700000)), 0, "I20711"},
        {"a folder", [&] { return folder.Path(); }, -1, ""},
        {"no such file", [&] { return folder.Path() + "/missing.UPG"; }, -1, ""},
        {"a pipe",
         [&] {
             const std::string path = folder.Path() + "/pipe.UPG";
             mkfifo(path.c_str(), 0600);
             return path;
         },
         -1, ""},
    };
    for (const Row& row : rows) {
        std::string version = "stale";
        EXPECT_EQ(ValidateFirmwareFile(row.path(), version), row.expected) << row.name;
        EXPECT_EQ(version, row.version) << row.name;
    }
}

TEST(FirmwareFileTest, VersionsCompareMinorPartFirst) {
    struct Row {
        const char* printer;
        const char* file;
        VersionVerdict expected;
    };
    const std::vector<Row> rows = {
        {"I10612", "I20711", {70007, false, true}},  // 0x1206 against 0x1107
        {"I20711", "I10612", {70006, true, false}},  {"I20711", "I20711", {70008, true, false}},
        {"Unknown", "I20711", {70006, true, false}},  // an unread version compares as 0
        {"", "I20711", {-1, false, false}},          {"I20711", "", {-1, false, false}},
    };
    for (const Row& row : rows) {
        const VersionVerdict verdict = CompareFirmwareVersions(row.printer, row.file);
        EXPECT_EQ(verdict.messageId, row.expected.messageId) << row.printer << " " << row.file;
        EXPECT_EQ(verdict.updateEnabled, row.expected.updateEnabled) << row.printer;
        EXPECT_EQ(verdict.drawnInRed, row.expected.drawnInRed) << row.printer;
    }
}

TEST(FirmwareFileTest, RemembersTheFolderBelowTheRoot) {
    QTemporaryDir home;
    RegKey::SetStoreFolders(home.filePath("user"), home.filePath("machine"));
    SettingsStore store;
    EXPECT_EQ(ReadFirmwareFolder(store, "/home/tech"), "/home/tech");
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"/home/tech/fw/new.UPG", "/home/tech/fw"},
        {"/fw1/new.UPG", "/fw1"},
        {"/fw/new.UPG", "/fw/new.UPG"},
        {"/new.UPG", "/new.UPG"},
    };
    for (const auto& [chosen, remembered] : rows) {
        RememberFirmwareFolder(store, chosen);
        EXPECT_EQ(ReadFirmwareFolder(store, "/home/tech"), remembered) << chosen;
    }
}

TEST(FirmwareFileTest, UpdateJobIsHeadAndWholeFile) {
    TempFolder folder;
    const std::string image = FirmwareImage(200000);
    const std::string path = folder.Write("new.UPG", image);
    const std::vector<uint8_t> header = {0x1B, 0x7D, 0x01, 0x05, 0x00,
                                         0x61, 0x02, 0x70, 0x8F, 0x38};
    for (const auto& [printerVersion, leadIn] :
         std::vector<std::pair<std::string, size_t>>{{"I10612", 16384}, {"I00000", 0}}) {
        RecordingSpooler spooler;
        ASSERT_EQ(SendFirmwareUpdate(spooler, "Corvid", printerVersion, path), 0);
        std::vector<uint8_t> expected(leadIn, 0x11);
        expected.insert(expected.end(), header.begin(), header.end());
        expected.insert(expected.end(), image.begin(), image.end());
        ASSERT_EQ(spooler.jobs.size(), 1u);
        EXPECT_EQ(spooler.jobs[0].title, "TAVO Command");
        EXPECT_TRUE(spooler.jobs[0].data == expected) << printerVersion;
    }
    RecordingSpooler refusing;
    refusing.writeResult = -1;
    EXPECT_EQ(SendFirmwareUpdate(refusing, "Corvid", "I10612", path), -1);
    EXPECT_EQ(SendFirmwareUpdate(refusing, "Corvid", "I10612", folder.Path() + "/gone.UPG"), -1);
}

}  // namespace
