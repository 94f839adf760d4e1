#pragma once

#include <sys/types.h>
#include <cstddef>
#include <cstdint>
#include <string>

namespace rqapi {

// An owned, non-blocking socket. Every wait is bounded by the time-out it is given.
class Socket {
  public:
    Socket() = default;
    explicit Socket(int fd) : fd_(fd) {}
    ~Socket();
    Socket(Socket&& other) noexcept;
    Socket& operator=(Socket&& other) noexcept;
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;

    // A UDP socket connected to host:port (replies from elsewhere are dropped by the kernel).
    static Socket Udp(const std::string& host, uint16_t port);
    // A TCP socket whose connect to host:port has been started; see WaitConnected.
    static Socket TcpConnecting(const std::string& host, uint16_t port);

    bool IsOpen() const { return fd_ >= 0; }
    int Fd() const { return fd_; }
    // 1 connected, 0 still connecting after timeoutMs, negative when refused or failed.
    int WaitConnected(int32_t timeoutMs);
    // 1 readable (data, end or error pending), 0 nothing within timeoutMs, -1 failure.
    int WaitReadable(int32_t timeoutMs) const;
    // Sends all bytes within timeoutMs; the count sent, or -1.
    ssize_t SendAll(const uint8_t* data, size_t length, int32_t timeoutMs) const;
    // What is there now: the count read, 0 at the peer's end of stream, -1 on failure, -2 when
    // nothing is waiting.
    ssize_t ReceiveNow(uint8_t* buffer, size_t room) const;

  private:
    int fd_ = -1;
};

}  // namespace rqapi
