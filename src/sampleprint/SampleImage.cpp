#include "sampleprint/SampleImage.h"

#include <array>
#include <filesystem>
#include <fstream>

#include "sampleprint/BmpHeaders.h"

std::string SampleImagePath(const std::string& programFolder) {
    return programFolder + "/" + SampleImage::kStandardName;
}

int32_t CheckSampleImageHeaders(std::span<const uint8_t> headers, uint64_t fileSize) {
    const auto parsed = ParseBmpHeaders(headers);
    if (!parsed || fileSize < parsed->ExpectedFileSize()) return kSampleImageUnreadable;
    const bool usable = parsed->width == SampleImage::kWidth &&
                        parsed->height == SampleImage::kHeight && parsed->bitCount == 24 &&
                        parsed->compression == BmpHeaders::kUncompressed;
    return usable ? kSampleImageUsable : kSampleImageWrongFormat;
}

int32_t CheckSampleImage(const std::string& path) {
    std::error_code error;
    // A pipe or a device would block the read or never end.
    if (!std::filesystem::is_regular_file(path, error)) return kSampleImageUnreadable;
    const uint64_t fileSize = std::filesystem::file_size(path, error);
    if (error) return kSampleImageUnreadable;
    std::ifstream file(path, std::ios::binary);
    std::array<char, BmpHeaders::kSize> headers{};
    if (!file.read(headers.data(), headers.size())) return kSampleImageUnreadable;
    return CheckSampleImageHeaders(
        std::span(reinterpret_cast<const uint8_t*>(headers.data()), headers.size()), fileSize);
}
