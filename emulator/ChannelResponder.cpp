#include "ChannelResponder.h"

#include <algorithm>

#include "BuiltInMedia.h"
#include "CustomPaperRecord.h"
#include "JobExecution.h"
#include "JobStream.h"

namespace {
Bytes TextReply(const std::string& text) {
    return BytesOf(ChannelResponder::kTextMarker + text);
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
    // Work whose time is up is done before the printer answers.
    printer_.Advance(nowMs);
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
        return TextReply("VI:00" + printer_.FirmwareVersion() + ";");
    }
    if (name == "EX" && n == 7 && p[0] == 1 && p[4] == 0x1D) return TextReply(SlotList(p[5]));
    if (name == "EX" && n == 7 && p[0] == 1 && p[4] == 0x1B) return TextReply(SlotDetails(p[5]));
    if (name == "JI" && n == 2 && p[0] == 1) return TextReply(JobInformation(p[1]));

    // Anything else is an action: run it as a job of one command, remembered in no history.
    JobExecution execution(printer_, nowMs, true);
    execution.Run(command, packet);
    execution.Finish(nullptr);
    const bool understood = execution.Notes().empty();
    if (!understood) note += ": " + execution.Notes().front();
    return TextReply(name + (understood ? ":00;" : ":NA;"));
}

std::string ChannelResponder::SlotList(std::uint8_t first) const {
    if (first < 1 || first > PrinterState::kSlotCount) return "EX:NA;";
    Bytes records;
    for (std::size_t number = first; number < first + 3u; ++number) {
        Bytes record(2 + CustomPaperRecord::kNameFieldSize, 0);
        if (number <= PrinterState::kSlotCount) {
            const PrinterState::Slot& slot = printer_.State().slots[number - 1];
            if (slot.registered) {
                record[0] = 1;
                std::copy_n(slot.body.begin() + CustomPaperRecord::kNameField,
                            CustomPaperRecord::kNameFieldSize, record.begin() + 2);
            }
        }
        records.insert(records.end(), record.begin(), record.end());
    }
    return "EX:0000001D" + ToHex(records) + ";";
}

std::string ChannelResponder::SlotDetails(std::uint8_t selector) const {
    if (selector >= BuiltInMedia::kFirstSlotCode && selector <= BuiltInMedia::kLastSlotCode) {
        const std::size_t index = selector - BuiltInMedia::kFirstSlotCode;
        return "EX:0000001B" + ToHex(printer_.State().slots[index].body) + ";";
    }
    // The rest of that range names no slot.
    if ((selector & 0xF0) == BuiltInMedia::kFirstSlotCode) return "EX:NA;";
    // Any other selector is a paper type code: the medium's own record, or the standard one.
    const BuiltInMedia::Medium* medium = BuiltInMedia::Find(selector);
    return "EX:0000001B" +
           ToHex(BuiltInMedia::Record(medium != nullptr ? *medium
                                                        : BuiltInMedia::Unknown(selector))) +
           ";";
}

std::string ChannelResponder::JobInformation(std::uint8_t index) const {
    const auto& jobs = printer_.State().jobs;
    // No job at that index: an answer without the record marker.
    if (index >= jobs.size()) return "NA;";
    return "JI:" + ToHex(jobs[index].Encode()) + ";";
}
