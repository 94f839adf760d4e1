#pragma once

#include <vector>

#include "Channel.h"
#include "RqConfig.h"
#include "Socket.h"

namespace rqapi {

// The plain channel: a TCP connection to the printer's control port. Commands go as they are;
// Receive hands out one whole reply at a time and keeps what arrived beyond it.
class PlainChannel : public Channel {
  public:
    PlainChannel(Socket socket, RqSettings settings);

    int32_t Send(const uint8_t* data, int32_t length) override;
    int32_t Receive(uint8_t* buffer, int32_t room, int32_t timeoutMs) override;
    int32_t Status(uint8_t* buffer, int32_t room) override;
    void DiscardPending() override;

  private:
    // Reads until a whole reply is buffered or the time-out ends; false when the connection
    // failed or ended with nothing buffered.
    bool Fill(int32_t timeoutMs);
    int32_t TakeReply(uint8_t* buffer, int32_t room, bool wholeOnly);

    Socket socket_;
    RqSettings settings_;
    std::vector<uint8_t> pending_;
    bool ended_ = false;
};

}  // namespace rqapi
