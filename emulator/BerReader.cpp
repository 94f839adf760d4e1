#include "BerReader.h"

bool BerReader::Next(std::uint8_t& tag, const std::uint8_t*& contents, std::size_t& contentLength) {
    std::size_t at = offset_;
    if (length_ - at < 2) return false;
    const std::uint8_t readTag = data_[at++];
    // Multi-byte tag numbers never occur in SNMP.
    if ((readTag & 0x1F) == 0x1F) return false;
    std::size_t length = data_[at++];
    if (length & 0x80) {
        const std::size_t lengthBytes = length & 0x7F;
        if (lengthBytes == 0 || lengthBytes > 4 || length_ - at < lengthBytes) return false;
        length = 0;
        for (std::size_t i = 0; i < lengthBytes; ++i) length = (length << 8) | data_[at++];
    }
    if (length > length_ - at) return false;
    tag = readTag;
    contents = data_ + at;
    contentLength = length;
    offset_ = at + length;
    return true;
}

bool BerReader::NextInteger(std::int32_t& value) {
    std::uint8_t tag = 0;
    const std::uint8_t* contents = nullptr;
    std::size_t length = 0;
    const std::size_t before = offset_;
    if (!Next(tag, contents, length) || tag != 0x02 || !DecodeInteger(contents, length, value)) {
        offset_ = before;
        return false;
    }
    return true;
}

bool BerReader::DecodeInteger(const std::uint8_t* contents, std::size_t length,
                              std::int32_t& value) {
    if (length == 0) return false;
    // A fifth byte is only allowed as the sign padding of an unsigned 32-bit value.
    if (length > 5 || (length == 5 && contents[0] != 0)) return false;
    std::uint32_t bits = (contents[0] & 0x80) ? 0xFFFFFFFFu : 0;
    for (std::size_t i = 0; i < length; ++i) bits = (bits << 8) | contents[i];
    value = static_cast<std::int32_t>(bits);
    return true;
}
