#include "CustomPaperRecord.h"

#include <algorithm>

namespace {
constexpr std::size_t kPacketOffset = 9;  // record byte 0 is write packet offset 9
constexpr std::size_t kFlag = 74 - kPacketOffset;
}  // namespace

Bytes CustomPaperRecord::Template() {
    Bytes record(kSize, 0);
    std::fill(record.begin() + (11 - kPacketOffset), record.begin() + (75 - kPacketOffset), 0xFF);
    std::fill(record.begin() + kName, record.end(), ' ');
    record[kFlag] = 0x01;
    return record;
}

std::string CustomPaperRecord::Name(const Bytes& record) {
    if (record.size() != kSize) return {};
    std::string name(record.begin() + kName, record.end());
    const auto last = name.find_last_not_of(' ');
    name.erase(last == std::string::npos ? 0 : last + 1);
    return name;
}

void CustomPaperRecord::SetName(Bytes& record, const std::string& name) {
    if (record.size() != kSize) return;
    std::fill(record.begin() + kName, record.end(), ' ');
    std::copy_n(name.begin(), std::min(name.size(), kNameSize), record.begin() + kName);
}
