#include "StatusBlock.h"

#include <algorithm>

namespace {
void AppendField(Bytes& out, std::uint8_t type, const Bytes& data) {
    out.push_back(type);
    out.push_back(static_cast<std::uint8_t>(data.size()));
    out.insert(out.end(), data.begin(), data.end());
}
}  // namespace

Bytes StatusBlock::Build(std::uint8_t statusCode, std::uint8_t level, const Ink* inks,
                         std::size_t inkCount) {
    Bytes fields;
    AppendField(fields, kStatusCode, {statusCode});
    // Error code 0x00 means none; a printer in error reports a general fault.
    AppendField(fields, kErrorCode,
                {static_cast<std::uint8_t>(statusCode == kError ? 0x01 : 0x00)});
    std::uint8_t warnings = 0;
    for (std::size_t i = 0; i < inkCount; ++i) {
        if (inks[i].percent <= 25) warnings |= 0x01;  // some ink low
    }
    if (level <= 12) warnings |= 0x02;
    AppendField(fields, kWarnings, {warnings});
    AppendField(fields, kLevel, {level});
    Bytes inkData{kInkEntrySize};
    for (std::size_t i = 0; i < inkCount; ++i) {
        inkData.push_back(static_cast<std::uint8_t>(i));
        inkData.push_back(inks[i].code);
        inkData.push_back(inks[i].percent);
    }
    AppendField(fields, kInks, inkData);
    AppendField(fields, kPaper, {0x01});  // roll paper loaded
    Bytes block(2 + fields.size());
    block[0] = static_cast<std::uint8_t>(fields.size());
    block[1] = static_cast<std::uint8_t>(fields.size() >> 8);
    std::copy(fields.begin(), fields.end(), block.begin() + 2);
    return block;
}
