// Feeds typed text and a range to NormalizeNumberText and checks what a number box may hold
// afterwards: empty, "-", "0", "-0", or a plain decimal inside the range.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "pagekit/NumberText.h"

namespace {

bool IsPlainDecimal(const std::string& text) {
    size_t start = text[0] == '-' ? 1 : 0;
    if (start == text.size()) return false;
    if (text[start] == '0' && text.size() > start + 1) return false;  // no leading zeros
    for (size_t i = start; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
    }
    return true;
}

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 9) return 0;
    int32_t min = 0;
    int32_t max = 0;
    std::memcpy(&min, data, 4);
    std::memcpy(&max, data + 4, 4);
    if (min > max) std::swap(min, max);
    const bool allowEmpty = (data[8] & 1) != 0;
    const std::string_view text(reinterpret_cast<const char*>(data + 9), size - 9);

    const std::string result = NormalizeNumberText(text, min, max, allowEmpty);

    if (result.empty()) {
        Check(allowEmpty);
    } else if (result == "-") {
        Check(allowEmpty && min < 0);
    } else if (result == "0" || result == "-0") {
        Check(result == "0" || min < 0);
    } else {
        Check(IsPlainDecimal(result));
        const long long value = std::strtoll(result.c_str(), nullptr, 10);
        Check(value >= min && value <= max);
        // Normalising again changes nothing, so the box settles after one write-back.
        Check(NormalizeNumberText(result, min, max, allowEmpty) == result);
    }
    return 0;
}
