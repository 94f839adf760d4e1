#include <gtest/gtest.h>

#include "Options.h"

// The set-up a test gives on the command line, and the lines the emulator refuses to start with.
// Remembered jobs given with --job are read back by the status end-to-end test's viewer.
TEST(Options, SetUpOnTheCommandLine) {
    Options options;
    std::string error;
    ASSERT_TRUE(options.Parse({"--firmware", "I00000", "--next-job-number", "300", "--fault",
                               "error-after=2.5", "--fault", "firmware=I10612"},
                              error))
        << error;
    EXPECT_EQ(options.firmware, "I00000");
    EXPECT_EQ(options.nextJobNumber, 300);
    EXPECT_EQ(options.faults.Describe(), "error-after=2.5,firmware=I10612");

    const std::vector<std::string> refused[] = {
        {"--job", "state=sleeping"}, {"--job", "bytes=0"},
        {"--job", "colour=red"},     {"--job", "name"},
        {"--firmware", "I1;612"},    {"--next-job-number", "0"},
        {"--fault", "error-after"},  {"--fault", "firmware="},
        {"--fault", "melting"},      {"--model", "ZENTA Corvid 9000"},
        {"--listen", "192.0.2.1"},   {"--speed", "0"},
    };
    for (const std::vector<std::string>& arguments : refused) {
        Options refusing;
        error.clear();
        EXPECT_FALSE(refusing.Parse(arguments, error)) << arguments[0] << " " << arguments[1];
        EXPECT_FALSE(error.empty());
    }
}
