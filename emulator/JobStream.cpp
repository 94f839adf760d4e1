#include "JobStream.h"

#include <cstring>

namespace {
constexpr std::uint8_t kEsc = 0x1B;
constexpr std::uint8_t kEnterRemoteBytes[] = {0x1B, 0x40, 0x1B, 0x28, 0x52, 0x08, 0x00, 0x00,
                                              'R',  'E',  'M',  'O',  'T',  'E',  '1'};
constexpr std::uint8_t kExitRemoteBytes[] = {0x1B, 0x00, 0x00, 0x00};
constexpr std::uint8_t kJobEndBytes[] = {0x0D, 0x0A, 0x0C, 0x1B, 0x40};
constexpr char kPdfMagic[] = "%PDF-";

bool IsLetter(std::uint8_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// How data compares with a fixed sequence: all of it there, a prefix of it (more may come), or
// different.
enum class Match { kFull, kPrefix, kNo };

Match MatchFixed(const std::uint8_t* data, std::size_t length, const std::uint8_t* fixed,
                 std::size_t fixedLength) {
    const std::size_t compared = length < fixedLength ? length : fixedLength;
    if (std::memcmp(data, fixed, compared) != 0) return Match::kNo;
    return compared == fixedLength ? Match::kFull : Match::kPrefix;
}

JobPacket Make(JobPacket::Kind kind, std::size_t length, const char* name) {
    JobPacket packet;
    packet.kind = kind;
    packet.length = length;
    packet.name = name;
    return packet;
}

// A packet made of a fixed header and a 16-bit little-endian parameter length.
bool ScanLengthPrefixed(const std::uint8_t* data, std::size_t length, bool atEnd,
                        std::size_t header, JobPacket::Kind kind, const char* name,
                        JobPacket& packet) {
    if (length < header) {
        if (!atEnd) return false;
        packet = Make(JobPacket::kTruncated, length, name);
        return true;
    }
    const std::size_t total = header + (data[header - 2] | (std::size_t{data[header - 1]} << 8));
    if (length < total) {
        if (!atEnd) return false;
        packet = Make(JobPacket::kTruncated, length, name);
        return true;
    }
    packet = Make(kind, total, name);
    return true;
}

bool IsKnownCommand(std::uint8_t first, std::uint8_t second) {
    static constexpr const char* kKnown[] = {"NC", "CH", "VI", "PH", "SN", "DT", "DA",
                                             "SV", "LD", "SS", "EX", "JI", "st"};
    for (const char* name : kKnown) {
        if (name[0] == first && name[1] == second) return true;
    }
    return false;
}

// Whether a packet could begin at data[0], to end a run of unknown bytes. Inside such a run only
// the printer's own commands count, or stray text would swallow the command after it.
bool CouldBeginPacket(const std::uint8_t* data, std::size_t length) {
    const std::uint8_t c = data[0];
    if (c == kEsc || c == 0x0D || c == 0x11 || c == '%') return true;
    if (!IsLetter(c)) return false;
    if (length < 2) return true;
    if (!IsKnownCommand(c, data[1])) return false;
    if (length < 4) return true;
    return (data[2] | (std::size_t{data[3]} << 8)) <= JobStream::kMaxCommandParameters;
}

bool ScanEscape(const std::uint8_t* data, std::size_t length, bool atEnd, JobPacket& packet) {
    switch (MatchFixed(data, length, kEnterRemoteBytes, sizeof kEnterRemoteBytes)) {
        case Match::kFull:
            packet = Make(JobPacket::kEnterRemote, sizeof kEnterRemoteBytes, "EnterRemote");
            return true;
        case Match::kPrefix:
            if (!atEnd) return false;
            break;
        case Match::kNo:
            break;
    }
    if (length < 2) {
        if (!atEnd) return false;
        packet = Make(JobPacket::kTruncated, length, "Esc");
        return true;
    }
    switch (data[1]) {
        case 0x40:
            packet = Make(JobPacket::kReset, 2, "Reset");
            return true;
        case 0x00:
            switch (MatchFixed(data, length, kExitRemoteBytes, sizeof kExitRemoteBytes)) {
                case Match::kFull:
                    packet = Make(JobPacket::kExitRemote, sizeof kExitRemoteBytes, "ExitRemote");
                    return true;
                case Match::kPrefix:
                    if (!atEnd) return false;
                    packet = Make(JobPacket::kTruncated, length, "ExitRemote");
                    return true;
                case Match::kNo:
                    break;
            }
            break;
        case 0x7C:
            return ScanLengthPrefixed(data, length, atEnd, JobPacket::kEscHeader,
                                      JobPacket::kEscBar, "EscBar", packet);
        case 0x7D:
            return ScanLengthPrefixed(data, length, atEnd, JobPacket::kEscHeader,
                                      JobPacket::kEscBrace, "EscBrace", packet);
        case 0x28:
            // ESC ( c, 16-bit length: a mode command other than the remote-mode entry.
            return ScanLengthPrefixed(data, length, atEnd, JobPacket::kEscHeader,
                                      JobPacket::kUnknown, "EscParen", packet);
        default:
            break;
    }
    packet = Make(JobPacket::kUnknown, 2, "Esc");
    return true;
}
}  // namespace

bool JobStream::ScanPacket(const std::uint8_t* data, std::size_t length, bool atEnd,
                           JobPacket& packet) {
    const std::uint8_t first = data[0];
    if (first == kEsc) return ScanEscape(data, length, atEnd, packet);
    if (first == 0x0D) {
        const Match match = MatchFixed(data, length, kJobEndBytes, sizeof kJobEndBytes);
        if (match == Match::kFull) {
            packet = Make(JobPacket::kJobEnd, sizeof kJobEndBytes, "JobEnd");
            return true;
        }
        if (match == Match::kPrefix && !atEnd) return false;
    }
    if (first == 0x11) {
        std::size_t run = 1;
        while (run < length && data[run] == 0x11) ++run;
        if (run == length && !atEnd) return false;
        packet = Make(JobPacket::kPadding, run, "Padding");
        return true;
    }
    if (first == '%') {
        const Match match = MatchFixed(
            data, length, reinterpret_cast<const std::uint8_t*>(kPdfMagic), sizeof kPdfMagic - 1);
        if (match != Match::kNo) {
            if (!atEnd) return false;
            if (match == Match::kFull) {
                packet = Make(JobPacket::kPdf, length, "PDF");
                return true;
            }
        }
    }
    if (IsLetter(first) && (length < 2 || IsLetter(data[1]))) {
        if (length < 4 && !atEnd) return false;
        if (length < 4 || (data[2] | (std::size_t{data[3]} << 8)) <= kMaxCommandParameters) {
            const char name[3] = {static_cast<char>(first),
                                  length > 1 ? static_cast<char>(data[1]) : '?', '\0'};
            return ScanLengthPrefixed(data, length, atEnd, JobPacket::kCommandHeader,
                                      JobPacket::kCommand, name, packet);
        }
    }
    // A run of bytes that begin nothing; it ends where something could begin.
    std::size_t run = 1;
    while (run < length && !CouldBeginPacket(data + run, length - run)) ++run;
    packet = Make(JobPacket::kUnknown, run, "Unknown");
    return true;
}

std::size_t JobStream::FirmwareFileSize(const std::uint8_t* data, std::size_t length) {
    if (length < 12) return 0;
    const std::uint32_t payload = data[8] | (std::uint32_t{data[9]} << 8) |
                                  (std::uint32_t{data[10]} << 16) | (std::uint32_t{data[11]} << 24);
    return 32 + static_cast<std::size_t>(payload);
}

std::vector<JobPacket> JobStream::Parse(const std::uint8_t* data, std::size_t length) {
    std::vector<JobPacket> packets;
    std::size_t offset = 0;
    bool firmwareFollows = false;
    while (offset < length) {
        const std::size_t remaining = length - offset;
        JobPacket packet;
        if (firmwareFollows) {
            const std::size_t declared = FirmwareFileSize(data + offset, remaining);
            packet = Make(JobPacket::kFirmware, remaining, "Firmware");
            if (declared >= 32 && declared <= remaining) {
                packet.length = declared;
            } else {
                packet.complete = false;
            }
        } else {
            ScanPacket(data + offset, remaining, true, packet);
        }
        firmwareFollows = packet.kind == JobPacket::kEscBrace;
        packet.offset = offset;
        offset += packet.length;
        packets.push_back(std::move(packet));
    }
    return packets;
}
