#pragma once

#include <cstdint>
#include <span>
#include <string>

// The test image of sample prints: an uncompressed, bottom-up, 24-bit BMP bitmap of
// 4060 x 1190 pixels, "Sample.bmp" in the program folder or a file of the user's.
namespace SampleImage {
constexpr int32_t kWidth = 4060;
constexpr int32_t kHeight = 1190;
constexpr const char* kStandardName = "Sample.bmp";
}  // namespace SampleImage

enum SampleImageCheck : int32_t {
    kSampleImageUsable = 0,
    kSampleImageWrongFormat = -1,  // readable, but not a 4060 x 1190 24-bit uncompressed bitmap
    kSampleImageUnreadable = -2,   // cannot be opened, no bitmap, or shorter than its headers say
};

// The standard image: the program folder (without its trailing slash) and "Sample.bmp".
std::string SampleImagePath(const std::string& programFolder);

// The verdict on a file whose first bytes are `headers` and whose size is `fileSize`.
int32_t CheckSampleImageHeaders(std::span<const uint8_t> headers, uint64_t fileSize);
// The verdict on the file at `path`; anything but a regular file is unreadable.
int32_t CheckSampleImage(const std::string& path);
