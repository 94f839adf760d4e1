#pragma once

#include <cstdint>
#include <string>

#include "platform/DynamicLibrary.h"

class Spooler;

// Run-time binding of the printer maker's communication library (librqapi.so). Wrappers answer
// -100 for an entry point that did not resolve.
class CommLibrary {
  public:
    explicit CommLibrary(Spooler& spooler);
    ~CommLibrary();
    CommLibrary(const CommLibrary&) = delete;
    CommLibrary& operator=(const CommLibrary&) = delete;

    // By name first when tryDefaultFirst, else (or then) the path from the queue's driver.
    bool Load(const std::string& printerName, bool tryDefaultFirst);
    // RQRelease, free the module, clear every entry point; true when RQRelease reported success.
    bool Unload();
    bool IsLoaded() const { return module_.IsOpen(); }

    int32_t Initialize();
    int32_t Release();
    int32_t GetDeviceID(int32_t port, const char* printer, char* buffer, int32_t* size);
    int32_t GetAvailableChannel(int32_t port, const char* printer, uint8_t* buffer, int32_t* size);
    int32_t OpenChannel(int32_t port, const char* printer, int32_t channelType);
    int32_t CloseChannel(int32_t channel);
    int32_t GetStatus(int32_t channel, uint8_t* buffer, int32_t* size);
    int32_t Send(int32_t channel, const uint8_t* data, int32_t length);
    int32_t Receive(int32_t channel, uint8_t* buffer, int32_t* size, int32_t timeoutMs);

  private:
    // The RQAPII attribute of the queue's driver in the driver's folder; empty when not configured.
    std::string LibraryPathFromDriver(const std::string& printerName);

    // The twelve entry points in the library's fixed order; null when not resolved.
    struct EntryPoints {
        int32_t (*initialize)() = nullptr;
        int32_t (*release)() = nullptr;
        int32_t (*getDeviceID)(int32_t, const char*, char*, int32_t*) = nullptr;
        int32_t (*getAvailableChannel)(int32_t, const char*, uint8_t*, int32_t*) = nullptr;
        int32_t (*openChannel)(int32_t, const char*, int32_t) = nullptr;
        int32_t (*closeChannel)(int32_t) = nullptr;
        int32_t (*setOption)() = nullptr;
        int32_t (*getOption)() = nullptr;
        int32_t (*receiveCancel)() = nullptr;
        int32_t (*getStatus)(int32_t, uint8_t*, int32_t*) = nullptr;
        int32_t (*send)(int32_t, const uint8_t*, int32_t) = nullptr;
        int32_t (*receive)(int32_t, uint8_t*, int32_t*, int32_t) = nullptr;
    };

    Spooler& spooler_;
    DynamicLibrary module_;
    EntryPoints entries_;
};
