// The firmware file check, the version verdict, the update job and the wait for the restart.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "FirmwareFileBuilder.h"
#include "LinkFixture.h"
#include "ScriptedProgress.h"
#include "TempFolder.h"
#include "firmware/FirmwareFile.h"
#include "firmware/FirmwareRestart.h"
#include "firmware/FirmwareUpdateJob.h"
#include "firmware/FirmwareVersion.h"

namespace {

using Variant = FirmwareFileBuilder::Variant;

std::string Image(Variant variant, size_t payload = 100, const std::string& version = "I20711") {
    const std::vector<uint8_t> bytes = FirmwareFileBuilder::Build(version, payload, variant);
    return {bytes.begin(), bytes.end()};
}

TEST(FirmwareFileTest, ValidationNamesWhatIsWrong) {
    std::string badVersionAndSum = Image(Variant::kBadVersion);
    badVersionAndSum[12] ^= 1;
    const std::vector<std::tuple<std::string, int32_t, std::string>> files = {
        {"", -2, ""},
        {Image(Variant::kTooShort), -2, ""},
        {Image(Variant::kBadLength), -2, ""},
        {Image(Variant::kBadChecksum), -2, ""},
        {badVersionAndSum, -2, ""},  // the checksum is judged first
        {Image(Variant::kBadVersion), -3, ""},
        {Image(Variant::kValid, 100, "i20711"), 0, "i20711"},
        {Image(Variant::kValid, 700000), 0, "I20711"},  // over several reads
    };
    TempFolder folder;
    for (const auto& [content, expected, expectedVersion] : files) {
        std::string version = "stale";
        EXPECT_EQ(ValidateFirmwareFile(folder.Write("f.UPG", content), version), expected);
        EXPECT_EQ(version, expectedVersion) << content.size();
    }
    const std::string pipe = folder.Path() + "/pipe.UPG";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string& path : {folder.Path(), folder.Path() + "/missing.UPG", pipe}) {
        std::string version;
        EXPECT_EQ(ValidateFirmwareFile(path, version), -1) << path;
    }
}

TEST(FirmwareFileTest, VersionsCompareMinorPartFirst) {
    const std::vector<std::tuple<const char*, const char*, int32_t, bool, bool>> rows = {
        {"I10612", "I20711", 70007, false, true},  // 0x1206 against 0x1107
        {"I20711", "I10612", 70006, true, false},  {"I20711", "I20711", 70008, true, false},
        {"Unknown", "I20711", 70006, true, false},  // an unread version compares as 0
        {"", "I20711", -1, false, false},          {"I20711", "", -1, false, false},
    };
    for (const auto& [printer, file, messageId, enabled, red] : rows) {
        const VersionVerdict verdict = CompareFirmwareVersions(printer, file);
        EXPECT_EQ(std::tie(verdict.messageId, verdict.updateEnabled, verdict.drawnInRed),
                  std::tie(messageId, enabled, red))
            << printer << " " << file;
    }
}

TEST(FirmwareFileTest, UpdateJobIsHeadAndWholeFile) {
    TempFolder folder;
    const std::string image = Image(Variant::kValid, 200000);
    const std::string path = folder.Write("new.UPG", image);
    for (const auto& [printerVersion, leadIn] :
         std::vector<std::pair<std::string, size_t>>{{"I10612", 16384}, {"I00000", 0}}) {
        SubstituteSpooler spooler;
        ASSERT_EQ(SendFirmwareUpdate(spooler, "Corvid", printerVersion, path), 0);
        std::vector<uint8_t> expected(leadIn, 0x11);
        expected.insert(expected.end(),
                        {0x1B, 0x7D, 0x01, 0x05, 0x00, 0x61, 0x02, 0x70, 0x8F, 0x38});
        expected.insert(expected.end(), image.begin(), image.end());
        ASSERT_EQ(spooler.jobs.size(), 1u);
        EXPECT_TRUE(spooler.jobs[0].bytes == expected) << printerVersion;
    }
    SubstituteSpooler spooler;
    EXPECT_EQ(SendFirmwareUpdate(spooler, "Corvid", "I10612", folder.Path() + "/gone.UPG"), -1);
}

using Bytes = std::vector<uint8_t>;
using FirmwareRestartTest = LinkFixture;

TEST_F(FirmwareRestartTest, WaitsQuietlyThenUntilReadyOrTheTimeLimit) {
    const Bytes ready = StatusWithCode(4), busy = StatusWithCode(3), failed;
    // Status answers (empty: the read fails), whether a channel opens, the result, when it ends.
    const std::vector<std::tuple<std::vector<Bytes>, bool, int32_t, int64_t>> rows = {
        {{ready}, true, kRestartReady, 70000},
        {{busy, busy, ready}, true, kRestartReady, 74000},  // reads 2 s apart
        {{failed, ready}, true, kRestartReady, 72000},
        {{busy}, true, kRestartTimeLimit, 150000},
        {{ready}, false, kRestartTimeLimit, 150000},
    };
    for (const auto& [statuses, channelOpens, expected, endsAtMs] : rows) {
        script.Reset();
        OfferChannel(PrinterLink::kPlainChannel);
        if (!channelOpens) script.SetResult("RQOpenChannel", -1);
        for (const Bytes& status : statuses) script.QueueStatus(status.empty() ? -1 : 15, status);
        ScriptedProgress progress(clock, 150000);
        const int64_t start = clock.NowMs();
        PrinterLink link(&library, clock);
        EXPECT_EQ(WaitForFirmwareRestart(link, clock, progress, kPrinter), expected) << endsAtMs;
        EXPECT_NEAR(clock.NowMs() - start, endsAtMs + 50, 50);
    }
}

}  // namespace
