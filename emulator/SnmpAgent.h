#pragma once

#include <cstdint>
#include <string>

#include "Bytes.h"
#include "ChannelResponder.h"
#include "Printer.h"

// Answers SNMP v1 datagrams: the wrapped channel under its fixed object identifier, the standard
// objects for everything else. Unknown objects get noSuchName, never silence; only what is not an
// SNMP message at all, or carries a foreign community, goes unanswered.
class SnmpAgent {
  public:
    struct Exchange {
        std::string kind;  // "wrapped", "get", "getnext", "set", "malformed", "community"
        Bytes command;     // the wrapped command
        std::string note;  // objects asked for, or what was answered
    };

    explicit SnmpAgent(Printer& printer) : printer_(printer), responder_(printer) {}

    // The reply datagram; empty when none is due.
    Bytes Handle(const std::uint8_t* data, std::size_t length, std::int64_t nowMs,
                 std::uint32_t upTimeCentiseconds, Exchange& exchange);

  private:
    Printer& printer_;
    ChannelResponder responder_;
};
