#include "ztset/SettingsRecord.h"

#include <algorithm>
#include <array>
#include <set>

// Layout, all numbers little-endian:
//   0  "ZTSR"   4  u16 version   6  u16 option count   8  u32 total size
//   12 u32 CRC-32 of bytes 16..total
//   16 queue name, then per option its name and its value; each text is a u16 length and bytes.
namespace {

constexpr std::array<uint8_t, 4> kMagic = {'Z', 'T', 'S', 'R'};

uint32_t Crc32(std::span<const uint8_t> bytes) {
    uint32_t crc = 0xFFFFFFFFu;
    for (uint8_t byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

uint16_t ReadU16(std::span<const uint8_t> bytes, size_t at) {
    return static_cast<uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

uint32_t ReadU32(std::span<const uint8_t> bytes, size_t at) {
    return static_cast<uint32_t>(bytes[at]) | (static_cast<uint32_t>(bytes[at + 1]) << 8) |
           (static_cast<uint32_t>(bytes[at + 2]) << 16) |
           (static_cast<uint32_t>(bytes[at + 3]) << 24);
}

void PutU16(std::vector<uint8_t>& out, size_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void PutU32At(std::vector<uint8_t>& out, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

void PutText(std::vector<uint8_t>& out, const std::string& text) {
    PutU16(out, text.size());
    out.insert(out.end(), text.begin(), text.end());
}

// Names become job option names: no separator, no control characters.
bool IsValidName(const std::string& name) {
    return !name.empty() && std::none_of(name.begin(), name.end(), [](char c) {
        return c == '=' || static_cast<unsigned char>(c) < 0x20;
    });
}

// Values and the queue name reach C strings: no embedded terminator.
bool IsValidText(const std::string& text) {
    return text.find('\0') == std::string::npos;
}

// Reads one text at `at`, advancing it; none when the text runs past `end`.
std::optional<std::string> ReadText(std::span<const uint8_t> bytes, size_t& at, size_t end) {
    if (end - at < 2) return std::nullopt;
    const size_t length = ReadU16(bytes, at);
    at += 2;
    if (end - at < length) return std::nullopt;
    std::string text(reinterpret_cast<const char*>(bytes.data() + at), length);
    at += length;
    return text;
}

}  // namespace

std::optional<std::string> SettingsRecord::Find(const std::string& name) const {
    for (const auto& [key, value] : options_)
        if (key == name) return value;
    return std::nullopt;
}

bool SettingsRecord::Set(const std::string& name, const std::string& value) {
    if (!IsValidName(name) || !IsValidText(value)) return false;
    for (auto& option : options_) {
        if (option.first == name) {
            option.second = value;
            return true;
        }
    }
    options_.emplace_back(name, value);
    return true;
}

std::vector<uint8_t> SettingsRecord::Encode() const {
    if (options_.size() > 0xFFFF || queueName_.size() > 0xFFFF) return {};
    std::vector<uint8_t> out(kHeaderSize, 0);
    std::copy(kMagic.begin(), kMagic.end(), out.begin());
    out[4] = static_cast<uint8_t>(kVersion);
    out[5] = static_cast<uint8_t>(kVersion >> 8);
    out[6] = static_cast<uint8_t>(options_.size());
    out[7] = static_cast<uint8_t>(options_.size() >> 8);
    PutText(out, queueName_);
    for (const auto& [name, value] : options_) {
        if (name.size() > 0xFFFF || value.size() > 0xFFFF) return {};
        PutText(out, name);
        PutText(out, value);
        if (out.size() > kMaxSize) return {};
    }
    PutU32At(out, 8, static_cast<uint32_t>(out.size()));
    PutU32At(out, 12, Crc32(std::span(out).subspan(kHeaderSize)));
    return out;
}

std::optional<size_t> SettingsRecord::DeclaredSize(std::span<const uint8_t, kHeaderSize> header) {
    if (!std::equal(kMagic.begin(), kMagic.end(), header.begin())) return std::nullopt;
    if (ReadU16(header, 4) != kVersion) return std::nullopt;
    const size_t total = ReadU32(header, 8);
    if (total < kHeaderSize + 2 || total > kMaxSize) return std::nullopt;
    return total;
}

std::optional<SettingsRecord> SettingsRecord::Decode(std::span<const uint8_t> bytes) {
    if (bytes.size() < kHeaderSize) return std::nullopt;
    const auto total = DeclaredSize(bytes.first<kHeaderSize>());
    if (!total || *total > bytes.size()) return std::nullopt;
    const auto record = bytes.first(*total);
    if (Crc32(record.subspan(kHeaderSize)) != ReadU32(record, 12)) return std::nullopt;

    size_t at = kHeaderSize;
    auto queueName = ReadText(record, at, *total);
    if (!queueName || queueName->empty() || !IsValidText(*queueName)) return std::nullopt;
    SettingsRecord result(std::move(*queueName));
    const size_t count = ReadU16(record, 6);
    std::set<std::string> names;
    for (size_t i = 0; i < count; ++i) {
        auto name = ReadText(record, at, *total);
        if (!name || !IsValidName(*name) || !names.insert(*name).second) return std::nullopt;
        auto value = ReadText(record, at, *total);
        if (!value || !IsValidText(*value)) return std::nullopt;
        result.options_.emplace_back(std::move(*name), std::move(*value));
    }
    if (at != *total) return std::nullopt;
    return result;
}

std::optional<SettingsRecord> SettingsRecord::DecodeAt(const uint8_t* address) {
    if (address == nullptr) return std::nullopt;
    for (size_t i = 0; i < kMagic.size(); ++i)
        if (address[i] != kMagic[i]) return std::nullopt;
    const auto total = DeclaredSize(std::span<const uint8_t, kHeaderSize>(address, kHeaderSize));
    if (!total) return std::nullopt;
    return Decode(std::span(address, *total));
}
