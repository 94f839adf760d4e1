#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "JobBytes.h"

using Bytes = std::vector<uint8_t>;

// Two hex digits per byte, as the printer writes its replies.
inline std::string HexText(const Bytes& bytes) {
    std::string text;
    for (uint8_t byte : bytes)
        text += {"0123456789ABCDEF"[byte >> 4], "0123456789ABCDEF"[byte & 15]};
    return text;
}

// A list record: flag, unused byte, two zero bytes and the name filled to 30 bytes with spaces.
inline Bytes ListRecord(uint8_t flag, const std::string& name) {
    Bytes record(34, ' ');
    record[0] = flag;
    record[1] = record[2] = record[3] = 0;
    std::copy(name.begin(), name.end(), record.begin() + 4);
    return record;
}

// A slot list reply of a record per character: '-' an unregistered slot, any other a slot
// registered under that letter.
inline std::string ListReply(const std::string& names) {
    std::string text = "EX:0000001D";
    for (char c : names) text += HexText(c == '-' ? ListRecord(0, "") : ListRecord(1, {c}));
    return text + ";";
}
