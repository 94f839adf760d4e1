#include "ChannelResponder.h"

#include <algorithm>

#include "JobExecution.h"
#include "JobStream.h"

namespace {
constexpr std::size_t kNameFieldAt = 66;  // in a slot body
constexpr std::size_t kNameFieldSize = 32;
constexpr std::uint8_t kDetailSelectorFirst = 0x80;

Bytes TextReply(const std::string& text) {
    return BytesOf(ChannelResponder::kTextMarker + text);
}

// The body a built-in media type answers with: the write template with that type's platen.
Bytes MediaTypeDetails(std::uint8_t paperTypeCode) {
    Bytes body(PrinterState::kSlotBodySize, 0);
    for (std::size_t offset = 11; offset <= 74; ++offset) body[offset - 9] = 0xFF;
    for (std::size_t offset = 77; offset <= 106; ++offset) body[offset - 9] = ' ';
    body[0] = paperTypeCode;
    body[19] = 2;  // standard platen gap
    body[44] = paperTypeCode;
    return body;
}
}  // namespace

Bytes ChannelResponder::Answer(const std::uint8_t* command, std::size_t length, std::int64_t nowMs,
                               std::string& note) {
    JobPacket packet;
    if (length == 0 || !JobStream::ScanPacket(command, length, true, packet) ||
        packet.kind != JobPacket::kCommand || packet.length != length) {
        note = "not one command";
        return TextReply("NA;");
    }
    const std::string& name = packet.name;
    const std::uint8_t* p = command + JobPacket::kCommandHeader;
    const std::size_t n = length - JobPacket::kCommandHeader;
    note = name;
    if (name == "st" && n == 1 && p[0] == 1) {
        const Bytes block = printer_.StatusBlockBytes(nowMs);
        Bytes reply(sizeof kStatusMarker - 1 + block.size());
        std::copy_n(kStatusMarker, sizeof kStatusMarker - 1, reply.begin());
        std::copy(block.begin(), block.end(), reply.begin() + sizeof kStatusMarker - 1);
        return reply;
    }
    if (name == "SN" && n == 2 && p[0] == 1 && p[1] == 1) {
        return TextReply("SN:01" + std::to_string(printer_.PlatenGapDigit()) + ";");
    }
    if (name == "VI" && n == 2 && p[0] == 1) {
        return TextReply("VI:00" + printer_.State().firmwareVersion + ";");
    }
    if (name == "EX" && n == 7 && p[0] == 1 && p[4] == 0x1D) return TextReply(SlotList(p[5]));
    if (name == "EX" && n == 7 && p[0] == 1 && p[4] == 0x1B) return TextReply(SlotDetails(p[5]));
    if (name == "JI" && n == 2 && p[0] == 1) return TextReply(JobInformation(p[1]));

    // Anything else is an action: run it as a job of one command, remembered in no history.
    JobExecution execution(printer_, nowMs, true);
    execution.Run(command, packet);
    execution.Finish(length, nullptr);
    const bool understood = execution.Notes().empty();
    if (!understood) note += ": " + execution.Notes().front();
    return TextReply(name + (understood ? ":00;" : ":NA;"));
}

std::string ChannelResponder::SlotList(std::uint8_t first) const {
    if (first < 1 || first > PrinterState::kSlotCount) return "EX:NA;";
    Bytes records;
    for (std::size_t number = first; number < first + 3u; ++number) {
        Bytes record(2 + kNameFieldSize, 0);
        if (number <= PrinterState::kSlotCount) {
            const PrinterState::Slot& slot = printer_.State().slots[number - 1];
            if (slot.registered) {
                record[0] = 1;
                std::copy_n(slot.body.begin() + kNameFieldAt, kNameFieldSize, record.begin() + 2);
            }
        }
        records.insert(records.end(), record.begin(), record.end());
    }
    return "EX:0000001D" + ToHex(records) + ";";
}

std::string ChannelResponder::SlotDetails(std::uint8_t selector) const {
    if (selector < kDetailSelectorFirst)
        return "EX:0000001B" + ToHex(MediaTypeDetails(selector)) + ";";
    const std::size_t index = selector - kDetailSelectorFirst;
    if (index >= PrinterState::kSlotCount) return "EX:NA;";
    return "EX:0000001B" + ToHex(printer_.State().slots[index].body) + ";";
}

std::string ChannelResponder::JobInformation(std::uint8_t index) const {
    const auto& jobs = printer_.State().jobs;
    // No job at that index: an answer without the record marker.
    if (index >= jobs.size()) return "NA;";
    return "JI:" + ToHex(jobs[index].Encode()) + ";";
}
