#pragma once

#include <netinet/in.h>

#include <string>

#include "FileDescriptor.h"

// A listening TCP socket that can be closed and opened again on the same port (port 0 at the
// first opening picks a free one, kept from then on).
class TcpListener {
  public:
    TcpListener(std::string address, int port) : address_(std::move(address)), port_(port) {}

    bool Open(std::string& error);
    void Close() { fd_.Reset(); }
    // Opens or closes unless already so; false (and why) when reopening fails.
    bool SetOpen(bool open, std::string& error);
    bool IsOpen() const { return fd_.Valid(); }
    int Port() const { return port_; }
    int Fd() const { return fd_.Get(); }
    // The next waiting connection, non-blocking; invalid when there is none.
    FileDescriptor Accept(sockaddr_in& peer);

  private:
    std::string address_;
    int port_;
    FileDescriptor fd_;
};
