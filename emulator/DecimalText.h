#pragma once

#include <charconv>
#include <string_view>

// A whole text that is a decimal number within [low, high]; nothing else is read as one.
template <typename Number>
bool ReadDecimal(std::string_view text, Number low, Number high, Number& value) {
    Number parsed{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || parsed < low ||
        parsed > high) {
        return false;
    }
    value = parsed;
    return true;
}
