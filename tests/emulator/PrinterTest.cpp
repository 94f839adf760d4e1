#include <gtest/gtest.h>

#include "ChannelResponder.h"
#include "JobBytes.h"

namespace {

constexpr std::int64_t kStart = 1'800'000'000'000;

PrinterModel Model(const char* name) {
    PrinterModel model;
    PrinterModel::ForName(name, model);
    return model;
}

}  // namespace

TEST(Printer, StatusBlockTellsTheModelsApartAndCarriesTheFaults) {
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

TEST(Printer, ChannelRepliesToQueriesAndActions) {
    Printer printer(Model("ZENTA Corvid 4000"), PrinterState(), WorkDurations());
    JobRecord shortRecord;
    shortRecord.number = 7;
    shortRecord.state = JobRecord::kPaused;
    shortRecord.length = 5;
    printer.Edit().jobs.push_back(shortRecord);
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
    ChannelResponder responder(printer);
    for (const Row& row : rows) {
        const Bytes command = wire::Hex(row.command);
        std::string note;
        const Bytes reply = responder.Answer(command.data(), command.size(), kStart, note);
        EXPECT_EQ(std::string(reply.begin(), reply.end()), row.reply) << row.command;
    }
}
