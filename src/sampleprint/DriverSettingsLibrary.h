#pragma once

#include <string>

#include "platform/DynamicLibrary.h"

class Spooler;

// Run-time binding of the driver-settings library (libztset32.so) of the selected printer's driver.
class DriverSettingsLibrary {
public:
    explicit DriverSettingsLibrary(Spooler& spooler);
    ~DriverSettingsLibrary();
    DriverSettingsLibrary(const DriverSettingsLibrary&) = delete;
    DriverSettingsLibrary& operator=(const DriverSettingsLibrary&) = delete;

    // Loads "libztset32.so" from the driver folder of the printer (an empty folder: the normal
    // library search) and resolves the eleven entry points; true when the module loaded.
    bool Load(const std::string& printerName);
    void Unload();
    bool IsLoaded() const { return module_.IsOpen(); }

private:
    Spooler& spooler_;
    DynamicLibrary module_;
};
