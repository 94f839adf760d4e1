#include "config/FontValue.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "config/DecimalScan.h"

namespace {

// a * b / c rounded to the nearest integer, halves away from zero; -1 when c is 0.
int64_t MulDiv(int64_t a, int64_t b, int64_t c) {
    if (c == 0) return -1;
    const int64_t product = a * b;
    const int64_t half = (c < 0 ? -c : c) / 2;
    const bool negative = (product < 0) != (c < 0);
    const int64_t magnitude = ((product < 0 ? -product : product) + half) / (c < 0 ? -c : c);
    return negative ? -magnitude : magnitude;
}

}  // namespace

FontValue ParseFontValue(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    for (char c : text) {
        if (c != ' ') compact += c;
    }
    std::string_view rest(compact);
    FontValue value;
    const std::array<int32_t*, 4> fields{&value.pointSize, &value.bold, &value.italic,
                                         &value.underline};
    for (size_t i = 0; i < 4; ++i) {
        if (i > 0) {
            if (rest.empty() || rest.front() != ',') break;
            rest.remove_prefix(1);
        }
        const auto number = ScanDecimal(rest);
        if (!number) break;
        *fields[i] = *number;
    }
    return value;
}

int32_t FontPixelHeight(int32_t pointSize, int32_t screenDpi) {
    const int64_t dpi = screenDpi > 0 ? screenDpi : 96;
    const int64_t devicePixels = MulDiv(pointSize, dpi, 72);
    const double at96 =
        std::ceil(static_cast<double>(devicePixels) * 96.0 / static_cast<double>(dpi));
    // No screen font is anywhere near this large; the bound keeps a corrupt size representable.
    constexpr double kLargest = 32767.0;
    return -static_cast<int32_t>(std::clamp(at96, -kLargest, kLargest));
}
