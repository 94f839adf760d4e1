#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "Channel.h"

namespace rqapi {

// Everything the library keeps between calls: the table of open channels, whose handles are
// the table index + 1. The entry points forward here; arguments are checked before use.
class RqLibrary {
  public:
    static RqLibrary& Instance();

    int32_t Initialize();
    int32_t Release();
    int32_t GetDeviceID(const char* printer, char* buffer, int32_t* size);
    int32_t GetAvailableChannel(const char* printer, uint8_t* buffer, int32_t* size);
    int32_t OpenChannel(const char* printer, int32_t channelType);
    int32_t CloseChannel(int32_t channel);
    int32_t SetOption(int32_t channel, int32_t option, const void* value, int32_t size);
    int32_t GetOption(int32_t channel, int32_t option, void* value, int32_t* size);
    int32_t ReceiveCancel(int32_t channel);
    int32_t GetStatus(int32_t channel, uint8_t* buffer, int32_t* size);
    int32_t Send(int32_t channel, const uint8_t* data, int32_t length);
    int32_t Receive(int32_t channel, uint8_t* buffer, int32_t* size, int32_t timeoutMs);

  private:
    static constexpr size_t kMaxChannels = 64;

    Channel* Find(int32_t channel) const;

    std::array<std::unique_ptr<Channel>, kMaxChannels> channels_;
};

}  // namespace rqapi
