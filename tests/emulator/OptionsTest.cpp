#include <gtest/gtest.h>

#include <functional>

#include "Options.h"

// The set-up a test gives on the command line: remembered jobs, firmware, faults; and the lines
// the emulator refuses to start with.
TEST(Options, SetUpOnTheCommandLine) {
    struct Row {
        std::vector<std::string> arguments;
        std::function<void(const Options&)> check;  // nullptr: the line is refused
    };
    const Row rows[] = {
        {{"--job", "state=paused,source=sheet,bytes=5,name=Poster, A1"},
         [](const Options& options) {
             ASSERT_EQ(options.jobs.size(), 1u);
             const JobRecord& job = options.jobs[0];
             EXPECT_EQ(job.state, JobRecord::kPaused);
             EXPECT_EQ(job.paperSource, JobRecord::kCutSheet);
             EXPECT_EQ(job.name, "Poster, A1");
             EXPECT_EQ(job.Encode().size(), 5u);
         }},
        {{"--job=state=7,number=300,paper=610x900,ink=1500,seconds=90,owner=10.0.0.7", "--job",
          "state=waiting"},
         [](const Options& options) {
             ASSERT_EQ(options.jobs.size(), 2u);
             const Bytes record = options.jobs[0].Encode();
             EXPECT_EQ(ToHex(Bytes(record.begin(), record.begin() + 5)), "012C000701");
             EXPECT_EQ(options.jobs[0].paperWidthMm, 610);
             EXPECT_EQ(options.jobs[0].owner, "10.0.0.7");
             EXPECT_EQ(options.jobs[1].state, JobRecord::kWaiting);
         }},
        {{"--firmware", "I00000", "--next-job-number", "300", "--fault", "error-after=2.5",
          "--fault", "firmware=I10612"},
         [](const Options& options) {
             EXPECT_EQ(options.firmware, "I00000");
             EXPECT_EQ(options.nextJobNumber, 300);
             EXPECT_EQ(options.faults.errorAfterSeconds, 2.5);
             EXPECT_EQ(options.faults.Describe(), "error-after=2.5,firmware=I10612");
         }},
        {{"--job", "state=sleeping"}, nullptr},
        {{"--job", "bytes=0"}, nullptr},
        {{"--job", "colour=red"}, nullptr},
        {{"--job", "name"}, nullptr},
        {{"--firmware", "I1;612"}, nullptr},
        {{"--next-job-number", "0"}, nullptr},
        {{"--fault", "error-after"}, nullptr},
        {{"--fault", "firmware="}, nullptr},
        {{"--fault", "melting"}, nullptr},
        {{"--model", "ZENTA Corvid 9000"}, nullptr},
        {{"--listen", "192.0.2.1"}, nullptr},
        {{"--speed", "0"}, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.arguments.front() + " " + row.arguments.back());
        Options options;
        std::string error;
        const bool parsed = options.Parse(row.arguments, error);
        EXPECT_EQ(parsed, row.check != nullptr) << error;
        if (parsed && row.check) row.check(options);
        if (!parsed) {
            EXPECT_FALSE(error.empty());
        }
    }
}
