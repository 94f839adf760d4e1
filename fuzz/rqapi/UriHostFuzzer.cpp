#include <cstddef>
#include <cstdint>
#include <string_view>

#include "UriHost.h"

// Any text: the host is never longer than the URI it came from.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view uri(reinterpret_cast<const char*>(data), size);
    if (rqapi::UriHost(uri).size() > size) __builtin_trap();
    return 0;
}
