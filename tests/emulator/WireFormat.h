#pragma once

#include <string>

#include "Bytes.h"

// Bytes as the program under test puts them on the wire, built here independently of the
// emulator's own code so the tests check it against the documented layout.
namespace wire {

// The wrapped-channel GetRequest for a command: single-byte lengths, community "tarnel".
Bytes WrappedRequest(const Bytes& command);
Bytes EnterRemote();
Bytes ExitRemote();
Bytes JobEnd();
Bytes Concat(std::initializer_list<Bytes> parts);
Bytes Hex(const std::string& text);  // "4E 43 02 00" -> bytes; spaces ignored
// The 107-byte slot write packet for slot number 1..10 with the given fields set.
Bytes SlotWrite(int slotNumber, int platen, int forward, int thickness, const std::string& name);
// A valid firmware file (six-character version): 32-byte header with correct length and
// checksum, then payloadSize bytes.
Bytes FirmwareFile(const std::string& version, std::size_t payloadSize);

}  // namespace wire
