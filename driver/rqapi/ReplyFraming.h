#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace rqapi {

// How many of the received bytes form the first whole reply of the plain channel, or 0 while it
// is still incomplete. A reply is a text line ending in "\r\n", then either a status block
// (line "@BDC ST2": a 16-bit little-endian length and that many bytes) or a text that ends at
// its first ";".
size_t CompleteReplyLength(std::span<const uint8_t> received);

}  // namespace rqapi
