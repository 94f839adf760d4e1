#include "comm/StatusReply.h"

#include <algorithm>

namespace {

constexpr size_t kLengthWordSize = 2;
constexpr uint8_t kStatusField = 0x01;
constexpr uint8_t kLevelField = 0x0D;
constexpr uint8_t kInkField = 0x0F;
constexpr uint8_t kStatusReady = 4;
constexpr uint8_t kStatusError = 0;

std::optional<uint8_t> FirstByte(std::optional<std::span<const uint8_t>> data) {
    if (!data || data->empty()) return std::nullopt;
    return data->front();
}

}  // namespace

bool StatusReply::Assign(std::span<const uint8_t> bytes) {
    block_.clear();
    if (bytes.size() <= kLengthWordSize) return false;
    const size_t length = bytes[0] | (static_cast<size_t>(bytes[1]) << 8);
    if (length == 0) return false;
    const size_t held = std::min(length + kLengthWordSize, bytes.size());
    block_.assign(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(held));
    return true;
}

std::optional<std::span<const uint8_t>> StatusReply::FieldData(uint8_t type) const {
    if (block_.size() <= kLengthWordSize) return std::nullopt;
    const std::span<const uint8_t> fields =
        std::span<const uint8_t>(block_).subspan(kLengthWordSize);
    size_t offset = 0;
    while (offset + 1 < fields.size()) {
        const size_t dataLength = fields[offset + 1];
        const size_t dataStart = offset + 2;
        if (fields[offset] == type) {
            const size_t available = std::min(dataLength, fields.size() - dataStart);
            return fields.subspan(dataStart, available);
        }
        offset = dataStart + dataLength;
    }
    return std::nullopt;
}

bool StatusReply::IsReady() const {
    return FirstByte(FieldData(kStatusField)) == kStatusReady;
}

bool StatusReply::IsError() const {
    return FirstByte(FieldData(kStatusField)) == kStatusError;
}

bool StatusReply::IsField0DAtMost12() const {
    const auto level = FirstByte(FieldData(kLevelField));
    return level && *level <= 12;
}

bool StatusReply::HasEntryAtMost25() const {
    const auto data = FieldData(kInkField);
    if (!data || data->empty()) return false;
    const size_t entrySize = data->front();
    if (entrySize == 0) return false;
    // The size byte is counted in the data length, so entries = n / s, as the printer reports it.
    const size_t count = data->size() / entrySize;
    for (size_t entry = 0; entry < count; ++entry) {
        const size_t thirdByte = 1 + entry * entrySize + 2;
        if (thirdByte < data->size() && (*data)[thirdByte] <= 25) return true;
    }
    return false;
}

int32_t StatusReply::InkSlotCount() const {
    const auto data = FieldData(kInkField);
    if (!data || data->size() < 24) return 4;
    return (*data)[17] == 4 && (*data)[20] == 5 && (*data)[23] == 8 ? 8 : 4;
}

std::vector<InkEntry> StatusReply::InkEntries() const {
    std::vector<InkEntry> entries;
    const auto data = FieldData(kInkField);
    if (!data || data->empty()) return entries;
    const size_t entrySize = data->front();
    if (entrySize < 3) return entries;
    // Byte 0 of an entry is the slot's index; entries follow the size byte.
    for (size_t start = 1; start + entrySize <= data->size(); start += entrySize)
        entries.push_back({(*data)[start + 1], (*data)[start + 2]});
    return entries;
}
