#include "PortConnection.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

sockaddr_in SocketAddress(const std::string& host, uint16_t port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    inet_pton(AF_INET, host.c_str(), &address.sin_addr);
    return address;
}

bool WaitReadable(int fd, int timeoutMs) {
    pollfd entry{fd, POLLIN, 0};
    return poll(&entry, 1, timeoutMs) == 1;
}

std::vector<uint8_t> ReceiveFrom(int fd, int timeoutMs) {
    std::vector<uint8_t> bytes(65536);
    const ssize_t count = WaitReadable(fd, timeoutMs) ? recv(fd, bytes.data(), bytes.size(), 0) : 0;
    bytes.resize(count > 0 ? static_cast<size_t>(count) : 0);
    return bytes;
}

}  // namespace

PortConnection::PortConnection(const std::string& address, uint16_t port)
    : fd_(socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
    const sockaddr_in to = SocketAddress(address, port);
    if (fd_ >= 0 && connect(fd_, reinterpret_cast<const sockaddr*>(&to), sizeof to) != 0) {
        close(fd_);
        fd_ = -1;
    }
}

PortConnection::~PortConnection() {
    if (fd_ >= 0) close(fd_);
}

bool PortConnection::Send(const std::vector<uint8_t>& bytes) const {
    for (size_t sent = 0; sent < bytes.size();) {
        const ssize_t count = send(fd_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (count <= 0) return false;
        sent += static_cast<size_t>(count);
    }
    return true;
}

std::vector<uint8_t> PortConnection::Receive(int timeoutMs) const {
    return ReceiveFrom(fd_, timeoutMs);
}

bool PortConnection::Finish(int timeoutMs) const {
    uint8_t byte = 0;
    return shutdown(fd_, SHUT_WR) == 0 && WaitReadable(fd_, timeoutMs) &&
           recv(fd_, &byte, 1, 0) == 0;
}

std::vector<uint8_t> PortConnection::Datagram(const std::string& address, uint16_t port,
                                              const std::vector<uint8_t>& request, int timeoutMs) {
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return {};
    const sockaddr_in to = SocketAddress(address, port);
    sendto(fd, request.data(), request.size(), 0, reinterpret_cast<const sockaddr*>(&to),
           sizeof to);
    std::vector<uint8_t> reply = ReceiveFrom(fd, timeoutMs);
    close(fd);
    return reply;
}
