#pragma once

// Bytes as the program puts them on the wire and the printer answers them, written down here
// independently of the code under test: hex text, status blocks and replies, the wrapped request
// around a command, and the jobs the pages send.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace wire {

using Bytes = std::vector<uint8_t>;

// "4E 43 02 00" -> bytes, spaces ignored; empty when a digit is missing or not hexadecimal.
Bytes Hex(std::string_view text);
Bytes Text(std::string_view text);
Bytes Concat(std::initializer_list<Bytes> parts);

Bytes EnterRemote();
Bytes ExitRemote();
Bytes JobEnd();
// EnterRemote, CH, ExitRemote.
Bytes CleaningJob();
// EnterRemote, NC 0, VI, ExitRemote, JobEnd.
Bytes NozzleCheckJob();
// The 107-byte slot write packet for slot 1..10 with these fields set, the rest as the template.
Bytes SlotWrite(int slotNumber, int platen, int feed, int thickness, const std::string& name);

// A status block as the printer sends it: fields 01 status code, 02 error code (1 with status
// 0), 04 warning bits (0x01 some ink at most 25, 0x02 level at most 12), 0D level, 0F one 3-byte
// entry (slot, ink code, percent) per ink percent with the ink codes in the 8-slot model's order
// (the 4-slot model has the first four), 13 paper.
Bytes StatusBlock(uint8_t statusCode, uint8_t level = 80,
                  const std::vector<uint8_t>& inkPercents = {100, 100, 100, 100});
// A block of these fields (type, length, data each), its length word in front.
Bytes Block(const Bytes& fields);
// "@BDC ST2\r\n" and the block.
Bytes StatusReply(const Bytes& block);
// "@BDC PS\r\n" and the text.
Bytes Reply(std::string_view text);

// The wrapped channel's GetRequest for a command: single-byte lengths, community "tarnel", every
// byte of 0x80 or more escaped as 0x81, byte - 0x80.
Bytes WrappedRequest(const Bytes& command);

}  // namespace wire
