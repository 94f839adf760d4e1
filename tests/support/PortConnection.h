#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A TCP connection to one of an emulated printer's ports, past CUPS and the library; closed with
// the object.
class PortConnection {
  public:
    PortConnection(const std::string& address, uint16_t port);
    ~PortConnection();
    PortConnection(const PortConnection&) = delete;
    PortConnection& operator=(const PortConnection&) = delete;

    // False when the port refused the connection.
    bool IsOpen() const { return fd_ >= 0; }
    bool Send(const std::vector<uint8_t>& bytes) const;
    // What arrives next within timeoutMs; empty after it, or when the printer closed.
    std::vector<uint8_t> Receive(int timeoutMs = 2000) const;
    // Half-closes, then waits for the printer to close its side: true when it did in time.
    bool Finish(int timeoutMs = 5000) const;

    // One datagram to a UDP port and its answer; empty after timeoutMs without one.
    static std::vector<uint8_t> Datagram(const std::string& address, uint16_t port,
                                         const std::vector<uint8_t>& request, int timeoutMs);

  private:
    int fd_ = -1;
};
