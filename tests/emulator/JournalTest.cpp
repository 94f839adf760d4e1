#include <gtest/gtest.h>

#include "Journal.h"

TEST(Journal, TextIsQuotedAsJsonWhateverItHolds) {
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
}
