#include <cstddef>
#include <cstdint>
#include <cstring>

#include "comm/WrappedFrame.h"

// What the library hands back, of any length and content: the marker search must stay inside it
// and find only a whole marker.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto position = FindReplyMarker(std::span<const uint8_t>(data, size));
    if (position && (*position > 502 || *position + 9 > size ||
                     std::memcmp(data + *position, "@BDC PS\r\n", 9) != 0))
        __builtin_trap();
    // Any command either fits single-byte lengths whole or is refused.
    const auto request = BuildWrappedRequest(std::span<const uint8_t>(data, size));
    if (!request.empty() && (request.size() > 127 + 2 || request[1] != request.size() - 2))
        __builtin_trap();
    return 0;
}
