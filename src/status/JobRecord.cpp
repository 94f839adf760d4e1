#include "status/JobRecord.h"

#include <charconv>

#include "comm/ReplyParsers.h"

namespace {

constexpr size_t kRecordSize = 68;
using RecordBytes = std::array<uint8_t, kRecordSize>;

constexpr size_t kNumberAt = 1;
constexpr size_t kStateAt = 3;
constexpr size_t kPaperSourceAt = 4;
constexpr size_t kComputerAt = 7, kComputerSize = 16;
constexpr size_t kJobNameAt = 23, kJobNameSize = 32;
constexpr size_t kInkAt = 55;
constexpr size_t kPaperLengthAt = 57;
constexpr size_t kPaperWidthAt = 59;
constexpr size_t kDateAt = 61;
constexpr size_t kTimeAt = 64;
constexpr size_t kPrintingTimeAt = 66;

// The bytes of the hexadecimal record; those it does not reach stay 0.
RecordBytes DecodeRecord(std::string_view hex) {
    RecordBytes bytes{};
    for (size_t at = 0; at < bytes.size() && 2 * at + 2 <= hex.size(); ++at) {
        const char* pair = hex.data() + 2 * at;
        const auto [end, error] = std::from_chars(pair, pair + 2, bytes[at], 16);
        if (error != std::errc() || end != pair + 2) {
            bytes[at] = 0;
            break;
        }
    }
    return bytes;
}

uint16_t BigEndian16(const RecordBytes& bytes, size_t at) {
    return static_cast<uint16_t>((bytes[at] << 8) | bytes[at + 1]);
}

// How many bytes a UTF-8 character needs, by its first byte; 1 for anything else.
size_t CharacterLength(uint8_t lead) {
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1;
}

// The field's bytes in order without the zero bytes; a last character whose bytes the field cut
// off is dropped.
std::string TextField(const RecordBytes& bytes, size_t at, size_t size) {
    std::string text;
    for (size_t i = at; i < at + size; ++i)
        if (bytes[i] != 0) text += static_cast<char>(bytes[i]);
    size_t lead = text.size();
    while (lead > 0 && text.size() - lead < 3 &&
           (static_cast<uint8_t>(text[lead - 1]) & 0xC0) == 0x80)
        --lead;
    if (lead > 0 && CharacterLength(static_cast<uint8_t>(text[lead - 1])) > text.size() - lead + 1)
        text.resize(lead - 1);
    return text;
}

}  // namespace

std::optional<JobRecord> ParseJobRecord(std::span<const uint8_t> reply) {
    const auto hex = ReplyValue(reply, "JI:");
    if (!hex) return std::nullopt;
    const RecordBytes bytes = DecodeRecord(*hex);
    JobRecord record;
    record.number = bytes[kNumberAt];
    record.state = bytes[kStateAt];
    record.paperSource = bytes[kPaperSourceAt];
    record.computer = TextField(bytes, kComputerAt, kComputerSize);
    record.jobName = TextField(bytes, kJobNameAt, kJobNameSize);
    record.inkMicrolitres = BigEndian16(bytes, kInkAt);
    record.paperLengthMm = BigEndian16(bytes, kPaperLengthAt);
    record.paperWidthMm = BigEndian16(bytes, kPaperWidthAt);
    for (size_t i = 0; i < record.printedDate.size(); ++i)
        record.printedDate[i] = bytes[kDateAt + i];
    for (size_t i = 0; i < record.printedTime.size(); ++i)
        record.printedTime[i] = bytes[kTimeAt + i];
    record.printingSeconds = BigEndian16(bytes, kPrintingTimeAt);
    return record;
}
