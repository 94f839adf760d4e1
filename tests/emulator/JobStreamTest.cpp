#include <gtest/gtest.h>

#include "Bytes.h"
#include "FirmwareFileBuilder.h"
#include "JobBytes.h"
#include "JobStream.h"

namespace {

std::string Names(const std::vector<JobPacket>& packets) {
    std::string names;
    for (const JobPacket& packet : packets) names += (names.empty() ? "" : " ") + packet.name;
    return names;
}

std::vector<JobPacket> Parse(const Bytes& job) {
    return JobStream::Parse(job.data(), job.size());
}

}  // namespace

TEST(JobStream, FindsThePacketsAndSkipsDamage) {
    using namespace wire;
    struct Row {
        const char* what;
        Bytes job;
        const char* names;
    };
    const Bytes firmware = FirmwareFileBuilder::Build("I20711", 50);
    const Row rows[] = {
        {"garbage between packets",
         Concat({EnterRemote(), Hex("00 FF 80 7F"), Hex("43 48 02 00 00 10"), ExitRemote()}),
         "EnterRemote Unknown CH ExitRemote"},
        {"stray text before a command", Concat({Hex("48 45 4C 4C 4F"), Hex("43 48 02 00 00 10")}),
         "Unknown CH"},
        {"stray text before an escape", Concat({Hex("48 45 4C 4C 4F"), ExitRemote()}),
         "Unknown ExitRemote"},
        {"unknown command skipped whole", Concat({Hex("58 59 02 00 4E 43"), ExitRemote()}),
         "XY ExitRemote"},
        {"unknown escape", Concat({Hex("1B 21 00"), ExitRemote()}), "Esc Unknown ExitRemote"},
        {"command cut off", Concat({EnterRemote(), Hex("4E 43 02 00 00")}), "EnterRemote NC"},
        {"EnterRemote cut off", Hex("1B 40 1B 28 52 08 00"), "Reset EscParen"},
        {"ExitRemote cut off", Hex("1B 00 00"), "ExitRemote"},
        {"firmware file shorter than its header says",
         Concat(
             {Hex("1B 7D 01 05 00 61 02 70 8F 38"), Bytes(firmware.begin(), firmware.end() - 1)}),
         "EscBrace Firmware"},
        {"firmware without header", Concat({Hex("1B 7D 01 05 00 61 02 70 8F 38"), Hex("01 02 03")}),
         "EscBrace Firmware"},
        {"lone letter", Hex("4E"), "N?"},
        {"a whole job",
         Concat({EnterRemote(), Hex("44 54 03 00 00 00 82"), ExitRemote(), JobEnd()}),
         "EnterRemote DT ExitRemote JobEnd"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(Names(Parse(row.job)), row.names);
    }
    const Bytes cutFirmware = rows[8].job;
    EXPECT_FALSE(Parse(cutFirmware).back().complete);
    EXPECT_EQ(Parse(rows[5].job).back().kind, JobPacket::kTruncated);
}

TEST(JobStream, ScanWaitsForTheRestOfAPacketUnlessAtTheEnd) {
    const Bytes status = wire::Hex("73 74 01 00 01 56 49");
    JobPacket packet;
    for (std::size_t length = 1; length < 5; ++length) {
        EXPECT_FALSE(JobStream::ScanPacket(status.data(), length, false, packet)) << length;
        ASSERT_TRUE(JobStream::ScanPacket(status.data(), length, true, packet));
        EXPECT_EQ(packet.kind, JobPacket::kTruncated);
        EXPECT_EQ(packet.length, length);
    }
    ASSERT_TRUE(JobStream::ScanPacket(status.data(), status.size(), false, packet));
    EXPECT_EQ(packet.kind, JobPacket::kCommand);
    EXPECT_EQ(packet.name, "st");
    EXPECT_EQ(packet.length, 5u);
}
