#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

#include "sampleprint/BmpHeaders.h"
#include "sampleprint/SampleImage.h"

// Headers of any content, and files of any size from the fuzzer's last eight bytes: the verdict
// is one of the three, a usable image is one whose rows all fit in the file, and the size the
// headers claim is computed without overflow.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    uint64_t fileSize = size;
    if (size >= BmpHeaders::kSize + sizeof(fileSize))
        std::memcpy(&fileSize, data + size - sizeof(fileSize), sizeof(fileSize));
    const std::span<const uint8_t> headers(data, size);
    const int32_t verdict = CheckSampleImageHeaders(headers, fileSize);
    if (verdict < -2 || verdict > 0) __builtin_trap();
    const auto parsed = ParseBmpHeaders(headers);
    if (!parsed) {
        if (verdict != kSampleImageUnreadable) __builtin_trap();
        return 0;
    }
    if (parsed->ExpectedFileSize() < parsed->dataOffset) __builtin_trap();
    if (verdict == kSampleImageUsable &&
        (fileSize < parsed->ExpectedFileSize() || parsed->width != SampleImage::kWidth))
        __builtin_trap();
    return 0;
}
