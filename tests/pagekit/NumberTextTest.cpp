#include <gtest/gtest.h>

#include "pagekit/NumberText.h"

namespace {

TEST(NumberTextTest, NormalizesWhatTheUserTyped) {
    // typed, range, empty allowed, the text kept
    const std::tuple<const char*, int32_t, int32_t, bool, const char*> cases[] = {
        {"1-2", -70, 70, true, "-12"},
        {"--5", -70, 70, true, "5"},
        {"abc", 1, 16, true, ""},
        {"abc", 1, 16, false, "0"},
        {"0", 1, 16, true, "1"},
        {"-", -50, 50, true, "-"},
        {"-", -50, 50, false, "-0"},
        {"-", 1, 9, true, ""},
        {"-0", -50, 50, true, "-0"},
        {"-0", 0, 50, true, "0"},
        {"007", 1, 16, true, "7"},
        {"17", 1, 16, true, "16"},
        {"-71", -70, 70, true, "-70"},
        {"4 2", -50, 50, true, "42"},
        {"\xef\xbc\x95", 1, 9, true, ""},  // a full-width digit is not a digit
        // Far beyond 32 bits clamps instead of wrapping.
        {"99999999999999999999999", -70, 70, true, "70"},
        {"2147483647", INT32_MIN, INT32_MAX, true, "2147483647"},
        {"-2147483648", INT32_MIN, INT32_MAX, true, "-2147483648"},
    };
    for (const auto& [typed, min, max, allowEmpty, expected] : cases)
        EXPECT_EQ(NormalizeNumberText(typed, min, max, allowEmpty), expected)
            << typed << " in " << min << ".." << max << (allowEmpty ? " (empty allowed)" : "");
}

}  // namespace
