#include <gtest/gtest.h>

#include "ScriptedProgress.h"
#include "SubstituteSpooler.h"
#include "TempFolder.h"
#include "VirtualClock.h"
#include "config/TextCatalog.h"
#include "sampleprint/FeedSamplePoints.h"
#include "sampleprint/SampleGrouping.h"
#include "sampleprint/SampleImage.h"
#include "sampleprint/SampleLabels.h"
#include "sampleprint/SpooledJobWait.h"

namespace {

const TextCatalog kTexts(SERVATO_SOURCE_DIR "/settings");
const TextLookup kLoadText = [](int32_t id) { return kTexts.LoadText(id); };

// A value outside its choices names nothing: the call page's detail texts show it.
TEST(SampleLabelsTest, EverySettingNamedWithItsValueAndNoneHighlighted) {
    // name, media id, paper type, option, feed, drying, thickness, suction, cut, platen, roller
    const CustomPaperSlot slot{"", 0, 0, 0, -12, 25, 4, -2, 1, 3, 2};
    CustomPaperFileEntry entry{.mode = 3, .density = -50, .forward = 70, .dryTime = 50};
    std::tie(entry.paperThick, entry.paperDraw, entry.paperCut, entry.platen, entry.roller) =
        std::tuple(16, -4, 3, 1, 0);
    const std::vector<std::pair<SampleLabels, std::vector<std::string>>> rows = {
        {BuildSlotLabels(slot, "Canvas", kLoadText),
         {"Media type=Canvas,", "Paper thickness=4,", "Platen gap=" + kLoadText(30133) + ",",
          "Paper feed adjustment=-12,", "Drying time=25,", "Cut method=Thin paper,",
          "Roller type=Light,", "Paper suction=-2"}},
        {BuildFileEntryLabels(entry, "Film", kLoadText),
         {"Media type=Film,", "Paper thickness=16,", "Platen gap=" + kLoadText(50131) + ",",
          "Print quality=Fine (1440 x 720 dpi),", "Color density=-50,", "Paper feed adjustment=70,",
          "Drying time=50,", "Cut method=Thick paper, slow,", "Roller type=Auto,",
          "Paper suction=-4"}},
    };
    for (const auto& [labels, expected] : rows) {
        EXPECT_EQ(labels.texts, expected);
        EXPECT_EQ(labels.JobName(), "");
    }
}

// The jobs of a run of `samples` pages: a grouping command's value, or P for a page's PDF job.
std::string RunJobs(int32_t paperSourceKind, int32_t groupSize, int32_t samples) {
    const SampleGrouping grouping(paperSourceKind, groupSize, samples);
    std::string jobs;
    for (int32_t p = 1; p <= samples; ++p) {
        if (const auto command = grouping.Before(p)) jobs += char('0' + *command);
        jobs += 'P';
    }
    return grouping.ClosesRun() ? jobs + char('0' + SampleGrouping::kRunEnds) : jobs;
}

TEST(SampleGroupingTest, CommandsAroundThePagesOfARun) {
    for (uint8_t value : {0, 1, 2}) {
        const JobBuffer job = GroupingJob(value);
        EXPECT_EQ(std::vector<uint8_t>(job.Bytes().begin(), job.Bytes().end()),
                  (std::vector<uint8_t>{0x1B, 0x7C, 0x01, 0x06, 0x00, 0x61, 0x02, 0xE8, 0x17, 0x74,
                                        value}));
    }
    // paper source kind, paper length, samples, the jobs
    const std::tuple<int32_t, int32_t, int32_t, const char*> rows[] = {
        {2, 2970, 3, "1P0PP2"},                            // two to a sheet
        {3, 4000, 5, "1PP0P1P0P2"},                        // three to a board
        {2, 2970, 1, "P2"},         {2, 2599, 3, "PPP2"},  // too short for two
        {1, 0, 3, "PPP"},                                  // the roll
    };
    for (const auto& [kind, length, samples, jobs] : rows)
        EXPECT_EQ(RunJobs(kind, SampleGrouping::GroupSizeFor(length), samples), jobs) << length;
}

TEST(FeedSamplePointsTest, UpToFivePointsFromTheSmallerLimit) {
    // the two limits, the points, their text
    const std::tuple<int32_t, int32_t, std::vector<int32_t>, std::string> rows[] = {
        {10, 10, {10}, "10"},
        {-70, -67, {-70, -69, -68, -67}, "-70, -69, -68, -67"},
        {30, -30, {-30, -15, 0, 15, 30}, "-30, -15, 0, 15, 30"},
        {-3, 2, {-3, -2, -1, 0, 2}, "-3, -2, -1, 0, 2"},
        {-70, 70, {-70, -35, 0, 35, 70}, "-70, -35, 0, 35, 70"},
    };
    for (const auto& [first, second, points, text] : rows) {
        EXPECT_EQ(FeedSamplePoints(first, second), points) << first << ".." << second;
        EXPECT_EQ(FeedSamplePointsText(points), text);
    }
}

// The headers of a bitmap file: width, height, bit depth, compression; 54 bytes.
std::string Headers(int32_t width, int32_t height, uint16_t bits = 24, uint32_t compression = 0) {
    std::string bytes(54, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    // offset, value, size
    const uint32_t fields[][3] = {
        {10, 54, 4}, {14, 40, 4},   {18, uint32_t(width), 4}, {22, uint32_t(height), 4},
        {26, 1, 2},  {28, bits, 2}, {30, compression, 4}};
    for (const auto& [at, value, size] : fields)
        for (size_t i = 0; i < size; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
    return bytes;
}

TEST(SampleImageTest, UsableOnlyWhenWhole24BitAndOfTheSampleSize) {
    TempFolder folder;
    const size_t rows4060 = 12180u * 1190u;
    const std::tuple<const char*, std::string, int32_t> rows[] = {
        {"the sample size", Headers(4060, 1190) + std::string(rows4060, '\x7F'), 0},
        {"one byte short", Headers(4060, 1190) + std::string(rows4060 - 1, '\x7F'), -2},
        {"headers cut off", Headers(4060, 1190).substr(0, 53), -2},
        {"no bitmap", "PK" + Headers(4060, 1190).substr(2) + std::string(rows4060, '\0'), -2},
        {"pixels inside the headers", Headers(10, 10).replace(10, 1, "\x20"), -2},
        {"another height", Headers(4060, 1189) + std::string(12180u * 1189u, '\0'), -1},
        {"top row first", Headers(4060, -1190) + std::string(rows4060, '\0'), -1},
        {"32-bit", Headers(4060, 1190, 32) + std::string(16240u * 1190u, '\0'), -1},
        {"compressed", Headers(4060, 1190, 24, 1) + std::string(rows4060, '\0'), -1},
        {"huge claimed size", Headers(0x7FFFFFFF, 0x7FFFFFFF), -2},
    };
    for (const auto& [name, content, expected] : rows)
        EXPECT_EQ(CheckSampleImage(folder.Write("image.bmp", content)), expected) << name;
    EXPECT_EQ(CheckSampleImage(folder.Path() + "/missing.bmp"), -2);
    EXPECT_EQ(CheckSampleImage(folder.Path()), -2) << "a folder";
    EXPECT_EQ(CheckSampleImage(SampleImagePath(SERVATO_BIN_DIR)), 0) << "the standard image";
}

TEST(SpooledJobWaitTest, EndsWhenTheJobIsQueuedOrTheQueueSaysItWillNotBe) {
    // name, jobs queued, cancel at poll, result, when it ends
    const std::tuple<const char*, std::vector<std::string>, int, int32_t, int64_t> rows[] = {
        {"the job is queued", {"Other", "Feed=10,"}, -1, 1, 0},
        {"the queue stays empty", {}, -1, 0, 60500},
        {"only other jobs stay", {"Other"}, -1, 0, 120500},
        {"cancelled meanwhile", {}, 3, 0, 1000},
    };
    for (const auto& [name, queued, cancelAtPoll, expected, endsAfterMs] : rows) {
        SubstituteSpooler spooler;
        spooler.activeJobs = queued;
        VirtualClock clock;
        ScriptedProgress progress(clock, INT32_MAX, cancelAtPoll);
        EXPECT_EQ(WaitForSpooledJob(spooler, clock, progress, "q", "Feed=10,"), expected) << name;
        EXPECT_EQ(clock.NowMs(), endsAfterMs) << name;
    }
}

}  // namespace
