#include <gtest/gtest.h>

#include <functional>

#include "JobBytes.h"
#include "config/MediaTable.h"
#include "maintenance/AlignmentJobs.h"
#include "maintenance/AlignmentMedia.h"
#include "maintenance/PlatenGapTable.h"

namespace {

using Bytes = std::vector<uint8_t>;
constexpr auto kBi = AlignmentDirection::Bidirectional;
constexpr auto kUni = AlignmentDirection::Unidirectional;
const Bytes kEnter = wire::EnterRemote(), kExit = wire::ExitRemote(), kJobEnd = wire::JobEnd();
using wire::Concat;

// EnterRemote, PH, SN set.
Bytes Opening(uint8_t thickness, uint8_t gap) {
    return Concat({kEnter,
                   {0x50, 0x48, 0x02, 0x00, 0x00, thickness},
                   {0x53, 0x4E, 0x03, 0x00, 0x00, 0x01, gap}});
}
Bytes DT(uint8_t direction, uint8_t n) {
    return {0x44, 0x54, 0x03, 0x00, 0x00, direction, n};
}
// One DA packet per value, indexes counting up from `first`.
Bytes DA(uint8_t direction, uint8_t first, const std::vector<int32_t>& values) {
    Bytes block;
    for (size_t i = 0; i < values.size(); ++i)
        block = Concat({block,
                        {0x44, 0x41, 0x04, 0x00, 0x00, direction, static_cast<uint8_t>(first + i),
                         static_cast<uint8_t>(values[i])}});
    return block;
}

TEST(AlignmentJobsTest, JobsCarryTheCheckedDotSizesInOrder) {
    const std::vector<int32_t> row2 = {1, 2, 3, 4, 6, 7, 8, 9}, five8(8, 5), five7(7, 5);
    const AlignmentValues bi = {five8, row2, five8, five8}, uni = {five7, five7, five7, five7};
    auto untimed = [](JobBuffer job) { return TimedJob{std::move(job)}; };
    struct Row {
        const char* name;
        std::function<TimedJob()> build;
        Bytes expected;
        int32_t timeLimitMs;
    };
    const std::vector<Row> rows = {
        {"automatic bi-d #1 and #3: a DT each, limits summed",
         [] {
             return AutomaticAlignmentJob(kBi, 5, 3, {true, false, true, false});
         },
         Concat({Opening(5, 3), DT(0x00, 1), DT(0x00, 3), kExit, kJobEnd}), 690000},
        {"automatic uni-d, all four: one DT n = 0",
         [] {
             return AutomaticAlignmentJob(kUni, 2, 0, {true, true, true, true});
         },
         Concat({Opening(2, 0), DT(0x10, 0), kExit, kJobEnd}), 840000},
        {"automatic uni-d #2 and #4 at 30.0 mm: the low byte",
         [] {
             return AutomaticAlignmentJob(kUni, 300, 4, {false, true, false, true});
         },
         Concat({Opening(0x2C, 4), DT(0x10, 2), DT(0x10, 4), kExit, kJobEnd}), 490000},
        {"nozzle check read by the sensor", [] { return SensorNozzleCheckJob(); },
         Concat({kEnter, {0x4E, 0x43, 0x02, 0x00, 0x00, 0x01}, kExit, kJobEnd}), 1500000},
        {"bi-d patterns #2 and #4: the values, then the patterns",
         [&] {
             return untimed(AlignmentPatternJob(kBi, 5, 3, {false, true, false, true}, bi));
         },
         Concat({Opening(5, 3), DA(0x00, 0x10, row2), DA(0x00, 0x30, five8), DT(0x00, 0x82),
                 DT(0x00, 0x84), kExit, kJobEnd}),
         0},
        {"uni-d pattern #1",
         [&] {
             return untimed(AlignmentPatternJob(kUni, 4, 2, {true, false, false, false}, uni));
         },
         Concat({Opening(4, 2), DA(0x10, 0x01, five7), DT(0x10, 0x11), kExit, kJobEnd}), 0},
        {"bi-d save of #2: the values and SV, nothing printed",
         [&] {
             return untimed(AlignmentSaveJob(kBi, 5, 3, {false, true, false, false}, bi));
         },
         Concat({Opening(5, 3), DA(0x00, 0x10, row2), {0x53, 0x56, 0x00, 0x00}, kExit}), 0},
        {"leaving drops the held values", [&] { return untimed(AlignmentLeaveJob()); },
         Concat({kEnter, {0x4C, 0x44, 0x00, 0x00}, kExit}), 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const TimedJob timed = row.build();
        EXPECT_EQ(Bytes(timed.job.Bytes().begin(), timed.job.Bytes().end()), row.expected);
        EXPECT_EQ(timed.timeLimitMs, row.timeLimitMs);
    }
}

TEST(PlatenGapTableTest, ThinnerPaperOffersNarrowerGaps) {
    struct Row {
        int32_t thickness;
        bool mediaChosen;
        int32_t previous;              // the entry selected before; -1: the thickness was empty
        std::vector<int32_t> offsets;  // of the texts listed, which are also the gap codes sent
        int32_t selected;
    };
    const std::vector<Row> rows = {
        {2, false, -1, {1, 2, 3, 4}, 2},                          // the standard gap
        {3, false, 3, {1, 2, 3}, 2},                              // the choice kept within the list
        {6, false, 1, {1, 2, 3}, 1},     {7, false, -1, {1}, 0},  // no standard gap: the first
        {5, true, -1, {0, 1, 2, 3}, 0},                           // the media's own gap
        {16, true, 1, {0, 1}, 1},
    };
    for (const Row& row : rows) {
        const std::vector<PlatenGapEntry> entries =
            PlatenGapEntries(row.thickness, row.mediaChosen);
        std::vector<int32_t> offsets;
        for (const PlatenGapEntry& entry : entries) {
            offsets.push_back(entry.textOffset);
            EXPECT_EQ(GapCodeOfIndex(entry.index), entry.textOffset);
        }
        EXPECT_EQ(offsets, row.offsets) << row.thickness;
        EXPECT_EQ(PlatenGapSelection(entries, std::max(row.previous, 0), row.previous < 0,
                                     row.mediaChosen),
                  row.selected)
            << row.thickness;
    }
    EXPECT_EQ(GapCodeOfIndex(5), 0);
}

TEST(AlignmentMediaTest, GreyingAndStartFollowPaperSourceAndMarks) {
    auto media = [](int32_t id, int32_t variant, int32_t variantMark, int32_t mark) {
        return MediaRecord{.mediaId = id,
                           .mediaCode = 1,
                           .variant = variant,
                           .variantMarkFlag = variantMark,
                           .markFlag = mark};
    };
    // 10: its cut-sheet variant is marked; 16: marked itself.
    const MediaTable table({media(10, 0, 0, 0), media(10, 1, 1, 0), media(16, 0, 0, 1)});
    struct Row {
        int32_t id;
        bool cutSheet, markGreys, greyed, usable;
    };
    for (const Row& row : std::vector<Row>{{10, true, true, true, false},
                                           {10, false, true, false, true},
                                           {16, false, true, true, true},
                                           {16, true, false, false, true}}) {
        SCOPED_TRACE(row.id * 100 + row.cutSheet * 10 + row.markGreys);
        EXPECT_EQ(IsMediaGreyed(table, row.id, row.cutSheet, row.markGreys), row.greyed);
        EXPECT_EQ(IsMediaSelectionUsable(table, 1, row.id, row.cutSheet), row.usable);
    }
    EXPECT_TRUE(IsMediaSelectionUsable(table, 0, 0, true));
}

}  // namespace
