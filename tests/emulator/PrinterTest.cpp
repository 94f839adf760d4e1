#include <gtest/gtest.h>

#include <regex>

#include "BuiltInMedia.h"
#include "ChannelResponder.h"
#include "FileText.h"
#include "FirmwareFileBuilder.h"
#include "JobBytes.h"
#include "JobExecution.h"
#include "JobStream.h"

namespace {

constexpr std::int64_t kStart = 1'800'000'000'000;

PrinterModel Model(const char* name) {
    PrinterModel model;
    PrinterModel::ForName(name, model);
    return model;
}

class PrinterTest : public ::testing::Test {
  protected:
    PrinterTest() : printer_(Model("ZENTA Corvid 4000"), PrinterState(), WorkDurations()) {}

    // Runs a job received at nowMs.
    void Send(const Bytes& job, std::int64_t nowMs = kStart, bool cancelled = false) {
        printer_.Advance(nowMs);
        const std::vector<JobPacket> packets = JobStream::Parse(job.data(), job.size());
        JobExecution execution(printer_, nowMs);
        for (const JobPacket& packet : packets) execution.Run(job.data(), packet);
        const std::string peer = "127.0.0.1";
        execution.Finish(&peer, cancelled);
        printer_.Advance(nowMs);
    }

    std::string Ask(const std::string& commandHex, std::int64_t nowMs = kStart) {
        ChannelResponder responder(printer_);
        const Bytes command = wire::Hex(commandHex);
        std::string note;
        const Bytes reply = responder.Answer(command.data(), command.size(), nowMs, note);
        return std::string(reply.begin(), reply.end());
    }

    // The bytes after a text reply's marker, up to its ";".
    static Bytes Data(const std::string& reply, const std::string& marker) {
        const auto at = reply.find(marker);
        if (at == std::string::npos) return {};
        const auto end = reply.find(';', at);
        Bytes bytes;
        FromHex(reply.substr(at + marker.size(), end - at - marker.size()), bytes);
        return bytes;
    }

    Bytes JobInformation(int index, std::int64_t nowMs = kStart) {
        return Data(Ask("4A 49 02 00 01 0" + std::to_string(index), nowMs), "JI:");
    }

    Printer printer_;
};

}  // namespace

TEST_F(PrinterTest, JobRecordsFollowEachJobThroughItsStates) {
    using namespace wire;
    EXPECT_EQ(Ask("4A 49 02 00 01 00").find("JI:"), std::string::npos) << "no job yet";
    printer_.Edit().nextJobNumber = 255;
    Send(Concat({EnterRemote(), Hex("43 48 02 00 00 10"), ExitRemote()}));            // 60 s
    Send(BytesOf("%PDF-1.4 /Title (Sample 3) /Type /Page /Type /Pages /Type/Page"));  // 20 s
    Send(Concat({EnterRemote(), Hex("53 53 02 00 00 01"), ExitRemote()}), kStart, true);
    Send(Concat(
        {Bytes(16384, 0x11), Hex("1B 7D 01 05 00 61 02 70 8F 38"),
         FirmwareFileBuilder::Build("I20711", 64, FirmwareFileBuilder::Variant::kBadChecksum)}));

    struct Row {
        std::int64_t atMs;
        int index;  // 0 = newest
        std::uint8_t number;
        std::uint8_t state;
    };
    const Row rows[] = {
        {0, 3, 255, JobRecord::kPrinting},       {0, 2, 0, JobRecord::kWaiting},
        {0, 1, 1, JobRecord::kCancelled},        {0, 0, 2, JobRecord::kError},
        {60'000, 3, 255, JobRecord::kCompleted}, {60'000, 2, 0, JobRecord::kPrinting},
        {80'000, 2, 0, JobRecord::kCompleted},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("job " + std::to_string(row.index) + " at " + std::to_string(row.atMs));
        const Bytes record = JobInformation(row.index, kStart + row.atMs);
        ASSERT_EQ(record.size(), 68u);
        EXPECT_EQ(record[1], row.number);
        EXPECT_EQ(record[3], row.state);
    }

    for (int i = 0; i < 8; ++i) Send(Hex("43 48 02 00 00 10 58 58"), kStart + 80'000);
    EXPECT_EQ(printer_.State().jobs.size(), 10u);
    EXPECT_EQ(JobInformation(9, kStart + 80'000)[1], 1) << "the two oldest are gone";
    EXPECT_EQ(JobInformation(0, kStart + 80'000)[4], 1);
    EXPECT_EQ(Ask("4A 49 02 00 01 0A", kStart + 80'000).find("JI:"), std::string::npos);
}

TEST_F(PrinterTest, StatusBlockTellsTheModelsApartAndCarriesTheFaults) {
    const Bytes full(8, 100);
    const std::tuple<const char*, const char*, Bytes> rows[] = {
        {"ZENTA Corvid 4000", "", wire::StatusBlock(4, 80, full)},
        {"ZENTA Corvid 2000", "", wire::StatusBlock(4)},
        {"ZENTA Corvid 4000", "low-ink=25\nlow-level",
         wire::StatusBlock(4, 10, {100, 100, 100, 100, 100, 100, 100, 25})},
        {"ZENTA Corvid 2000", "error\nlow-level=12", wire::StatusBlock(0, 12)},
        {"ZENTA Corvid 4000", "not-ready", wire::StatusBlock(3, 80, full)},
    };
    for (const auto& [model, faultLines, block] : rows) {
        SCOPED_TRACE(std::string(model) + " / " + faultLines);
        Printer printer(Model(model), PrinterState(), WorkDurations());
        FaultSet faults;
        std::string error;
        ASSERT_TRUE(faults.ApplyLines(faultLines, error)) << error;
        printer.SetFaults(faults);
        EXPECT_EQ(ToHex(printer.StatusBlockBytes(kStart)), ToHex(block));
    }
}

TEST_F(PrinterTest, ChannelRepliesToQueriesAndActions) {
    JobRecord shortRecord;
    shortRecord.number = 7;
    shortRecord.state = JobRecord::kPaused;
    shortRecord.length = 5;
    printer_.Edit().jobs.push_back(shortRecord);
    struct Row {
        const char* command;
        const char* reply;
    };
    const Row rows[] = {
        {"4E 43 02 00 00 00", "@BDC PS\r\nNC:00;"},
        {"58 59 00 00", "@BDC PS\r\nXY:NA;"},
        {"45 58 07 00 01 00 00 00 1B 8A 00", "@BDC PS\r\nEX:NA;"},
        {"45 58 07 00 01 00 00 00 1D 00 00", "@BDC PS\r\nEX:NA;"},
        {"4A 49 02 00 01 00", "@BDC PS\r\nJI:0107000501;"},
        {"4E 43 02", "@BDC PS\r\nNA;"},
    };
    for (const Row& row : rows) EXPECT_EQ(Ask(row.command), row.reply) << row.command;
}

// Every paper type code the media table gives is one the printer answers: a custom slot, or a
// built-in medium with the table's thickness and a platen gap that thickness allows.
TEST_F(PrinterTest, EveryMediumOfTheMediaTableReadsItsOwnRecord) {
    const std::string table = ReadFileText(std::string(SERVATO_SOURCE_DIR) + "/settings/Media.ini");
    const std::regex record(R"(^MEDIA\d+=(?:-?\d+,){3}(\d+),(?:-?\d+,){4}(\d+),)",
                            std::regex::multiline);
    printer_.Edit().slots[2].body[19] = 3;  // slot 3 is read as it is, registered or not
    int media = 0;
    for (auto it = std::sregex_iterator(table.begin(), table.end(), record);
         it != std::sregex_iterator(); ++it, ++media) {
        const int code = std::stoi((*it)[1]);
        const int thickness = std::stoi((*it)[2]);
        SCOPED_TRACE("paper type " + std::to_string(code));
        char selector[3];
        std::snprintf(selector, sizeof selector, "%02X", code);
        const Bytes details =
            Data(Ask(std::string("45 58 07 00 01 00 00 00 1B ") + selector + " 00"), "EX:0000001B");
        ASSERT_EQ(details.size(), 98u);
        if (code >= BuiltInMedia::kFirstSlotCode && code <= BuiltInMedia::kLastSlotCode) {
            EXPECT_EQ(details, printer_.State().slots[code - 0x80].body);
            continue;
        }
        EXPECT_EQ(details[44], code);
        EXPECT_EQ(details[31], thickness);
        const int platen = details[19];
        EXPECT_TRUE(platen == 1 || (thickness < 7 && (platen == 2 || platen == 3)) ||
                    (thickness < 3 && platen == 4))
            << "platen " << platen << " at thickness " << thickness;
    }
    EXPECT_EQ(media, 40);
}
