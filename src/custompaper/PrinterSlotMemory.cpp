#include "custompaper/PrinterSlotMemory.h"

#include <algorithm>
#include <array>
#include <span>

#include "comm/CustomPaperPackets.h"
#include "comm/JobBuffer.h"
#include "comm/MaintenancePackets.h"
#include "comm/PrinterLink.h"
#include "comm/QueryPackets.h"
#include "comm/RawJob.h"
#include "comm/RemotePackets.h"
#include "custompaper/CustomPaperSlotTable.h"
#include "custompaper/SlotReplies.h"
#include "custompaper/SlotWritePacket.h"

namespace {

constexpr int32_t kReadTimeoutMs = 10000;
constexpr size_t kReplyRoom = 512;
constexpr size_t kQueryLength = 11;
constexpr int32_t kSlotsPerListRead = 3;
constexpr uint8_t kFirstDetailSelector = 0x80;
constexpr int32_t kSlotJobRoom = 256;
constexpr int32_t kPatternJobRoom = 128;

using Query = std::array<uint8_t, kQueryLength>;
using Reply = std::array<uint8_t, kReplyRoom>;

// What the reply buffer holds after a receive that answered `result`.
std::span<const uint8_t> Received(const Reply& reply, int32_t result) {
    const size_t length = result > 0 ? std::min(static_cast<size_t>(result), reply.size()) : 0;
    return std::span<const uint8_t>(reply).first(length);
}

uint8_t SlotNumber(int32_t index) {
    return static_cast<uint8_t>(index + 1);
}

// One job of `packet` between the remote-mode frame, saved by the printer.
template <typename Packet>
int32_t SendSavedJob(Spooler& spooler, const std::string& printerName, Packet appendPacket) {
    JobBuffer job(kSlotJobRoom);
    job.Advance(AppendEnterRemote(job.Rest()));
    job.Advance(appendPacket(job.Rest()));
    job.Advance(AppendSV(job.Rest()));
    job.Advance(AppendExitRemote(job.Rest()));
    return SendRawJob(spooler, printerName, job.Bytes());
}

}  // namespace

int32_t ReadSlotList(CustomPaperSlotTable& table, PrinterLink& link,
                     const std::string& printerName) {
    const int32_t channel = link.OpenChannel(printerName);
    if (channel < 1) return -1;
    int32_t result = 0;
    for (int32_t first = 0; first < CustomPaperSlotTable::kSlotCount; first += kSlotsPerListRead) {
        Query query{};
        AppendEXSlotQuery(query, SlotNumber(first));
        Reply reply{};
        result = link.Exchange(channel, query, reply, kReadTimeoutMs);
        if (result < 0) break;
        const auto records = ParseSlotListReply(Received(reply, result));
        if (!records) break;
        const int32_t wanted =
            std::min(kSlotsPerListRead, CustomPaperSlotTable::kSlotCount - first);
        const int32_t usable = std::min(wanted, static_cast<int32_t>(records->size()));
        for (int32_t k = 0; k < usable; ++k) {
            CustomPaperSlot& slot = table.Slot(first + k);
            slot.registered = (*records)[static_cast<size_t>(k)].registered;
            slot.name = WithoutTrailingSpaces((*records)[static_cast<size_t>(k)].name);
        }
        if (usable < wanted) break;
    }
    link.CloseChannel(channel);
    return result;
}

int32_t ReadSlotName(CustomPaperSlotTable& table, PrinterLink& link, const std::string& printerName,
                     int32_t i) {
    if (i < 0 || i >= CustomPaperSlotTable::kSlotCount) return -1;
    const int32_t channel = link.OpenChannel(printerName);
    if (channel < 1) return -1;
    Query query{};
    AppendEXSlotQuery(query, SlotNumber(i));
    Reply reply{};
    const int32_t result = link.Exchange(channel, query, reply, kReadTimeoutMs);
    if (result > 0) {
        const auto records = ParseSlotListReply(Received(reply, result));
        if (records && !records->empty()) {
            table.Slot(i).registered = records->front().registered;
            table.Slot(i).name = records->front().name;
        }
    }
    link.CloseChannel(channel);
    return result;
}

int32_t ReadSlotDetails(CustomPaperSlotTable& table, PrinterLink& link,
                        const std::string& printerName, int32_t i) {
    const int32_t index = table.Index(i);
    if (index < 0) return -1;
    Query query{};
    AppendEXDetailQuery(query, static_cast<uint8_t>(kFirstDetailSelector + index));
    Reply reply{};
    const int32_t result = link.Query(printerName, query, reply, kReadTimeoutMs);
    if (result >= 1) ParseSlotDetailReply(Received(reply, result), table.Slot(index));
    return result;
}

int32_t WriteSlot(const CustomPaperSlotTable& table, Spooler& spooler,
                  const std::string& printerName, int32_t i, std::string_view name,
                  const CustomPaperSlot& setting) {
    const int32_t index = table.Index(i);
    if (index < 0) return -1;
    const auto body = BuildSlotWriteBody(SlotNumber(index), name, setting);
    return SendSavedJob(spooler, printerName,
                        [&body](std::span<uint8_t> out) { return AppendEXSlotWrite(out, body); });
}

int32_t SelectSlot(const CustomPaperSlotTable& table, Spooler& spooler,
                   const std::string& printerName, int32_t i) {
    const int32_t index = table.Index(i);
    if (index < 0) return -1;
    return SendSavedJob(spooler, printerName, [index](std::span<uint8_t> out) {
        return AppendEXSelect(out, SlotNumber(index));
    });
}

int32_t SelectNone(Spooler& spooler, const std::string& printerName) {
    return SendSavedJob(spooler, printerName,
                        [](std::span<uint8_t> out) { return AppendEXSelect(out, 0); });
}

int32_t PrintThicknessPattern(Spooler& spooler, const std::string& printerName) {
    JobBuffer job(kPatternJobRoom);
    job.Advance(AppendEnterRemote(job.Rest()));
    job.Advance(AppendSSThickness(job.Rest()));
    job.Advance(AppendExitRemote(job.Rest()));
    job.Advance(AppendJobEnd(job.Rest()));
    return SendRawJob(spooler, printerName, job.Bytes());
}
