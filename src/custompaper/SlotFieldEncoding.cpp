#include "custompaper/SlotFieldEncoding.h"

namespace {

constexpr int32_t kForwardBias = 101;

struct CutCode {
    uint8_t first;
    uint8_t second;
};
constexpr std::array<CutCode, 4> kCutCodes = {
    {{0x03, 0x65}, {0x02, 0x49}, {0x01, 0x7E}, {0x06, 0x65}}};

constexpr std::array<int32_t, 5> kSuctionLimits = {6, 10, 30, 50, 255};
constexpr int32_t kWeakestPaperDraw = -4;

constexpr uint8_t kOptionOneCode = 0x20;
constexpr uint8_t kOptionTwoCode = 0x30;

int32_t SuctionPercent(int32_t paperDraw) {
    switch (paperDraw) {
        case -1:
            return 50;
        case -2:
            return 30;
        case -3:
            return 10;
        case -4:
            return 6;
        default:
            return 100;
    }
}

}  // namespace

uint8_t ForwardByte(int32_t forward) {
    return static_cast<uint8_t>(static_cast<uint32_t>(forward) + kForwardBias);
}

int32_t ForwardOfByte(uint8_t byte) {
    return byte - kForwardBias;
}

uint8_t SuctionByte(int32_t paperDraw) {
    return static_cast<uint8_t>((SuctionPercent(paperDraw) + 2) / 2);
}

std::optional<int32_t> PaperDrawOfSuctionByte(uint8_t byte) {
    for (size_t k = 0; k < kSuctionLimits.size(); ++k) {
        if (2 * byte - 2 <= kSuctionLimits[k]) return kWeakestPaperDraw + static_cast<int32_t>(k);
    }
    return std::nullopt;
}

std::array<uint8_t, 2> CutPair(int32_t paperCut) {
    const CutCode code = paperCut >= 0 && paperCut < static_cast<int32_t>(kCutCodes.size())
                             ? kCutCodes[static_cast<size_t>(paperCut)]
                             : kCutCodes[0];
    return {code.first, code.second};
}

int32_t PaperCutOfPair(uint8_t first, uint8_t second) {
    // The standard cut (first byte 03) is also what any unknown pair reads as.
    for (size_t k = 1; k < kCutCodes.size(); ++k) {
        if (first == kCutCodes[k].first && second == kCutCodes[k].second)
            return static_cast<int32_t>(k);
    }
    return 0;
}

std::array<uint8_t, 2> DryTimeBytes(int32_t dryTime) {
    const uint32_t ms = static_cast<uint32_t>(dryTime) * 100u;
    return {static_cast<uint8_t>(ms >> 8), static_cast<uint8_t>(ms)};
}

int32_t DryTimeOfBytes(uint8_t high, uint8_t low) {
    return ((high << 8) | low) / 100;
}

uint8_t ExtraOptionCode(int32_t extraOption) {
    if (extraOption == 1) return kOptionOneCode;
    if (extraOption == 2) return kOptionTwoCode;
    return 0;
}

int32_t ExtraOptionOfCode(uint8_t code) {
    if (code == kOptionOneCode) return 1;
    if (code == kOptionTwoCode) return 2;
    return 0;
}
