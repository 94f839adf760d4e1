#pragma once

#include <cstdint>
#include <map>

#include "Printer.h"
#include "SnmpMessage.h"

// The standard objects a network printer answers (system group, host resources, Printer MIB
// supplies, the IEEE 1284 device ID), as a sorted table built from the printer's current state.
class StandardObjects {
  public:
    StandardObjects(const Printer& printer, std::int64_t nowMs, std::uint32_t upTimeCentiseconds);

    // The binding for exactly this OID; false when there is no such object.
    bool Get(const ObjectIdentifier& oid, SnmpMessage::VarBind& binding) const;
    // The first object after oid; false past the last one.
    bool GetNext(const ObjectIdentifier& oid, SnmpMessage::VarBind& binding) const;

    static const ObjectIdentifier& DeviceIdOid();

  private:
    void AddText(const ObjectIdentifier& oid, const std::string& text);
    void AddInteger(const ObjectIdentifier& oid, std::int32_t value,
                    std::uint8_t tag = SnmpMessage::kInteger);

    std::map<ObjectIdentifier, SnmpMessage::VarBind> objects_;
};
