#include <gtest/gtest.h>

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

// The bytes of a job and its time limit.
std::pair<Bytes, int32_t> Of(const JobBuffer& job, int32_t timeLimitMs = 0) {
    return {Bytes(job.Bytes().begin(), job.Bytes().end()), timeLimitMs};
}
std::pair<Bytes, int32_t> Of(const TimedJob& timed) {
    return Of(timed.job, timed.timeLimitMs);
}

// The automatic job for #1 and #3 is the end-to-end test's, byte for byte.
TEST(AlignmentJobsTest, JobsCarryTheCheckedDotSizesInOrder) {
    const std::vector<int32_t> row2 = {1, 2, 3, 4, 6, 7, 8, 9}, five8(8, 5), five7(7, 5);
    const AlignmentValues bi = {five8, row2, five8, five8}, uni = {five7, five7, five7, five7};
    const std::vector<std::tuple<const char*, std::pair<Bytes, int32_t>, Bytes, int32_t>> rows = {
        {"automatic uni-d, all four: one DT n = 0",
         Of(AutomaticAlignmentJob(kUni, 2, 0, {true, true, true, true})),
         Concat({Opening(2, 0), DT(0x10, 0), kExit, kJobEnd}), 840000},
        {"automatic uni-d #2 and #4 at 30.0 mm: the low byte, limits summed",
         Of(AutomaticAlignmentJob(kUni, 300, 4, {false, true, false, true})),
         Concat({Opening(0x2C, 4), DT(0x10, 2), DT(0x10, 4), kExit, kJobEnd}), 490000},
        {"nozzle check read by the sensor", Of(SensorNozzleCheckJob()),
         Concat({kEnter, {0x4E, 0x43, 0x02, 0x00, 0x00, 0x01}, kExit, kJobEnd}), 1500000},
        {"bi-d patterns #2 and #4: the values, then the patterns",
         Of(AlignmentPatternJob(kBi, 5, 3, {false, true, false, true}, bi)),
         Concat({Opening(5, 3), DA(0x00, 0x10, row2), DA(0x00, 0x30, five8), DT(0x00, 0x82),
                 DT(0x00, 0x84), kExit, kJobEnd}),
         0},
        {"uni-d pattern #1", Of(AlignmentPatternJob(kUni, 4, 2, {true, false, false, false}, uni)),
         Concat({Opening(4, 2), DA(0x10, 0x01, five7), DT(0x10, 0x11), kExit, kJobEnd}), 0},
        {"bi-d save of #2: the values and SV, nothing printed",
         Of(AlignmentSaveJob(kBi, 5, 3, {false, true, false, false}, bi)),
         Concat({Opening(5, 3), DA(0x00, 0x10, row2), {0x53, 0x56, 0x00, 0x00}, kExit}), 0},
        {"leaving drops the held values", Of(AlignmentLeaveJob()),
         Concat({kEnter, {0x4C, 0x44, 0x00, 0x00}, kExit}), 0},
    };
    for (const auto& [name, built, expected, timeLimitMs] : rows) {
        EXPECT_EQ(built.first, expected) << name;
        EXPECT_EQ(built.second, timeLimitMs) << name;
    }
}

TEST(PlatenGapTableTest, ThinnerPaperOffersNarrowerGaps) {
    // thickness, media chosen, entry selected before (-1: the thickness was empty), offsets of
    // the texts listed (which are also the gap codes sent), entry selected
    const std::vector<std::tuple<int32_t, bool, int32_t, std::vector<int32_t>, int32_t>> rows = {
        {2, false, -1, {1, 2, 3, 4}, 2},                          // the standard gap
        {3, false, 3, {1, 2, 3}, 2},                              // the choice kept within the list
        {6, false, 1, {1, 2, 3}, 1},     {7, false, -1, {1}, 0},  // no standard gap: the first
        {5, true, -1, {0, 1, 2, 3}, 0},                           // the media's own gap
        {16, true, 1, {0, 1}, 1},
    };
    for (const auto& [thickness, mediaChosen, previous, expected, selected] : rows) {
        const std::vector<PlatenGapEntry> entries = PlatenGapEntries(thickness, mediaChosen);
        std::vector<int32_t> offsets;
        for (const PlatenGapEntry& entry : entries) {
            offsets.push_back(entry.textOffset);
            EXPECT_EQ(GapCodeOfIndex(entry.index), entry.textOffset);
        }
        EXPECT_EQ(offsets, expected) << thickness;
        EXPECT_EQ(PlatenGapSelection(entries, std::max(previous, 0), previous < 0, mediaChosen),
                  selected)
            << thickness;
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
    // id, cut sheet, marks grey, greyed, usable
    for (const auto& [id, cutSheet, markGreys, greyed, usable] :
         std::vector<std::tuple<int32_t, bool, bool, bool, bool>>{{10, true, true, true, false},
                                                                  {10, false, true, false, true},
                                                                  {16, false, true, true, true},
                                                                  {16, true, false, false, true}}) {
        SCOPED_TRACE(id * 100 + cutSheet * 10 + markGreys);
        EXPECT_EQ(IsMediaGreyed(table, id, cutSheet, markGreys), greyed);
        EXPECT_EQ(IsMediaSelectionUsable(table, 1, id, cutSheet), usable);
    }
    EXPECT_TRUE(IsMediaSelectionUsable(table, 0, 0, true));
}

}  // namespace
