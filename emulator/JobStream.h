#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "JobPacket.h"

// Splits the bytes a printer receives into packets. Nothing is ever read past the given length;
// bytes that begin no packet are reported as kUnknown and skipped, so a damaged job still yields
// every packet that can be recognised after the damage.
class JobStream {
  public:
    // Two-letter commands with a longer parameter length are taken for stray text.
    static constexpr std::size_t kMaxCommandParameters = 4096;

    // The packet at the start of data. With atEnd false, a packet that may still be completed by
    // more bytes gives false (wait for more); with atEnd true it always gives a packet, possibly
    // kTruncated. Never called with length 0.
    static bool ScanPacket(const std::uint8_t* data, std::size_t length, bool atEnd,
                           JobPacket& packet);

    // A whole job: the packets in order, covering every byte exactly once. The bytes after an
    // EscBrace packet are a firmware file whose header gives its length.
    static std::vector<JobPacket> Parse(const std::uint8_t* data, std::size_t length);

    // Firmware file size from its header (32 + payload length), 0 when fewer than 12 bytes.
    static std::size_t FirmwareFileSize(const std::uint8_t* data, std::size_t length);
};
