#pragma once

#include <cstdint>

// Results of the entry points besides the counts and 0 they return on success.
namespace rqapi {
inline constexpr int32_t kFailure = -1;          // network or system call failed
inline constexpr int32_t kInvalidArgument = -2;  // null pointer, negative size, bad option
inline constexpr int32_t kNoPrinter = -3;        // queue unknown or its device-uri names no host
inline constexpr int32_t kBufferTooSmall = -4;   // *size now holds the size needed
inline constexpr int32_t kBadHandle = -5;        // not an open channel
inline constexpr int32_t kTimedOut = -6;         // the printer did not answer in time
inline constexpr int32_t kRefused = -7;          // nothing listens, or the connection ended
inline constexpr int32_t kNoChannel = -8;        // unknown channel type or no free handle
inline constexpr int32_t kNoSuchObject = -9;     // the agent answered, but without the value

// Channel types the program asks for.
inline constexpr int32_t kPlainChannel = 0x10010003;
inline constexpr int32_t kWrappedChannel = 4;
}  // namespace rqapi
