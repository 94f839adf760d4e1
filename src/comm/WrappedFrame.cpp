#include "comm/WrappedFrame.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

// 1.3.6.1.4.1.1248.1.2.2.40.1.1.2, the command tail follows it.
constexpr std::array<uint8_t, 14> kOidPrefix = {0x2B, 0x06, 0x01, 0x04, 0x01, 0x89, 0x60,
                                                0x01, 0x02, 0x02, 0x28, 0x01, 0x01, 0x02};
constexpr std::string_view kCommunity = "tarnel";
constexpr size_t kMaxEncodedTail = 83;
constexpr std::string_view kReplyMarker = "@BDC PS\r\n";
constexpr size_t kMarkerSearchPositions = 503;

void AppendSubIdentifier(std::vector<uint8_t>& out, uint8_t value) {
    if (value < 0x80) {
        out.push_back(value);
    } else {
        out.push_back(0x81);
        out.push_back(static_cast<uint8_t>(value - 0x80));
    }
}

}  // namespace

std::vector<uint8_t> BuildWrappedRequest(std::span<const uint8_t> command) {
    if (command.size() > kMaxEncodedTail) return {};
    const size_t length = command.size();
    std::vector<uint8_t> tail;
    AppendSubIdentifier(tail, static_cast<uint8_t>(length + 3));
    AppendSubIdentifier(tail, 0x08);
    AppendSubIdentifier(tail, static_cast<uint8_t>(length >> 8));
    AppendSubIdentifier(tail, static_cast<uint8_t>(length & 0xFF));
    for (uint8_t byte : command) AppendSubIdentifier(tail, byte);
    if (tail.size() > kMaxEncodedTail) return {};

    const auto oidLength = static_cast<uint8_t>(kOidPrefix.size() + tail.size());
    std::vector<uint8_t> message = {0x30, static_cast<uint8_t>(oidLength + 30),   0x02, 0x01, 0x00,
                                    0x04, static_cast<uint8_t>(kCommunity.size())};
    message.insert(message.end(), kCommunity.begin(), kCommunity.end());
    const std::array<uint8_t, 17> pdu = {0xA0, static_cast<uint8_t>(oidLength + 17),
                                         0x02, 0x01,
                                         0x01,  // request id 1
                                         0x02, 0x01,
                                         0x00,  // error status
                                         0x02, 0x01,
                                         0x00,  // error index
                                         0x30, static_cast<uint8_t>(oidLength + 6),
                                         0x30, static_cast<uint8_t>(oidLength + 4),
                                         0x06, oidLength};
    message.insert(message.end(), pdu.begin(), pdu.end());
    message.insert(message.end(), kOidPrefix.begin(), kOidPrefix.end());
    message.insert(message.end(), tail.begin(), tail.end());
    message.push_back(0x05);
    message.push_back(0x00);
    return message;
}

std::optional<size_t> FindReplyMarker(std::span<const uint8_t> received) {
    if (received.size() < kReplyMarker.size()) return std::nullopt;
    const size_t lastStart =
        std::min(kMarkerSearchPositions, received.size() - kReplyMarker.size() + 1);
    for (size_t p = 0; p < lastStart; ++p) {
        if (std::equal(kReplyMarker.begin(), kReplyMarker.end(), received.begin() + p)) return p;
    }
    return std::nullopt;
}
