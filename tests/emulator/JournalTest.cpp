#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "Journal.h"

TEST(Journal, EveryLineIsOneJsonObjectWhateverTheTextHolds) {
    struct Row {
        std::string text;
        const char* quoted;
    };
    const Row rows[] = {
        {"plain", "\"plain\""},
        {"quote \" and backslash \\", "\"quote \\\" and backslash \\\\\""},
        {std::string("nul \0 tab \t newline \n", 21),
         "\"nul \\u0000 tab \\u0009 newline \\u000a\""},
        {"\xC3\xA9\x7F \xF0\x9F\x96\xA8", "\"\\u00e9\\u007f \\ud83d\\udda8\""},
        {"\xC3 \xE9\xED\xA0\x80", "\"\\u00c3 \\u00e9\\u00ed\\u00a0\\u0080\""},
    };
    for (const Row& row : rows) EXPECT_EQ(JsonLine::Quote(row.text), row.quoted);

    const std::string path =
        (std::filesystem::temp_directory_path() / ("emulator-journal-" + std::to_string(getpid())))
            .string();
    {
        Journal journal;
        ASSERT_TRUE(journal.Open(path));
        journal.Write(1'800'000'000'123,
                      JsonLine().Add("event", "job").Add("size", std::int64_t{3}));
        journal.Write(1'800'000'000'124, JsonLine());
        // Flushed at once: readable before the journal is closed.
        std::ifstream early(path);
        std::string first;
        std::getline(early, first);
        EXPECT_EQ(first, "{\"time\":\"2027-01-15T08:00:00.123Z\",\"event\":\"job\",\"size\":3}");
        std::string second;
        std::getline(early, second);
        EXPECT_EQ(second, "{\"time\":\"2027-01-15T08:00:00.124Z\"}");
    }
    std::remove(path.c_str());
}
