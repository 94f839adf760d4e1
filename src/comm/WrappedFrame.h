#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// Commands on the wrapped channel travel as the sub-identifiers of an SNMP v1 GetRequest; replies
// carry the text after the marker "@BDC PS\r\n".

// The whole GetRequest; empty when the command is too long for single-byte lengths.
std::vector<uint8_t> BuildWrappedRequest(std::span<const uint8_t> command);

// Where the reply marker starts among the first 503 positions of what was received; none when it
// is not there in full.
std::optional<size_t> FindReplyMarker(std::span<const uint8_t> received);

constexpr size_t kWrappedReceiveRoom = 512;
