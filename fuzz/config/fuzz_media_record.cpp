// "Media.ini" records of any content: 21 integers or nothing, never a read past the text.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "config/MediaRecordParser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A copy of exactly the input, so that a read past its end is caught.
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto record = ParseMediaRecord(std::string_view(text.data(), text.size()));
    if (record && size < 41) std::abort();  // 21 numbers need at least 21 digits and 20 commas
    return 0;
}
