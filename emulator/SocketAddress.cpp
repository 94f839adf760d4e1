#include "SocketAddress.h"

#include <arpa/inet.h>

sockaddr_in MakeAddress(const std::string& host, int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    inet_pton(AF_INET, host.c_str(), &address.sin_addr);
    return address;
}

std::string HostText(const sockaddr_in& address) {
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &address.sin_addr, text, sizeof text);
    return text;
}

std::string AddressText(const sockaddr_in& address) {
    return HostText(address) + ":" + std::to_string(ntohs(address.sin_port));
}
