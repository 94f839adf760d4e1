#include <cstddef>
#include <cstdint>
#include <string>

#include "firmware/FirmwareImageCheck.h"

namespace {

int32_t Check(std::span<const uint8_t> file, size_t piece, std::string& version) {
    FirmwareImageCheck check;
    const size_t header = std::min(file.size(), FirmwareImageCheck::kHeaderSize);
    if (const int32_t result = check.Start(file.first(header), file.size()); result != 0)
        return result;
    for (size_t at = header; at < file.size(); at += piece)
        check.AddPayload(file.subspan(at, std::min(piece, file.size() - at)));
    return check.Finish(version);
}

}  // namespace

// Files of any content: the verdict is one of the four results, the same whether the payload
// comes whole or in pieces, and a valid file's version is its own letter I and digit.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> file(data, size);
    std::string whole, pieces;
    const int32_t result = Check(file, size + 1, whole);
    if (result > 0 || result < -3 || result == -1) __builtin_trap();
    if (Check(file, 7, pieces) != result || pieces != whole) __builtin_trap();
    if (result == 0 && (whole.size() < 2 || whole.size() > 6 || (whole[0] | 0x20) != 'i'))
        __builtin_trap();
    return 0;
}
