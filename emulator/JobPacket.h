#pragma once

#include <cstddef>
#include <string>

// One packet found in a job stream, as a window into the stream's bytes.
struct JobPacket {
    enum Kind {
        kEnterRemote,  // 1B 40 1B 28 52 08 00 00 "REMOTE1"
        kExitRemote,   // 1B 00 00 00
        kJobEnd,       // 0D 0A 0C 1B 40
        kReset,        // 1B 40 on its own
        kCommand,      // two letters, 16-bit little-endian length, parameters
        kEscBar,       // 1B 7C 01, 16-bit little-endian length, parameters
        kEscBrace,     // 1B 7D 01, 16-bit little-endian length, parameters; a firmware file follows
        kFirmware,     // the firmware file after kEscBrace (complete = its header's length arrived)
        kPadding,      // a run of 0x11 bytes
        kPdf,          // a document from "%PDF-" to the end of the job
        kUnknown,      // bytes that begin no packet, skipped
        kTruncated,    // a packet cut off by the end of the job
    };

    Kind kind = kUnknown;
    std::size_t offset = 0;
    std::size_t length = 0;
    std::string name;      // two letters for kCommand, else the kind's name
    bool complete = true;  // false only for a firmware file shorter than its header says

    // Parameters of a kCommand, kEscBar or kEscBrace start this far into the packet.
    static constexpr std::size_t kCommandHeader = 4;
    static constexpr std::size_t kEscHeader = 5;
};
