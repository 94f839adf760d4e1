#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Bytes.h"
#include "ObjectIdentifier.h"

// One SNMP v1 message (version, community, one PDU) as it travels in a datagram.
struct SnmpMessage {
    enum PduType : std::uint8_t { kGetRequest = 0xA0, kGetNextRequest = 0xA1, kGetResponse = 0xA2 };
    enum ErrorStatus : std::int32_t { kNoError = 0, kNoSuchName = 2 };
    enum ValueTag : std::uint8_t {
        kInteger = 0x02,
        kOctetString = 0x04,
        kNull = 0x05,
        kOid = 0x06,
        kTimeTicks = 0x43,
    };

    struct VarBind {
        ObjectIdentifier oid;
        std::uint8_t valueTag = kNull;
        Bytes value;  // contents octets of the value, as encoded
    };

    std::int32_t version = 0;
    std::string community;
    std::uint8_t pduType = kGetRequest;
    std::int32_t requestId = 0;
    std::int32_t errorStatus = kNoError;
    std::int32_t errorIndex = 0;
    std::vector<VarBind> bindings;

    // False for anything that is not one well-formed message filling the datagram exactly.
    static bool Decode(const std::uint8_t* data, std::size_t length, SnmpMessage& message);
    Bytes Encode() const;

    static Bytes IntegerContents(std::int32_t value);
};
