#pragma once

#include "Bytes.h"
#include "ObjectIdentifier.h"

// The wrapped channel carries a command as the sub-identifiers that follow a fixed object
// identifier: one byte length+3, 0x08, the length high byte first, then the command bytes.
class WrappedCommand {
  public:
    enum Result { kCommand, kNotWrapped, kMalformed };

    // The fixed object identifier 1.3.6.1.4.1.1248.1.2.2.40.1.1.2 itself.
    static const ObjectIdentifier& Prefix();

    // kCommand with the command bytes; kNotWrapped when the OID does not start with the prefix;
    // kMalformed when the tail is cut short, inconsistent, or has a sub-identifier above 255.
    static Result Extract(const ObjectIdentifier& oid, Bytes& command);
};
