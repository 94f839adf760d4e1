#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/DynamicLibrary.h"

// The test's handle on a scripted communication library: the same module the program loads, so
// the script set here is what the program's calls see.
class ScriptedLibrary {
  public:
    explicit ScriptedLibrary(const std::string& path);

    static std::string Folder();
    static std::string CompleteName() { return "libscripted_rqapi.so"; }
    static std::string IncompleteName() { return "libincomplete_rqapi.so"; }

    void Reset();
    void SetResult(const char* entry, int32_t result);
    // Channel records (type little-endian, capability byte, 3 unread bytes) and the list's result.
    void SetChannels(const std::vector<std::pair<uint32_t, uint8_t>>& records);
    void SetChannelBytes(const std::vector<uint8_t>& bytes, int32_t listResult);
    void SetDeviceId(const std::string& deviceId);
    void QueueStatus(int32_t result, const std::vector<uint8_t>& bytes);
    void QueueReceive(int32_t result, const std::vector<uint8_t>& bytes);
    // Channels opened and not closed again.
    int32_t OpenChannels() const;
    std::vector<uint8_t> Sent(int32_t index) const;

  private:
    template <typename Function>
    Function Resolve(const char* name) const;

    DynamicLibrary module_;
};
