#pragma once

#include <cstddef>
#include <cstdint>

// Walks the type-length-value elements of a BER encoding without ever reading past its end.
// Short and long definite lengths (up to four length bytes) are accepted; the indefinite form,
// which SNMP never uses, is refused.
class BerReader {
  public:
    BerReader(const std::uint8_t* data, std::size_t length) : data_(data), length_(length) {}

    // Reads the next element; false (and no movement) when it is malformed or runs past the end.
    bool Next(std::uint8_t& tag, const std::uint8_t*& contents, std::size_t& contentLength);
    bool NextInteger(std::int32_t& value);
    bool AtEnd() const { return offset_ == length_; }

    static bool DecodeInteger(const std::uint8_t* contents, std::size_t length,
                              std::int32_t& value);

  private:
    const std::uint8_t* data_;
    std::size_t length_;
    std::size_t offset_ = 0;
};
