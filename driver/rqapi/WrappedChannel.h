#pragma once

#include <span>
#include <vector>

#include "Channel.h"
#include "RqConfig.h"
#include "Socket.h"

namespace rqapi {

// The wrapped channel: datagrams to and from the printer's SNMP agent. Sends and receives carry
// the caller's bytes unchanged; only Status builds a request of its own.
class WrappedChannel : public Channel {
  public:
    WrappedChannel(Socket socket, RqSettings settings);

    int32_t Send(const uint8_t* data, int32_t length) override;
    int32_t Receive(uint8_t* buffer, int32_t room, int32_t timeoutMs) override;
    int32_t Status(uint8_t* buffer, int32_t room) override;
    void DiscardPending() override;

    // Sends a GetRequest for one object and returns the OCTET STRING value of the matching
    // response (its size), or a negative result code: kTimedOut, kRefused, kNoSuchObject (an
    // error status or another value type).
    static int32_t Get(const Socket& socket, std::string_view community, int32_t requestId,
                       std::span<const uint8_t> objectIdentifier, int32_t timeoutMs,
                       std::vector<uint8_t>& value);

  private:
    Socket socket_;
    RqSettings settings_;
    int32_t nextRequestId_ = 1000;
};

}  // namespace rqapi
