#include "Socket.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <cerrno>

#include <memory>

#include "Deadline.h"

namespace rqapi {
namespace {

// Connects a new non-blocking socket of the type to the first address of host:port.
int OpenConnected(const std::string& host, uint16_t port, int type, bool& inProgress) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = type;
    hints.ai_flags = AI_NUMERICSERV;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) return -1;
    std::unique_ptr<addrinfo, decltype(&freeaddrinfo)> addresses(found, &freeaddrinfo);
    const int fd = socket(found->ai_family, type | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    if (connect(fd, found->ai_addr, found->ai_addrlen) == 0) {
        inProgress = false;
        return fd;
    }
    if (errno == EINPROGRESS) {
        inProgress = true;
        return fd;
    }
    close(fd);
    return -1;
}

}  // namespace

Socket::~Socket() {
    if (fd_ >= 0) close(fd_);
}

Socket::Socket(Socket&& other) noexcept : fd_(other.fd_) {
    other.fd_ = -1;
}

Socket& Socket::operator=(Socket&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) close(fd_);
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

Socket Socket::Udp(const std::string& host, uint16_t port) {
    bool inProgress = false;
    return Socket(OpenConnected(host, port, SOCK_DGRAM, inProgress));
}

Socket Socket::TcpConnecting(const std::string& host, uint16_t port) {
    bool inProgress = false;
    return Socket(OpenConnected(host, port, SOCK_STREAM, inProgress));
}

int Socket::WaitConnected(int32_t timeoutMs) {
    if (fd_ < 0) return -1;
    pollfd entry{fd_, POLLOUT, 0};
    const int ready = poll(&entry, 1, timeoutMs);
    if (ready == 0) return 0;
    if (ready < 0) return -1;
    int error = 0;
    socklen_t length = sizeof(error);
    if (getsockopt(fd_, SOL_SOCKET, SO_ERROR, &error, &length) != 0 || error != 0) return -1;
    return 1;
}

int Socket::WaitReadable(int32_t timeoutMs) const {
    if (fd_ < 0) return -1;
    pollfd entry{fd_, POLLIN, 0};
    for (;;) {
        const int ready = poll(&entry, 1, timeoutMs);
        if (ready >= 0) return ready > 0 ? 1 : 0;
        if (errno != EINTR) return -1;
    }
}

ssize_t Socket::SendAll(const uint8_t* data, size_t length, int32_t timeoutMs) const {
    if (fd_ < 0) return -1;
    const Deadline deadline(timeoutMs);
    size_t sent = 0;
    while (sent < length) {
        const ssize_t count = send(fd_, data + sent, length - sent, MSG_NOSIGNAL);
        if (count > 0) {
            sent += static_cast<size_t>(count);
            continue;
        }
        if (count < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) return -1;
        pollfd entry{fd_, POLLOUT, 0};
        if (deadline.Expired() || poll(&entry, 1, deadline.RemainingMs()) <= 0) return -1;
    }
    return static_cast<ssize_t>(sent);
}

ssize_t Socket::ReceiveNow(uint8_t* buffer, size_t room) const {
    if (fd_ < 0) return -1;
    for (;;) {
        const ssize_t count = recv(fd_, buffer, room, 0);
        if (count >= 0) return count;
        if (errno == EINTR) continue;
        return (errno == EAGAIN || errno == EWOULDBLOCK) ? -2 : -1;
    }
}

}  // namespace rqapi
