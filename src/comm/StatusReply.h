#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// One ink slot as field 0x0F reports it: the ink's code and the percent left.
struct InkEntry {
    uint8_t code = 0;
    uint8_t percent = 0;
    bool operator==(const InkEntry&) const = default;
};

// One binary status block: a 16-bit little-endian length L, then fields (type, data length n,
// n data bytes) filling L bytes. Every test stays inside the bytes held, whatever the lengths say.
class StatusReply {
  public:
    // Takes over a block; false (holding nothing) when it is shorter than its length word or the
    // length is 0. Only bytes present are copied: a block whose L runs past them is cut there.
    bool Assign(std::span<const uint8_t> bytes);

    bool IsEmpty() const { return block_.empty(); }
    // Status code 4.
    bool IsReady() const;
    // Status code 0.
    bool IsError() const;
    // The level of field 0x0D is 12 or less.
    bool IsField0DAtMost12() const;
    // Some ink entry of field 0x0F has a third byte of 25 or less.
    bool HasEntryAtMost25() const;
    // 8 when the ink entries name the eight-slot set, else 4.
    int32_t InkSlotCount() const;
    // The ink entries in the printer's slot order; entries shorter than three bytes, or cut off by
    // the end of the block, are left out.
    std::vector<InkEntry> InkEntries() const;

  private:
    // The data of the first field of that type, cut at the end of the block; none when absent.
    std::optional<std::span<const uint8_t>> FieldData(uint8_t type) const;

    std::vector<uint8_t> block_;
};
