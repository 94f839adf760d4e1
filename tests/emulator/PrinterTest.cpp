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

    void SetFaults(const std::string& lines) {
        FaultSet faults;
        std::string error;
        ASSERT_TRUE(faults.ApplyLines(lines, error)) << error;
        printer_.SetFaults(faults);
    }

    // Runs a job received at nowMs and returns its notes; what it printed lands in printed_.
    std::vector<std::string> Send(const Bytes& job, std::int64_t nowMs = kStart,
                                  bool cancelled = false) {
        printer_.Advance(nowMs);
        const std::vector<JobPacket> packets = JobStream::Parse(job.data(), job.size());
        JobExecution execution(printer_, nowMs);
        for (const JobPacket& packet : packets) execution.Run(job.data(), packet);
        const std::string peer = "127.0.0.1";
        execution.Finish(&peer, cancelled);
        printer_.Advance(nowMs);
        printed_ = execution.Printed();
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

    Bytes JobInformation(int index, std::int64_t nowMs = kStart) {
        return Data(Ask("4A 49 02 00 01 0" + std::to_string(index), nowMs), "JI:");
    }

    Printer printer_;
    std::vector<std::string> printed_;
};

int Number16(const Bytes& record, std::size_t at) {
    return record.at(at) * 256 + record.at(at + 1);
}

}  // namespace

TEST_F(PrinterTest, SlotWrittenWithSaveReadsBackAsWritten) {
    using namespace wire;
    const Bytes packet = SlotWrite(4, 3, -70, 12, "Glossy Canvas");
    EXPECT_TRUE(Send(Concat({EnterRemote(), packet, Hex("53 56 00 00"), ExitRemote()})).empty());

    const Bytes details = Data(Ask("45 58 07 00 01 00 00 00 1B 83 00"), "EX:0000001B");
    ASSERT_EQ(details.size(), 98u);
    for (std::size_t k = 0; k < details.size(); ++k)
        EXPECT_EQ(details[k], packet[k + 9]) << "byte " << k;

    const Bytes list = Data(Ask("45 58 07 00 01 00 00 00 1D 04 00"), "EX:0000001D");
    ASSERT_EQ(list.size(), 3u * 34u);
    EXPECT_EQ(list[0], 1) << "slot 4 registered";
    EXPECT_EQ(ToHex(Bytes(list.begin() + 2, list.begin() + 4)), "0000");
    EXPECT_EQ(std::string(list.begin() + 4, list.begin() + 34),
              "Glossy Canvas" + std::string(17, ' '));
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
    Send(Concat({EnterRemote(), Hex("53 53 02 00 00 03"), ExitRemote(), JobEnd()}));
    EXPECT_EQ(printed_, std::vector<std::string>{"Thickness pattern: custom paper #4"});
}

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

    const Bytes pdf = JobInformation(2, kStart + 80'000);
    EXPECT_EQ(pdf[4], JobRecord::kRoll);
    EXPECT_EQ(std::string(pdf.begin() + 7, pdf.begin() + 16), "127.0.0.1");
    EXPECT_EQ(std::string(pdf.begin() + 23, pdf.begin() + 31), "Sample 3");
    EXPECT_EQ(Number16(pdf, 55), 1000) << "ink: two pages";
    EXPECT_EQ(Number16(pdf, 59), 210) << "paper width";
    EXPECT_EQ(Number16(pdf, 57), 594) << "paper length";
    EXPECT_EQ(Number16(pdf, 66), 20) << "two pages of ten seconds";
    EXPECT_GE(pdf[62], 1);
    EXPECT_LE(pdf[62], 12) << "month";
    const Bytes cleaning = JobInformation(3, kStart + 80'000);
    EXPECT_EQ(Number16(cleaning, 55), 8000) << "one millilitre from each of eight slots";
    EXPECT_EQ(Number16(cleaning, 57) + Number16(cleaning, 59), 0) << "no paper";

    for (int i = 0; i < 8; ++i) Send(Hex("43 48 02 00 00 10 58 58"), kStart + 80'000);
    EXPECT_EQ(printer_.State().jobs.size(), 10u);
    EXPECT_EQ(JobInformation(9, kStart + 80'000)[1], 1) << "the two oldest are gone";
    EXPECT_EQ(JobInformation(0, kStart + 80'000)[4], 1);
    EXPECT_EQ(Ask("4A 49 02 00 01 0A", kStart + 80'000).find("JI:"), std::string::npos);
}

TEST_F(PrinterTest, SheetsPrintWhatThePrinterKnows) {
    using namespace wire;
    printer_.Edit().slots[1].registered = true;
    printer_.Edit().slots[1].body = Data(Ask("45 58 07 00 01 00 00 00 1B 10 00"),
                                         "EX:0000001B");  // a built-in record as a body
    struct Row {
        const char* sheet;
        const char* printed;
    };
    const Row rows[] = {
        {"01",
         "Status sheet: firmware I10612, inks 100,100,100,100,100,100,100,100, level 80, "
         "pages 0, cleanings 0"},
        {"02", "Job information sheet: #1 3 Status sheet;"},
        {"04", "Custom paper sheet: #2 Premium Glossy Photo Paper;"},
    };
    std::int64_t atMs = kStart;
    for (const Row& row : rows) {
        Send(Concat({EnterRemote(), Hex(std::string("53 53 02 00 00 ") + row.sheet), ExitRemote(),
                     JobEnd()}),
             atMs);
        EXPECT_EQ(printed_, std::vector<std::string>{row.printed});
        atMs += 30'000;  // each sheet is done before the next arrives
    }
}

TEST_F(PrinterTest, AlignmentValuesAreHeldUntilSavedOrLeftAndTheSensorKeepsWhatItReads) {
    using namespace wire;
    const PrinterState& state = printer_.State();
    Bytes daBlock;  // dot size #2, bi-directional: indexes 0x10-0x17
    for (int r = 0; r < 8; ++r) {
        daBlock = Concat(
            {daBlock, Bytes{0x44, 0x41, 0x04, 0x00, 0x00, 0x00, static_cast<std::uint8_t>(0x10 + r),
                            static_cast<std::uint8_t>(1 + r)}});
    }
    Send(Concat({EnterRemote(), Hex("50 48 02 00 00 05 53 4E 03 00 00 01 02"), daBlock,
                 Hex("44 54 03 00 00 00 82"), ExitRemote(), JobEnd()}));
    EXPECT_EQ(printed_, std::vector<std::string>{"Bi-d pattern #2: 1,2,3,4,5,6,7,8"});
    EXPECT_EQ(state.heldBi.size(), 8u);
    EXPECT_EQ(state.alignmentBi[0x10], 0) << "not saved yet";

    Send(Concat({EnterRemote(), Hex("44 41 04 00 00 10 01 09 53 56 00 00"), ExitRemote()}));
    EXPECT_EQ(state.alignmentBi[0x17], 8) << "held in one job, saved by the next";
    EXPECT_EQ(state.alignmentUni[0x01], 9);
    EXPECT_TRUE(state.heldBi.empty() && state.heldUni.empty());
    Send(Concat({EnterRemote(), Hex("44 41 04 00 00 00 00 07 4C 44 00 00"), ExitRemote()}));
    EXPECT_TRUE(state.heldBi.empty()) << "LD drops what was held";
    EXPECT_EQ(state.alignmentBi[0x00], 0);

    // The automatic alignment reads dot size #3 (indexes 0x21-0x27) at thickness 5, gap 2.
    Send(Concat({EnterRemote(), Hex("50 48 02 00 00 05 53 4E 03 00 00 01 02 44 54 03 00 00 10 03"),
                 ExitRemote(), JobEnd()}),
         kStart + 30'000);
    EXPECT_EQ(ToHex(Bytes(state.alignmentUni.begin() + 0x21, state.alignmentUni.begin() + 0x28)),
              "05060405060405");
    EXPECT_EQ(state.sensorResult, "Uni-d alignment #3 read at thickness 5, gap 2");
}

TEST_F(PrinterTest, WorkMakesThePrinterBusyInProportionToWhatItChecks) {
    using namespace wire;
    EXPECT_EQ(printer_.StatusCode(kStart), 4);
    Send(Concat({EnterRemote(), Hex("43 48 02 00 00 10"), ExitRemote()}));
    Send(
        Concat({EnterRemote(), Hex("50 48 02 00 00 05"), Hex("53 4E 03 00 00 01 02"),
                Hex("44 54 03 00 00 00 01"), Hex("44 54 03 00 00 10 00"), ExitRemote(), JobEnd()}));
    EXPECT_EQ(printer_.StatusCode(kStart + 659'000), 3)
        << "cleaning 60 s, then one pattern and four patterns of 120 s queued";
    printer_.Advance(kStart + 660'000);
    EXPECT_EQ(printer_.StatusCode(kStart + 660'000), 4);
    EXPECT_EQ(printer_.State().inkLevels.front(), 99) << "cleaning uses ink";
    const std::string status = Ask("73 74 01 00 01", kStart + 660'000);
    EXPECT_EQ(status.rfind("@BDC ST2\r\n", 0), 0u);
}

TEST_F(PrinterTest, FirmwareIsCheckedAsThePrinterDoesAndRestartsIt) {
    using namespace wire;
    using Variant = FirmwareFileBuilder::Variant;
    const Bytes header = Hex("1B 7D 01 05 00 61 02 70 8F 38");
    const Bytes padding(16384, 0x11);
    const Bytes good = FirmwareFileBuilder::Build("i20711", 1000);
    struct Row {
        const char* what;
        const char* fault;
        Bytes job;
        bool accepted;
    };
    const Row rows[] = {
        {"padding, header, file", "", Concat({padding, header, good}), true},
        {"header without padding", "", Concat({header, good}), false},
        {"checksum", "",
         Concat({padding, header, FirmwareFileBuilder::Build("I20711", 64, Variant::kBadChecksum)}),
         false},
        {"length field", "",
         Concat({padding, header, FirmwareFileBuilder::Build("I20711", 64, Variant::kBadLength)}),
         false},
        {"version IA", "",
         Concat({padding, header, FirmwareFileBuilder::Build("I20711", 64, Variant::kBadVersion)}),
         false},
        {"31 bytes", "",
         Concat({padding, header, FirmwareFileBuilder::Build("I20711", 64, Variant::kTooShort)}),
         false},
        {"cut short", "", Concat({padding, header, Bytes(good.begin(), good.end() - 3)}), false},
        {"recovery: header first, then the rest of the buffer", "firmware=I00000",
         Concat({header, good, Bytes(16384, 0x00)}), true},
        {"recovery: padding first", "firmware=I00000", Concat({padding, header, good}), false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        printer_ = Printer(Model("ZENTA Corvid 4000"), PrinterState(), WorkDurations());
        SetFaults(row.fault);
        const std::string before = Ask("56 49 02 00 01 00");
        Send(row.job);
        EXPECT_EQ(printer_.Offline(kStart + 59'999), row.accepted);
        EXPECT_EQ(JobInformation(0)[3], row.accepted ? JobRecord::kPrinting : JobRecord::kError);
        printer_.Advance(kStart + 60'000);
        EXPECT_FALSE(printer_.Offline(kStart + 60'000));
        EXPECT_EQ(Ask("56 49 02 00 01 00", kStart + 60'000),
                  row.accepted ? "@BDC PS\r\nVI:00i20711;" : before);
    }
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
        {"53 4E 02 00 01 01", "@BDC PS\r\nSN:010;"},
        {"56 49 02 00 01 00", "@BDC PS\r\nVI:00I10612;"},
        {"4E 43 02 00 00 00", "@BDC PS\r\nNC:00;"},
        {"58 59 00 00", "@BDC PS\r\nXY:NA;"},
        {"45 58 07 00 01 00 00 00 1B 8A 00", "@BDC PS\r\nEX:NA;"},
        {"45 58 07 00 01 00 00 00 1D 00 00", "@BDC PS\r\nEX:NA;"},
        {"4A 49 02 00 01 00", "@BDC PS\r\nJI:0107000501;"},
        {"4E 43 02", "@BDC PS\r\nNA;"},
    };
    for (const Row& row : rows) EXPECT_EQ(Ask(row.command), row.reply) << row.command;
    const Bytes unknown = Data(Ask("45 58 07 00 01 00 00 00 1B 05 00"), "EX:0000001B");
    ASSERT_EQ(unknown.size(), 98u);
    EXPECT_EQ(unknown[19], 2) << "a paper type the printer does not know: the standard gap";
    SetFaults("platen-gap=2\nfirmware=I00000");
    EXPECT_EQ(Ask("53 4E 02 00 01 01"), "@BDC PS\r\nSN:012;");
    EXPECT_EQ(Ask("56 49 02 00 01 00"), "@BDC PS\r\nVI:00I00000;");
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
