#pragma once

#include <cstddef>
#include <cstdint>

// CRC-32 (the zlib/PNG polynomial), fed in pieces, so a journal can fingerprint a job too large
// to write out in full.
class Crc32 {
  public:
    void Add(const std::uint8_t* data, std::size_t length);
    std::uint32_t Value() const { return ~state_; }

  private:
    std::uint32_t state_ = 0xFFFFFFFFu;
};
