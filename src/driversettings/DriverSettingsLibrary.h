#pragma once

#include <cstdint>
#include <string>

#include "platform/DynamicLibrary.h"

class Spooler;

// Run-time binding of the driver-settings library (libztset32.so) of the selected printer's driver.
// Forwarding operations answer -7 without calling when their entry point did not resolve.
class DriverSettingsLibrary {
  public:
    static constexpr int32_t kMissingEntryPoint = -7;

    explicit DriverSettingsLibrary(Spooler& spooler);
    ~DriverSettingsLibrary();
    DriverSettingsLibrary(const DriverSettingsLibrary&) = delete;
    DriverSettingsLibrary& operator=(const DriverSettingsLibrary&) = delete;

    // Loads "libztset32.so" from the driver folder of the printer (an empty folder: the normal
    // library search) and resolves the eleven entry points; true only when the module loaded and
    // all eleven resolved. The module and whatever resolved stay usable when the result is false.
    bool Load(const std::string& printerName);
    void Unload();
    bool IsLoaded() const { return module_.IsOpen(); }

    // flags 2 with a settings record (as returned by GetDevMode), else 0 and no record.
    int32_t Open(const std::string& printerName, const std::string& portName, int32_t flags,
                 const uint8_t* record, int32_t* handle);
    int32_t GetRange(int32_t handle, int32_t item, void* block);
    int32_t GetData(int32_t handle, int32_t item, void* block);
    // Items 20 and 40 take the value itself, every other item the address of its block.
    int32_t SetData(int32_t handle, int32_t item, intptr_t valueOrBlock);
    // With no buffer: the record's size in bytes; with one: non-zero when the record was copied.
    int32_t GetDevMode(int32_t handle, uint8_t* buffer);
    int32_t Close(int32_t handle);

  private:
    // The eleven entry points in the library's fixed order; null when not resolved.
    struct EntryPoints {
        int32_t (*open)(const char*, const char*, int32_t, const uint8_t*, int32_t*) = nullptr;
        int32_t (*getDriverInfo)() = nullptr;
        int32_t (*getCommandLevel)() = nullptr;
        int32_t (*getRange)(int32_t, int32_t, void*) = nullptr;
        int32_t (*getData)(int32_t, int32_t, void*) = nullptr;
        int32_t (*setData)(int32_t, int32_t, intptr_t) = nullptr;
        int32_t (*createDC)() = nullptr;
        int32_t (*resetDC)() = nullptr;
        int32_t (*deleteDC)() = nullptr;
        int32_t (*getDevMode)(int32_t, uint8_t*) = nullptr;
        int32_t (*close)(int32_t) = nullptr;
    };

    Spooler& spooler_;
    DynamicLibrary module_;
    EntryPoints entries_;
};
