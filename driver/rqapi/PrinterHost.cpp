#include "PrinterHost.h"

#include <cups/cups.h>

#include <array>
#include <memory>

namespace rqapi {

std::string PrinterHost(const char* queueName) {
    if (queueName == nullptr || *queueName == '\0') return {};
    const auto freeDest = [](cups_dest_t* dest) { cupsFreeDests(1, dest); };
    std::unique_ptr<cups_dest_t, decltype(freeDest)> dest(
        cupsGetNamedDest(CUPS_HTTP_DEFAULT, queueName, nullptr), freeDest);
    if (!dest) return {};
    const char* uri = cupsGetOption("device-uri", dest->num_options, dest->options);
    if (uri == nullptr) return {};
    std::array<char, 32> scheme{};
    std::array<char, 256> userPass{};
    std::array<char, 256> host{};
    std::array<char, 1024> resource{};
    int port = 0;
    if (httpSeparateURI(HTTP_URI_CODING_ALL, uri, scheme.data(), scheme.size(), userPass.data(),
                        userPass.size(), host.data(), host.size(), &port, resource.data(),
                        resource.size()) < HTTP_URI_STATUS_OK) {
        return {};
    }
    return std::string(host.data());
}

}  // namespace rqapi
