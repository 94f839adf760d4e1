#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "ReplyFraming.h"
#include "RqConfig.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const size_t reply = rqapi::CompleteReplyLength(std::span(data, size));
    if (reply > size) __builtin_trap();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const rqapi::RqSettings settings = rqapi::RqConfig::Parse(text, "127.0.0.2");
    if (settings.snmpPort == 0 || settings.controlPort == 0 || settings.timeoutMs < 1) {
        __builtin_trap();
    }
    return 0;
}
