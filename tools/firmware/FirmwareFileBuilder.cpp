#include "FirmwareFileBuilder.h"

namespace {
void PutLittle32(std::vector<std::uint8_t>& file, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) file[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}
}  // namespace

bool FirmwareFileBuilder::VariantFromName(const std::string& name, Variant& variant) {
    static const struct {
        const char* name;
        Variant variant;
    } kVariants[] = {{"valid", Variant::kValid},
                     {"bad-checksum", Variant::kBadChecksum},
                     {"bad-length", Variant::kBadLength},
                     {"bad-version", Variant::kBadVersion},
                     {"too-short", Variant::kTooShort}};
    for (const auto& known : kVariants) {
        if (name == known.name) {
            variant = known.variant;
            return true;
        }
    }
    return false;
}

std::vector<std::uint8_t> FirmwareFileBuilder::Build(const std::string& version,
                                                     std::size_t payloadSize, Variant variant) {
    if (version.size() != kVersionSize || payloadSize > 0xFFFFFFFFu - kHeaderSize) return {};
    std::vector<std::uint8_t> file(kHeaderSize + payloadSize, 0);
    // A linear congruential sequence seeded by the version, so files of two versions differ.
    std::uint32_t state = 2166136261u;
    for (const char c : version) state = (state ^ static_cast<unsigned char>(c)) * 16777619u;
    std::uint32_t sum = 0;
    for (std::size_t i = kHeaderSize; i < file.size(); ++i) {
        state = state * 1664525u + 1013904223u;
        file[i] = static_cast<std::uint8_t>(state >> 24);
        sum += file[i];
    }
    PutLittle32(file, 8, static_cast<std::uint32_t>(payloadSize));
    PutLittle32(file, 12, sum);
    for (std::size_t i = 0; i < kVersionSize; ++i)
        file[16 + i] = static_cast<std::uint8_t>(version[i]);
    switch (variant) {
        case Variant::kValid:
            break;
        case Variant::kBadChecksum:
            PutLittle32(file, 12, sum + 1);
            break;
        case Variant::kBadLength:
            PutLittle32(file, 8, static_cast<std::uint32_t>(payloadSize - 1));
            break;
        case Variant::kBadVersion:
            file[17] = 'A';
            break;
        case Variant::kTooShort:
            file.resize(kHeaderSize - 1);
            break;
    }
    return file;
}
