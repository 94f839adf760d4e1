#pragma once

#include <cstdint>

namespace rqapi {

// One open channel to a printer. Results follow the entry points: counts of 1 or more, 0 for
// nothing within the time-out, negative result codes (ResultCode.h) for failures.
class Channel {
  public:
    virtual ~Channel() = default;
    virtual int32_t Send(const uint8_t* data, int32_t length) = 0;
    virtual int32_t Receive(uint8_t* buffer, int32_t room, int32_t timeoutMs) = 0;
    // Asks the printer for its status; the reply ("@BDC ST2\r\n" and the status block) goes to
    // buffer. The count copied, or a negative result code.
    virtual int32_t Status(uint8_t* buffer, int32_t room) = 0;
    // Drops whatever has arrived and not been read.
    virtual void DiscardPending() = 0;
};

}  // namespace rqapi
