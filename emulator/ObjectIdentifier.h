#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Bytes.h"

using ObjectIdentifier = std::vector<std::uint32_t>;

// Sub-identifiers from the contents octets of an OID: base-128 digits, the first one holding the
// first two arcs. False for an empty contents, a sub-identifier cut off at the end, or one above
// 32 bits.
bool DecodeObjectIdentifier(const std::uint8_t* contents, std::size_t length,
                            ObjectIdentifier& oid);
// Contents octets (without tag and length); an OID of fewer than two arcs encodes as its first.
Bytes EncodeObjectIdentifier(const ObjectIdentifier& oid);
std::string ObjectIdentifierText(const ObjectIdentifier& oid);
