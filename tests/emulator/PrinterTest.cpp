#include <gtest/gtest.h>

#include <map>

#include "ChannelResponder.h"
#include "JobExecution.h"
#include "JobStream.h"
#include "WireFormat.h"

namespace {

constexpr std::int64_t kStart = 1'800'000'000'000;

class PrinterTest : public ::testing::Test {
  protected:
    PrinterTest() : printer_(Model("ZENTA Corvid 4000"), PrinterState(), WorkDurations()) {}

    static PrinterModel Model(const char* name) {
        PrinterModel model;
        PrinterModel::ForName(name, model);
        return model;
    }

    std::vector<std::string> Send(const Bytes& job, std::int64_t nowMs = kStart) {
        const std::vector<JobPacket> packets = JobStream::Parse(job.data(), job.size());
        JobExecution execution(printer_, nowMs);
        for (const JobPacket& packet : packets) execution.Run(job.data(), packet);
        const std::string peer = "127.0.0.1";
        execution.Finish(job.size(), &peer);
        printer_.Advance(nowMs);
        return execution.Notes();
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

    Printer printer_;
};

}  // namespace

TEST_F(PrinterTest, SlotWrittenWithSaveReadsBackAsWritten) {
    using namespace wire;
    const Bytes packet = SlotWrite(4, 3, -70, 12, "Glossy Canvas");
    EXPECT_TRUE(Send(Concat({EnterRemote(), packet, Hex("53 56 00 00"), ExitRemote()})).empty());

    const Bytes details = Data(Ask("45 58 07 00 01 00 00 00 1B 83 00"), "EX:0000001B");
    ASSERT_EQ(details.size(), 98u);
    for (std::size_t k = 0; k < details.size(); ++k)
        EXPECT_EQ(details[k], packet[k + 9]) << "byte " << k;
    EXPECT_EQ(details[19], 3) << "platen";
    EXPECT_EQ(details[22], 31) << "forward -70";
    EXPECT_EQ(details[31], 12) << "thickness";

    const Bytes list = Data(Ask("45 58 07 00 01 00 00 00 1D 04 00"), "EX:0000001D");
    ASSERT_EQ(list.size(), 3u * 34u);
    EXPECT_EQ(list[0], 1) << "slot 4 registered";
    EXPECT_EQ(std::string(list.begin() + 4, list.begin() + 17), "Glossy Canvas");
    EXPECT_EQ(list[2], 0) << "name field starts with the two zero bytes of offsets 75, 76";
    EXPECT_EQ(list[34], 0) << "slot 5 not registered";
    const Bytes last = Data(Ask("45 58 07 00 01 00 00 00 1D 0A 00"), "EX:0000001D");
    EXPECT_EQ(last.size(), 3u * 34u) << "the group at slot 10 still has three records";

    // Without SV nothing is kept; selecting a slot needs SV as well.
    const std::vector<std::string> notes =
        Send(Concat({EnterRemote(), SlotWrite(5, 1, 0, 1, "Lost"),
                     Hex("45 58 07 00 00 00 00 00 1C 04 00"), ExitRemote()}));
    EXPECT_EQ(notes.size(), 1u);
    EXPECT_EQ(Data(Ask("45 58 07 00 01 00 00 00 1D 04 00"), "EX:0000001D")[34], 0);
    EXPECT_EQ(printer_.State().selectedSlot, 0);
    Send(Concat({EnterRemote(), Hex("45 58 07 00 00 00 00 00 1C 04 00"), Hex("53 56 00 00"),
                 ExitRemote()}));
    EXPECT_EQ(printer_.State().selectedSlot, 4);
}

TEST_F(PrinterTest, JobRecordsDescribeTheRememberedJobsNewestFirst) {
    using namespace wire;
    EXPECT_EQ(Ask("4A 49 02 00 01 00").find("JI:"), std::string::npos) << "no job yet";
    Send(Concat({EnterRemote(), Hex("4E 43 02 00 00 00"), Hex("56 49 02 00 00 01"), ExitRemote(),
                 JobEnd()}));
    Send(BytesOf("%PDF-1.4 /Title (Sample 3) /Type /Page /Type /Pages /Type/Page"));

    const Bytes pdf = Data(Ask("4A 49 02 00 01 00"), "JI:");
    ASSERT_EQ(pdf.size(), 68u);
    EXPECT_EQ(pdf[1], 2) << "job number";
    EXPECT_EQ(pdf[3], 5) << "completed";
    EXPECT_EQ(std::string(pdf.begin() + 7, pdf.begin() + 16), "127.0.0.1");
    EXPECT_EQ(std::string(pdf.begin() + 23, pdf.begin() + 31), "Sample 3");
    EXPECT_EQ(pdf[57] * 256 + pdf[58], 2) << "pages: two page objects";
    EXPECT_EQ(pdf[66] * 256 + pdf[67], 20) << "two pages of ten seconds";

    const Bytes check = Data(Ask("4A 49 02 00 01 01"), "JI:");
    ASSERT_EQ(check.size(), 68u);
    EXPECT_EQ(check[1], 1);
    EXPECT_EQ(check[4], 1) << "nothing odd in it";
    EXPECT_EQ(std::string(check.begin() + 23, check.begin() + 50), "Nozzle check, Version print");
    EXPECT_EQ(check[55] * 256 + check[56], 1) << "36 bytes round up to one kilobyte";
    EXPECT_EQ(check[59] * 256 + check[60], 1);
    EXPECT_GE(check[62], 1);
    EXPECT_LE(check[62], 12) << "month";
    EXPECT_EQ(Ask("4A 49 02 00 01 02").find("JI:"), std::string::npos);

    for (int i = 0; i < 12; ++i) Send(Hex("43 48 02 00 00 10 58 58"));
    EXPECT_EQ(printer_.State().jobs.size(), 10u);
    EXPECT_EQ(Data(Ask("4A 49 02 00 01 09"), "JI:")[1], 5) << "the oldest left is job 5";
    EXPECT_EQ(Data(Ask("4A 49 02 00 01 00"), "JI:")[4], 2) << "commands outside remote mode warned";
}

TEST_F(PrinterTest, WorkMakesThePrinterBusyForItsScaledDuration) {
    using namespace wire;
    EXPECT_EQ(printer_.StatusCode(kStart), 4);
    Send(Concat({EnterRemote(), Hex("43 48 02 00 00 10"), ExitRemote()}));
    Send(Concat({EnterRemote(), Hex("50 48 02 00 00 05"), Hex("53 4E 03 00 00 01 02"),
                 Hex("44 54 03 00 00 00 01"), ExitRemote(), JobEnd()}));
    EXPECT_EQ(printer_.StatusCode(kStart + 179'000), 3)
        << "cleaning 60 s, then alignment 120 s queued";
    printer_.Advance(kStart + 180'000);
    EXPECT_EQ(printer_.StatusCode(kStart + 180'000), 4);
    EXPECT_EQ(printer_.State().inkLevels.front(), 99) << "cleaning uses ink";
    EXPECT_EQ(printer_.State().gapCode, 2);
    EXPECT_EQ(printer_.State().paperThickness, 5);
    const std::string status = Ask("73 74 01 00 01", kStart + 180'000);
    EXPECT_EQ(status.rfind("@BDC ST2\r\n", 0), 0u);
}

TEST_F(PrinterTest, ValidFirmwareRestartsThePrinterWithTheNewVersion) {
    using namespace wire;
    const Bytes header = Hex("1B 7D 01 05 00 61 02 70 8F 38");
    EXPECT_EQ(Ask("56 49 02 00 01 00"), "@BDC PS\r\nVI:00I10612;");

    struct Refused {
        const char* what;
        Bytes file;
    };
    Bytes badSum = FirmwareFile("I20711", 64);
    badSum[12] ^= 1;
    Bytes badLength = FirmwareFile("I20711", 64);
    badLength[8] = 63;
    const Bytes good = FirmwareFile("I20711", 64);
    const Refused refused[] = {{"checksum", badSum},
                               {"length field", badLength},
                               {"version IA", FirmwareFile("IA0711", 64)},
                               {"31 bytes", Bytes(31, 0)},
                               {"cut short", Bytes(good.begin(), good.end() - 3)}};
    for (const Refused& row : refused) {
        SCOPED_TRACE(row.what);
        Send(Concat({Bytes(16384, 0x11), header, row.file}));
        EXPECT_FALSE(printer_.Offline(kStart));
        EXPECT_EQ(Data(Ask("4A 49 02 00 01 00"), "JI:")[3], 255) << "job failed";
        EXPECT_EQ(Ask("56 49 02 00 01 00"), "@BDC PS\r\nVI:00I10612;");
    }

    Send(Concat({Bytes(16384, 0x11), header, FirmwareFile("i20711", 1000)}));
    EXPECT_TRUE(printer_.Offline(kStart + 59'999));
    printer_.Advance(kStart + 59'999);
    EXPECT_EQ(printer_.State().firmwareVersion, "I10612");
    printer_.Advance(kStart + 60'000);
    EXPECT_FALSE(printer_.Offline(kStart + 60'000));
    EXPECT_EQ(Ask("56 49 02 00 01 00", kStart + 60'000), "@BDC PS\r\nVI:00i20711;");

    // The layout for a printer reporting I00000: header first, padding after the file.
    Send(Concat({header, FirmwareFile("I30000", 10), Bytes(16384, 0x11)}), kStart + 61'000);
    printer_.Advance(kStart + 200'000);
    EXPECT_EQ(printer_.State().firmwareVersion, "I30000");
}

TEST_F(PrinterTest, StatusBlockTellsTheModelsApartAndCarriesTheFaults) {
    struct Row {
        const char* model;
        const char* faults;
        std::uint8_t code;
        std::uint8_t level;
        bool eightSlots;
        bool inkLow;
    };
    const Row rows[] = {
        {"ZENTA Corvid 4000", "", 4, 80, true, false},
        {"ZENTA Corvid 2000", "", 4, 80, false, false},
        {"ZENTA Corvid 4000", "low-ink=25\nlow-level", 4, 10, true, true},
        {"ZENTA Corvid 2000", "error\nlow-level=12", 0, 12, false, false},
        {"ZENTA Corvid 4000", "not-ready", 3, 80, true, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.model) + " / " + row.faults);
        Printer printer(Model(row.model), PrinterState(), WorkDurations());
        FaultSet faults;
        std::string error;
        ASSERT_TRUE(faults.ApplyLines(row.faults, error)) << error;
        printer.SetFaults(faults);
        const Bytes block = printer.StatusBlockBytes(kStart);
        ASSERT_EQ(block.size(), 2u + (block[0] | (block[1] << 8)));
        // Walk the fields as the program does.
        std::map<int, Bytes> fields;
        for (std::size_t at = 2; at + 2 <= block.size();) {
            const std::size_t n = block[at + 1];
            ASSERT_LE(at + 2 + n, block.size());
            fields[block[at]] = Bytes(block.begin() + at + 2, block.begin() + at + 2 + n);
            at += 2 + n;
        }
        EXPECT_EQ(fields[0x01].at(0), row.code);
        EXPECT_EQ(fields[0x0D].at(0), row.level);
        const Bytes& inks = fields[0x0F];
        ASSERT_EQ(inks.at(0), 3);
        const bool eight = inks.size() >= 24 && inks[17] == 4 && inks[20] == 5 && inks[23] == 8;
        EXPECT_EQ(eight, row.eightSlots);
        EXPECT_EQ((inks.size() - 1) / 3, row.eightSlots ? 8u : 4u);
        bool low = false;
        for (std::size_t k = 0; k < (inks.size() - 1) / 3; ++k)
            low = low || inks[1 + 3 * k + 2] <= 25;
        EXPECT_EQ(low, row.inkLow);
    }
}

TEST_F(PrinterTest, ChannelRepliesToQueriesAndActions) {
    struct Row {
        const char* command;
        const char* reply;
    };
    const Row rows[] = {
        {"53 4E 02 00 01 01", "@BDC PS\r\nSN:010;"},
        {"56 49 02 00 01 00", "@BDC PS\r\nVI:00I10612;"},
        {"4E 43 02 00 00 00", "@BDC PS\r\nNC:00;"},
        {"58 59 00 00", "@BDC PS\r\nXY:NA;"},
        {"45 58 07 00 01 00 00 00 1B 8A 00", "@BDC PS\r\nEX:NA;"},
        {"45 58 07 00 01 00 00 00 1D 00 00", "@BDC PS\r\nEX:NA;"},
        {"4E 43 02", "@BDC PS\r\nNA;"},
    };
    for (const Row& row : rows) EXPECT_EQ(Ask(row.command), row.reply) << row.command;
    FaultSet faults;
    faults.platenGap = 2;
    printer_.SetFaults(faults);
    EXPECT_EQ(Ask("53 4E 02 00 01 01"), "@BDC PS\r\nSN:012;");
    // A built-in paper type answers the write template with the standard platen.
    const Bytes media = Data(Ask("45 58 07 00 01 00 00 00 1B 05 00"), "EX:0000001B");
    ASSERT_EQ(media.size(), 98u);
    EXPECT_EQ(media[19], 2);
}
