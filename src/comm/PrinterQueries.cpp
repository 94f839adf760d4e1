#include "comm/PrinterQueries.h"

#include <array>

#include "comm/PrinterLink.h"
#include "comm/QueryPackets.h"
#include "comm/ReplyParsers.h"
#include "comm/StatusReply.h"

namespace {

constexpr int32_t kQueryTimeoutMs = 10000;
constexpr size_t kReplyRoom = 512;
constexpr size_t kQueryRoom = 16;

using Reply = std::array<uint8_t, kReplyRoom>;

// Runs one query into `reply`; false when nothing was received.
template <typename Builder>
bool RunQuery(PrinterLink& link, const std::string& printerName, Reply& reply, Builder build) {
    std::array<uint8_t, kQueryRoom> command{};
    const int32_t length = build(std::span<uint8_t>(command));
    return link.Query(printerName, std::span<const uint8_t>(command).first(length), reply,
                      kQueryTimeoutMs) >= 1;
}

}  // namespace

int32_t ReadPlatenGapSetting(PrinterLink& link, const std::string& printerName) {
    Reply reply{};
    if (!RunQuery(link, printerName, reply, [](auto out) { return AppendSNQuery(out); })) return 2;
    return ParsePlatenGapSetting(reply);
}

int32_t ReadSlotPlatenGap(PrinterLink& link, const std::string& printerName, uint8_t slot) {
    Reply reply{};
    if (!RunQuery(link, printerName, reply,
                  [slot](auto out) { return AppendEXDetailQuery(out, slot); }))
        return -1;
    return ParseSlotPlatenGap(reply);
}

std::string ReadFirmwareVersion(PrinterLink& link, const std::string& printerName) {
    Reply reply{};
    if (!RunQuery(link, printerName, reply, [](auto out) { return AppendVIQuery(out); })) return {};
    return ParseFirmwareVersion(reply);
}

int32_t DetectInkSlotCount(PrinterLink& link, const std::string& printerName) {
    const int32_t channel = link.OpenChannel(printerName);
    if (channel < 1) return 8;
    StatusReply status;
    link.ReadStatus(channel, status);
    link.CloseChannel(channel);
    return status.InkSlotCount();
}
