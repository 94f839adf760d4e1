#include <cstddef>
#include <cstdint>

#include "CommandFile.h"

// Any bytes: each command at most once, only what the log may show, and the count of the rest.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const CommandFile file = ParseCommandFile(std::span<const uint8_t>(data, size));
    if (file.commands.size() > 3 || file.unknown.size() > file.unknownCount) __builtin_trap();
    for (const std::string& line : file.unknown) {
        if (line.size() > 43) __builtin_trap();
        for (char c : line)
            if (c != '\t' && (c < 0x20 || c > 0x7E)) __builtin_trap();
    }
    return 0;
}
