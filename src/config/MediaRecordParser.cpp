#include "config/MediaRecordParser.h"

#include <array>

#include "config/DecimalScan.h"

namespace {

constexpr size_t kFieldCount = 21;

}  // namespace

std::optional<MediaRecord> ParseMediaRecord(std::string_view text) {
    std::array<int32_t, kFieldCount> fields{};
    for (size_t i = 0; i < kFieldCount; ++i) {
        if (i > 0) {
            if (text.empty() || text.front() != ',') return std::nullopt;
            text.remove_prefix(1);
        }
        const auto value = ScanDecimal(text);
        if (!value) return std::nullopt;
        fields[i] = *value;
    }
    MediaRecord record;
    record.mediaId = fields[0];
    record.mediaCode = fields[1];
    record.mediaSubCode = fields[2];
    record.paperTypeCode = fields[3];
    record.variant = fields[4];
    record.variantMarkFlag = fields[5];
    record.markFlag = fields[6];
    record.sortOrder = fields[7];
    record.value8 = fields[8];
    for (size_t mode = 0; mode < record.printModes.size(); ++mode) {
        for (size_t which = 0; which < 3; ++which) {
            record.printModes[mode][which] = fields[9 + mode * 3 + which];
        }
    }
    return record;
}
