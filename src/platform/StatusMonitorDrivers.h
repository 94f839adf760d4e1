#pragma once

#include <string>

// The printer maker's status monitor keeps the drivers it serves in the machine-wide key
// "Software\ZENTA\KVT3\Driver" (file Software/ZENTA.ini of the machine's settings folder, one
// group per driver holding at least one value, e.g. [KVT3/Driver/ZENTA%20Corvid%204000] Name=1).
class StatusMonitorDrivers {
  public:
    static constexpr const char* kKeyPath = "Software\\ZENTA\\KVT3\\Driver";

    // True when the driver is listed. A machine without the status monitor's file passes; a file
    // without the key, or a key without the driver, does not.
    static bool IsRegistered(const std::string& driverName);
};
