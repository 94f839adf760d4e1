#include <gtest/gtest.h>

#include <functional>

#include "config/MediaTable.h"
#include "maintenance/AlignmentJobs.h"
#include "maintenance/AlignmentMedia.h"

namespace {

using Bytes = std::vector<uint8_t>;
constexpr auto kBi = AlignmentDirection::Bidirectional;
constexpr auto kUni = AlignmentDirection::Unidirectional;
const Bytes kEnter = {0x1B, 0x40, 0x1B, 0x28, 0x52, 0x08, 0x00, 0x00,
                      0x52, 0x45, 0x4D, 0x4F, 0x54, 0x45, 0x31};
const Bytes kExit = {0x1B, 0x00, 0x00, 0x00};
const Bytes kJobEnd = {0x0D, 0x0A, 0x0C, 0x1B, 0x40};

Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}
// EnterRemote, PH, SN set.
Bytes Opening(uint8_t thickness, uint8_t gap) {
    return Join({kEnter,
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
        block = Join({block,
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
         Join({Opening(5, 3), DT(0x00, 1), DT(0x00, 3), kExit, kJobEnd}), 690000},
        {"automatic uni-d, all four: one DT n = 0",
         [] {
             return AutomaticAlignmentJob(kUni, 2, 0, {true, true, true, true});
         },
         Join({Opening(2, 0), DT(0x10, 0), kExit, kJobEnd}), 840000},
        {"automatic uni-d #2 and #4 at 30.0 mm: the low byte",
         [] {
             return AutomaticAlignmentJob(kUni, 300, 4, {false, true, false, true});
         },
         Join({Opening(0x2C, 4), DT(0x10, 2), DT(0x10, 4), kExit, kJobEnd}), 490000},
        {"nozzle check read by the sensor", [] { return SensorNozzleCheckJob(); },
         Join({kEnter, {0x4E, 0x43, 0x02, 0x00, 0x00, 0x01}, kExit, kJobEnd}), 1500000},
        {"bi-d patterns #2 and #4: the values, then the patterns",
         [&] {
             return untimed(AlignmentPatternJob(kBi, 5, 3, {false, true, false, true}, bi));
         },
         Join({Opening(5, 3), DA(0x00, 0x10, row2), DA(0x00, 0x30, five8), DT(0x00, 0x82),
               DT(0x00, 0x84), kExit, kJobEnd}),
         0},
        {"uni-d pattern #1",
         [&] {
             return untimed(AlignmentPatternJob(kUni, 4, 2, {true, false, false, false}, uni));
         },
         Join({Opening(4, 2), DA(0x10, 0x01, five7), DT(0x10, 0x11), kExit, kJobEnd}), 0},
        {"bi-d save of #2: the values and SV, nothing printed",
         [&] {
             return untimed(AlignmentSaveJob(kBi, 5, 3, {false, true, false, false}, bi));
         },
         Join({Opening(5, 3), DA(0x00, 0x10, row2), {0x53, 0x56, 0x00, 0x00}, kExit}), 0},
        {"leaving drops the held values", [&] { return untimed(AlignmentLeaveJob()); },
         Join({kEnter, {0x4C, 0x44, 0x00, 0x00}, kExit}), 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const TimedJob timed = row.build();
        EXPECT_EQ(Bytes(timed.job.Bytes().begin(), timed.job.Bytes().end()), row.expected);
        EXPECT_EQ(timed.timeLimitMs, row.timeLimitMs);
    }
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
