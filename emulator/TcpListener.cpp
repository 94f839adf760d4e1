#include "TcpListener.h"

#include <sys/socket.h>

#include <cerrno>
#include <cstring>

#include "SocketAddress.h"

bool TcpListener::Open(std::string& error) {
    FileDescriptor fd(socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    const int on = 1;
    setsockopt(fd.Get(), SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in address = MakeAddress(address_, port_);
    if (!fd.Valid() || bind(fd.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(fd.Get(), 64) != 0) {
        error = "cannot listen on " + address_ + ":" + std::to_string(port_) + ": " +
                std::strerror(errno);
        return false;
    }
    socklen_t length = sizeof address;
    getsockname(fd.Get(), reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    fd_ = std::move(fd);
    return true;
}

bool TcpListener::SetOpen(bool open, std::string& error) {
    if (open == IsOpen()) return true;
    if (open) return Open(error);
    Close();
    return true;
}

FileDescriptor TcpListener::Accept(sockaddr_in& peer) {
    socklen_t length = sizeof peer;
    return FileDescriptor(accept4(fd_.Get(), reinterpret_cast<sockaddr*>(&peer), &length,
                                  SOCK_NONBLOCK | SOCK_CLOEXEC));
}
