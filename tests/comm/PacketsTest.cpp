#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "comm/AlignmentPackets.h"
#include "comm/CustomPaperPackets.h"
#include "comm/FirmwarePackets.h"
#include "comm/JobBuffer.h"
#include "comm/MaintenancePackets.h"
#include "comm/QueryPackets.h"
#include "comm/RemotePackets.h"
#include "comm/SamplePrintPackets.h"

namespace {

using Bytes = std::vector<uint8_t>;
using Builder = std::function<int32_t(std::span<uint8_t>)>;

struct PacketRow {
    const char* name;
    Builder build;
    Bytes expected;
};

std::vector<PacketRow> Catalogue() {
    const auto d = AlignmentDirection::Bidirectional;
    const auto u = AlignmentDirection::Unidirectional;
    return {
        {"EnterRemote",
         AppendEnterRemote,
         {0x1B, 0x40, 0x1B, 0x28, 0x52, 0x08, 0x00, 0x00, 0x52, 0x45, 0x4D, 0x4F, 0x54, 0x45,
          0x31}},
        {"ExitRemote", AppendExitRemote, {0x1B, 0x00, 0x00, 0x00}},
        {"JobEnd", AppendJobEnd, {0x0D, 0x0A, 0x0C, 0x1B, 0x40}},
        {"SV", AppendSV, {0x53, 0x56, 0x00, 0x00}},
        {"LD", AppendLD, {0x4C, 0x44, 0x00, 0x00}},
        {"SS thickness", AppendSSThickness, {0x53, 0x53, 0x02, 0x00, 0x00, 0x03}},
        {"SS status", [](auto o) { return AppendSS(o, 1); }, {0x53, 0x53, 0x02, 0x00, 0x00, 0x01}},
        {"VI job", AppendVI, {0x56, 0x49, 0x02, 0x00, 0x00, 0x01}},
        {"VI query", AppendVIQuery, {0x56, 0x49, 0x02, 0x00, 0x01, 0x00}},
        {"NC 7", [](auto o) { return AppendNC(o, 7); }, {0x4E, 0x43, 0x02, 0x00, 0x00, 0x01}},
        {"NC 0", [](auto o) { return AppendNC(o, 0); }, {0x4E, 0x43, 0x02, 0x00, 0x00, 0x00}},
        {"CH", AppendCH, {0x43, 0x48, 0x02, 0x00, 0x00, 0x10}},
        {"PH 300", [](auto o) { return AppendPH(o, 300); }, {0x50, 0x48, 0x02, 0x00, 0x00, 0x2C}},
        {"SN set",
         [](auto o) { return AppendSN(o, 3); },
         {0x53, 0x4E, 0x03, 0x00, 0x00, 0x01, 0x03}},
        {"SN query", AppendSNQuery, {0x53, 0x4E, 0x02, 0x00, 0x01, 0x01}},
        {"EX select",
         [](auto o) { return AppendEXSelect(o, 7); },
         {0x45, 0x58, 0x07, 0x00, 0x00, 0x00, 0x00, 0x00, 0x1C, 0x07, 0x00}},
        {"EX detail",
         [](auto o) { return AppendEXDetailQuery(o, 2); },
         {0x45, 0x58, 0x07, 0x00, 0x01, 0x00, 0x00, 0x00, 0x1B, 0x02, 0x00}},
        {"EX slot",
         [](auto o) { return AppendEXSlotQuery(o, 10); },
         {0x45, 0x58, 0x07, 0x00, 0x01, 0x00, 0x00, 0x00, 0x1D, 0x0A, 0x00}},
        {"JI", [](auto o) { return AppendJIQuery(o, 9); }, {0x4A, 0x49, 0x02, 0x00, 0x01, 0x09}},
        {"DT auto uni #3",
         [u](auto o) { return AppendDTAutomatic(o, u, 3); },
         {0x44, 0x54, 0x03, 0x00, 0x00, 0x10, 0x03}},
        {"DT auto bi all",
         [d](auto o) { return AppendDTAutomatic(o, d, 0); },
         {0x44, 0x54, 0x03, 0x00, 0x00, 0x00, 0x00}},
        {"DT manual bi #2",
         [d](auto o) { return AppendDTManual(o, d, 2); },
         {0x44, 0x54, 0x03, 0x00, 0x00, 0x00, 0x82}},
        {"DT manual uni #4",
         [u](auto o) { return AppendDTManual(o, u, 4); },
         {0x44, 0x54, 0x03, 0x00, 0x00, 0x10, 0x14}},
        {"EscBar 5",
         [](auto o) { return AppendEscBar(o, 5); },
         {0x1B, 0x7C, 0x01, 0x06, 0x00, 0x61, 0x02, 0xE8, 0x17, 0x74, 0x01}},
        {"EscBar 0",
         [](auto o) { return AppendEscBar(o, 0); },
         {0x1B, 0x7C, 0x01, 0x06, 0x00, 0x61, 0x02, 0xE8, 0x17, 0x74, 0x00}},
        {"EscBar close",
         AppendEscBarClose,
         {0x1B, 0x7C, 0x01, 0x06, 0x00, 0x61, 0x02, 0xE8, 0x17, 0x74, 0x02}},
        {"EscBrace", AppendEscBrace, {0x1B, 0x7D, 0x01, 0x05, 0x00, 0x61, 0x02, 0x70, 0x8F, 0x38}},
    };
}

TEST(Packets, EveryBuilderWritesItsBytesOrNothingWhenTheRoomIsShort) {
    for (const PacketRow& row : Catalogue()) {
        SCOPED_TRACE(row.name);
        Bytes exact(row.expected.size(), 0xAA);
        EXPECT_EQ(row.build(exact), static_cast<int32_t>(row.expected.size()));
        EXPECT_EQ(exact, row.expected);

        Bytes shortRoom(row.expected.size() - 1, 0xAA);
        EXPECT_EQ(row.build(shortRoom), 0);
        EXPECT_EQ(shortRoom, Bytes(row.expected.size() - 1, 0xAA));
    }
}

TEST(Packets, SlotWriteCarriesTheWholeBody) {
    std::array<uint8_t, kCustomPaperSlotBodyLength> body{};
    for (size_t i = 0; i < body.size(); ++i) body[i] = static_cast<uint8_t>(i + 1);
    Bytes out(107);
    ASSERT_EQ(AppendEXSlotWrite(out, body), 107);
    EXPECT_EQ(Bytes(out.begin(), out.begin() + 4), (Bytes{0x45, 0x58, 0x67, 0x00}));
    EXPECT_EQ(Bytes(out.begin() + 4, out.end()), Bytes(body.begin(), body.end()));
    Bytes tooSmall(106);
    EXPECT_EQ(AppendEXSlotWrite(tooSmall, body), 0);
}

TEST(Packets, DABlockIndexesValuesAndRefusals) {
    struct Row {
        const char* name;
        AlignmentDirection direction;
        int32_t dotSizeIndex;
        std::vector<int32_t> values;
        size_t room;
        int32_t expectedValues;
        std::vector<uint8_t> expectedIndexes;
    };
    const auto bi = AlignmentDirection::Bidirectional;
    const auto uni = AlignmentDirection::Unidirectional;
    const std::vector<int32_t> eight = {1, 2, 3, 4, 5, 0x1FE, -1, 8};
    const std::vector<int32_t> seven = {1, 2, 3, 4, 5, 6, 7};
    const std::vector<Row> rows = {
        {"bi #1", bi, 0, eight, 64, 8, {0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07}},
        {"bi #2", bi, 1, eight, 512, 8, {0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17}},
        {"uni #2", uni, 1, seven, 56, 7, {0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17}},
        {"uni #4", uni, 3, seven, 56, 7, {0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37}},
        {"bi room 63", bi, 0, eight, 63, 0, {}},
        {"uni room 55", uni, 0, seven, 55, 0, {}},
        {"bi with 7 values", bi, 0, seven, 64, 0, {}},
        {"uni with 8 values", uni, 0, eight, 64, 0, {}},
        {"dot size index 4", bi, 4, eight, 64, 0, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Bytes out(row.room, 0xAA);
        const DABlockWritten written =
            AppendDABlock(out, row.direction, row.dotSizeIndex, row.values);
        EXPECT_EQ(written.values, row.expectedValues);
        EXPECT_EQ(written.bytes, row.expectedValues * 8);
        if (row.expectedValues == 0) {
            EXPECT_EQ(out, Bytes(row.room, 0xAA));
            continue;
        }
        for (int32_t i = 0; i < written.values; ++i) {
            const Bytes packet(out.begin() + i * 8, out.begin() + i * 8 + 8);
            const Bytes expected = {
                0x44,
                0x41,
                0x04,
                0x00,
                0x00,
                static_cast<uint8_t>(row.direction),
                row.expectedIndexes[static_cast<size_t>(i)],
                static_cast<uint8_t>(row.values[static_cast<size_t>(i)] & 0xFF)};
            EXPECT_EQ(packet, expected) << "value " << i;
        }
    }
}

TEST(Packets, JobsAssembleInAFixedZeroFilledBuffer) {
    JobBuffer cleaning(128);
    cleaning.Advance(AppendEnterRemote(cleaning.Rest()));
    cleaning.Advance(AppendCH(cleaning.Rest()));
    cleaning.Advance(AppendExitRemote(cleaning.Rest()));
    EXPECT_EQ(cleaning.Length(), 25);
    EXPECT_EQ(Bytes(cleaning.Bytes().begin(), cleaning.Bytes().end()),
              (Bytes{0x1B, 0x40, 0x1B, 0x28, 0x52, 0x08, 0x00, 0x00, 0x52, 0x45, 0x4D, 0x4F, 0x54,
                     0x45, 0x31, 0x43, 0x48, 0x02, 0x00, 0x00, 0x10, 0x1B, 0x00, 0x00, 0x00}));

    // A job that does not fit stops growing; what was written stays intact.
    JobBuffer tiny(20);
    tiny.Advance(AppendEnterRemote(tiny.Rest()));
    tiny.Advance(AppendCH(tiny.Rest()));
    tiny.Advance(AppendExitRemote(tiny.Rest()));
    EXPECT_EQ(tiny.Length(), 19);
    EXPECT_EQ(tiny.Rest().size(), 1u);

    JobBuffer room14(14);
    room14.Advance(AppendEnterRemote(room14.Rest()));
    EXPECT_EQ(room14.Length(), 0);
    JobBuffer room15(15);
    room15.Advance(AppendEnterRemote(room15.Rest()));
    EXPECT_EQ(room15.Length(), 15);
}

}  // namespace
