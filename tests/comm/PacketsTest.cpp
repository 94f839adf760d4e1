#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "JobBytes.h"
#include "comm/AlignmentPackets.h"
#include "comm/CustomPaperPackets.h"
#include "comm/FirmwarePackets.h"
#include "comm/HeadMaintenance.h"
#include "comm/JobBuffer.h"
#include "comm/MaintenancePackets.h"
#include "comm/QueryPackets.h"
#include "comm/RemotePackets.h"
#include "comm/SamplePrintPackets.h"

namespace {

using Bytes = std::vector<uint8_t>;
using wire::Hex;

TEST(Packets, EveryBuilderWritesItsBytesOrNothingWhenTheRoomIsShort) {
    const auto bi = AlignmentDirection::Bidirectional;
    const auto uni = AlignmentDirection::Unidirectional;
    const std::vector<std::tuple<const char*, std::function<int32_t(std::span<uint8_t>)>, Bytes>>
        rows = {
            {"EnterRemote", AppendEnterRemote, wire::EnterRemote()},
            {"ExitRemote", AppendExitRemote, Hex("1B 00 00 00")},
            {"JobEnd", AppendJobEnd, Hex("0D 0A 0C 1B 40")},
            {"SV", AppendSV, Hex("53 56 00 00")},
            {"LD", AppendLD, Hex("4C 44 00 00")},
            {"SS thickness", AppendSSThickness, Hex("53 53 02 00 00 03")},
            {"SS status", [](auto o) { return AppendSS(o, 1); }, Hex("53 53 02 00 00 01")},
            {"VI job", AppendVI, Hex("56 49 02 00 00 01")},
            {"VI query", AppendVIQuery, Hex("56 49 02 00 01 00")},
            {"NC 7", [](auto o) { return AppendNC(o, 7); }, Hex("4E 43 02 00 00 01")},
            {"NC 0", [](auto o) { return AppendNC(o, 0); }, Hex("4E 43 02 00 00 00")},
            {"CH", AppendCH, Hex("43 48 02 00 00 10")},
            {"PH 300", [](auto o) { return AppendPH(o, 300); }, Hex("50 48 02 00 00 2C")},
            {"SN set", [](auto o) { return AppendSN(o, 3); }, Hex("53 4E 03 00 00 01 03")},
            {"SN query", AppendSNQuery, Hex("53 4E 02 00 01 01")},
            {"EX select", [](auto o) { return AppendEXSelect(o, 7); },
             Hex("45 58 07 00 00 00 00 00 1C 07 00")},
            {"EX detail", [](auto o) { return AppendEXDetailQuery(o, 2); },
             Hex("45 58 07 00 01 00 00 00 1B 02 00")},
            {"EX slot", [](auto o) { return AppendEXSlotQuery(o, 10); },
             Hex("45 58 07 00 01 00 00 00 1D 0A 00")},
            {"JI", [](auto o) { return AppendJIQuery(o, 9); }, Hex("4A 49 02 00 01 09")},
            {"DT auto uni #3", [&](auto o) { return AppendDTAutomatic(o, uni, 3); },
             Hex("44 54 03 00 00 10 03")},
            {"DT auto bi all", [&](auto o) { return AppendDTAutomatic(o, bi, 0); },
             Hex("44 54 03 00 00 00 00")},
            {"DT manual bi #2", [&](auto o) { return AppendDTManual(o, bi, 2); },
             Hex("44 54 03 00 00 00 82")},
            {"DT manual uni #4", [&](auto o) { return AppendDTManual(o, uni, 4); },
             Hex("44 54 03 00 00 10 14")},
            {"EscBar 5", [](auto o) { return AppendEscBar(o, 5); },
             Hex("1B 7C 01 06 00 61 02 E8 17 74 01")},
            {"EscBar 0", [](auto o) { return AppendEscBar(o, 0); },
             Hex("1B 7C 01 06 00 61 02 E8 17 74 00")},
            {"EscBar close", AppendEscBarClose, Hex("1B 7C 01 06 00 61 02 E8 17 74 02")},
            {"EscBrace", AppendEscBrace, Hex("1B 7D 01 05 00 61 02 70 8F 38")},
        };
    for (const auto& [name, build, expected] : rows) {
        SCOPED_TRACE(name);
        Bytes exact(expected.size(), 0xAA);
        EXPECT_EQ(build(exact), static_cast<int32_t>(expected.size()));
        EXPECT_EQ(exact, expected);
        Bytes shortRoom(expected.size() - 1, 0xAA);
        EXPECT_EQ(build(shortRoom), 0);
        EXPECT_EQ(shortRoom, Bytes(expected.size() - 1, 0xAA));
    }
}

TEST(Packets, SlotWriteCarriesTheWholeBody) {
    std::array<uint8_t, kCustomPaperSlotBodyLength> body{};
    for (size_t i = 0; i < body.size(); ++i) body[i] = static_cast<uint8_t>(i + 1);
    Bytes out(107);
    ASSERT_EQ(AppendEXSlotWrite(out, body), 107);
    EXPECT_EQ(out, wire::Concat({Hex("45 58 67 00"), Bytes(body.begin(), body.end())}));
    Bytes tooSmall(106);
    EXPECT_EQ(AppendEXSlotWrite(tooSmall, body), 0);
}

TEST(Packets, DABlockIndexesValuesAndRefusals) {
    const auto bi = AlignmentDirection::Bidirectional;
    const auto uni = AlignmentDirection::Unidirectional;
    const std::vector<int32_t> eight = {1, 2, 3, 4, 5, 0x1FE, -1, 8};
    const std::vector<int32_t> seven = {1, 2, 3, 4, 5, 6, 7};
    // Direction, dot size index, values, room; the indexes of the packets, empty when refused.
    const std::vector<std::tuple<AlignmentDirection, int32_t, std::vector<int32_t>, size_t, Bytes>>
        rows = {
            {bi, 0, eight, 64, Hex("00 01 02 03 04 05 06 07")},
            {bi, 1, eight, 512, Hex("10 11 12 13 14 15 16 17")},
            {uni, 1, seven, 56, Hex("11 12 13 14 15 16 17")},
            {uni, 3, seven, 56, Hex("31 32 33 34 35 36 37")},
            {bi, 0, eight, 63, {}},
            {uni, 0, seven, 55, {}},
            {bi, 0, seven, 64, {}},
            {uni, 0, eight, 64, {}},
            {bi, 4, eight, 64, {}},
        };
    for (const auto& [direction, dotSizeIndex, values, room, indexes] : rows) {
        SCOPED_TRACE(testing::Message()
                     << values.size() << " values, index " << dotSizeIndex << ", room " << room);
        Bytes out(room, 0xAA);
        const DABlockWritten written = AppendDABlock(out, direction, dotSizeIndex, values);
        EXPECT_EQ(written.values, static_cast<int32_t>(indexes.size()));
        EXPECT_EQ(written.bytes, written.values * 8);
        Bytes expected(room, 0xAA);
        for (size_t i = 0; i < indexes.size(); ++i) {
            const Bytes packet = {0x44,       0x41,
                                  0x04,       0x00,
                                  0x00,       static_cast<uint8_t>(direction),
                                  indexes[i], static_cast<uint8_t>(values[i] & 0xFF)};
            std::copy(packet.begin(), packet.end(), expected.begin() + static_cast<long>(i * 8));
        }
        EXPECT_EQ(out, expected);
    }
}

TEST(Packets, HeadMaintenanceJobsFillAFixedZeroFilledBuffer) {
    const JobBuffer cleaning = HeadCleaningJob();
    EXPECT_EQ(Bytes(cleaning.Bytes().begin(), cleaning.Bytes().end()), wire::CleaningJob());
    const JobBuffer check = NozzleCheckJob();
    EXPECT_EQ(Bytes(check.Bytes().begin(), check.Bytes().end()), wire::NozzleCheckJob());

    // A job that does not fit stops growing; what was written stays intact.
    for (const auto& [room, length] : {std::pair{20, 19}, {15, 15}, {23, 23}}) {
        JobBuffer job(room);
        job.Advance(AppendEnterRemote(job.Rest()));
        job.Advance(AppendExitRemote(job.Rest()));
        job.Advance(AppendExitRemote(job.Rest()));
        EXPECT_EQ(job.Length(), length) << room;
    }
}

}  // namespace
