#pragma once

#include <netinet/in.h>

#include <string>

// IPv4 socket addresses as the ports use them.
sockaddr_in MakeAddress(const std::string& host, int port);
std::string HostText(const sockaddr_in& address);     // "127.0.0.1"
std::string AddressText(const sockaddr_in& address);  // "127.0.0.1:40312"
