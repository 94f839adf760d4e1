#include "JobRecord.h"

#include <algorithm>

namespace {
constexpr std::size_t kOwnerAt = 7, kOwnerSize = 16;
constexpr std::size_t kNameAt = 23, kNameSize = 32;

void PutText(Bytes& out, std::size_t at, std::size_t size, const std::string& text) {
    std::copy_n(text.begin(), std::min(size, text.size()), out.begin() + at);
}

void Put16(Bytes& out, std::size_t at, std::uint16_t value) {
    out[at] = static_cast<std::uint8_t>(value >> 8);
    out[at + 1] = static_cast<std::uint8_t>(value);
}

std::string GetText(const Bytes& in, std::size_t at, std::size_t size) {
    std::string text;
    for (std::size_t i = at; i < at + size && in[i] != 0; ++i) text += static_cast<char>(in[i]);
    return text;
}

std::uint16_t Get16(const Bytes& in, std::size_t at) {
    return static_cast<std::uint16_t>((in[at] << 8) | in[at + 1]);
}
}  // namespace

Bytes JobRecord::Encode() const {
    Bytes out(kSize, 0);
    out[0] = 0x01;
    out[1] = number;
    out[3] = state;
    out[4] = outcome;
    PutText(out, kOwnerAt, kOwnerSize, owner);
    PutText(out, kNameAt, kNameSize, name);
    Put16(out, 55, sizeKilobytes);
    Put16(out, 57, pages);
    Put16(out, 59, pagesPrinted);
    out[61] = year;
    out[62] = month;
    out[63] = day;
    out[64] = hour;
    out[65] = minute;
    Put16(out, 66, seconds);
    return out;
}

bool JobRecord::Decode(const Bytes& bytes, JobRecord& record) {
    if (bytes.size() != kSize) return false;
    record.number = bytes[1];
    record.state = bytes[3];
    record.outcome = bytes[4];
    record.owner = GetText(bytes, kOwnerAt, kOwnerSize);
    record.name = GetText(bytes, kNameAt, kNameSize);
    record.sizeKilobytes = Get16(bytes, 55);
    record.pages = Get16(bytes, 57);
    record.pagesPrinted = Get16(bytes, 59);
    record.year = bytes[61];
    record.month = bytes[62];
    record.day = bytes[63];
    record.hour = bytes[64];
    record.minute = bytes[65];
    record.seconds = Get16(bytes, 66);
    return true;
}
