#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/PpdFile.h"

// Any text: a value is a part of the text, never more.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const char* key : {"RQAPII", "ZTDriverFolder", ""})
        if (PpdFile::AttributeIn(text, key).size() > size) __builtin_trap();
    return 0;
}
