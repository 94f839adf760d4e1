#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

// SNMP v1 messages as the library sends and receives them: GetRequests for one object and the
// GetResponse that answers them. Parsing never reads past the datagram it is given.
namespace rqapi {

// Object identifier contents (without tag and length) of dotted arcs; the first two arcs are
// folded into one byte as BER requires.
std::vector<uint8_t> EncodeObjectIdentifier(std::span<const uint32_t> arcs);

// The object identifier that carries a remote-mode command on the wrapped channel: the 14-byte
// prefix 1.3.6.1.4.1.1248.1.2.2.40.1.1.2, then the tail (length + 3, 08, length big-endian,
// command), each tail byte of 0x80 or more written as 0x81, byte - 0x80.
std::vector<uint8_t> WrappedCommandIdentifier(std::span<const uint8_t> command);

// A GetRequest for one object with a null value.
std::vector<uint8_t> EncodeGetRequest(std::string_view community, int32_t requestId,
                                      std::span<const uint8_t> objectIdentifier);

struct GetResponse {
    int32_t requestId = 0;
    int32_t errorStatus = 0;
    uint8_t valueTag = 0;
    std::vector<uint8_t> value;
};

// The response of a datagram, or none when it is not a well-formed v1 GetResponse with one
// variable binding.
std::optional<GetResponse> DecodeGetResponse(std::span<const uint8_t> datagram);

inline constexpr uint8_t kOctetStringTag = 0x04;

}  // namespace rqapi
