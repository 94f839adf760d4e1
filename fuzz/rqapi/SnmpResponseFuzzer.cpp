#include <cstddef>
#include <cstdint>
#include <span>

#include "SnmpCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto response = rqapi::DecodeGetResponse(std::span(data, size));
    // A decoded value is a part of the datagram, never more.
    if (response && response->value.size() > size) __builtin_trap();
    return 0;
}
