#include "PrinterHost.h"

#include <cups/cups.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace rqapi {
namespace {

// The queue's device-uri by one Get-Printer-Attributes request: the program opens a channel for
// every query, so this lookup is on the path of each one.
std::string AskDeviceUri(const char* queueName) {
    std::array<char, HTTP_MAX_URI> printerUri{};
    if (httpAssembleURIf(HTTP_URI_CODING_ALL, printerUri.data(), printerUri.size(), "ipp", nullptr,
                         "localhost", ippPort(), "/printers/%s", queueName) < HTTP_URI_STATUS_OK) {
        return {};
    }
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                 printerUri.data());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                 "device-uri");
    const auto deleteResponse = [](ipp_t* response) { ippDelete(response); };
    std::unique_ptr<ipp_t, decltype(deleteResponse)> response(
        cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"), deleteResponse);
    if (!response) return {};
    ipp_attribute_t* attribute = ippFindAttribute(response.get(), "device-uri", IPP_TAG_URI);
    const char* uri = attribute != nullptr ? ippGetString(attribute, 0, nullptr) : nullptr;
    return uri != nullptr ? std::string(uri) : std::string();
}

// The same from the destination list (also knows queues the direct request does not reach).
std::string DestinationDeviceUri(const char* queueName) {
    const auto freeDest = [](cups_dest_t* dest) { cupsFreeDests(1, dest); };
    std::unique_ptr<cups_dest_t, decltype(freeDest)> dest(
        cupsGetNamedDest(CUPS_HTTP_DEFAULT, queueName, nullptr), freeDest);
    if (!dest) return {};
    const char* uri = cupsGetOption("device-uri", dest->num_options, dest->options);
    return uri != nullptr ? std::string(uri) : std::string();
}

// Inside a filter or backend of the queue asked about, CUPS gives the queue's device URI in the
// environment, which spares the server a request while it runs the job.
std::string JobDeviceUri(const char* queueName) {
    const char* printer = std::getenv("PRINTER");
    const char* uri = std::getenv("DEVICE_URI");
    if (printer == nullptr || uri == nullptr || std::strcmp(printer, queueName) != 0) return {};
    return uri;
}

}  // namespace

std::string PrinterHost(const char* queueName) {
    if (queueName == nullptr || *queueName == '\0') return {};
    std::string uri = JobDeviceUri(queueName);
    if (uri.empty()) uri = AskDeviceUri(queueName);
    if (uri.empty()) uri = DestinationDeviceUri(queueName);
    if (uri.empty()) return {};
    std::array<char, 32> scheme{};
    std::array<char, 256> userPass{};
    std::array<char, 256> host{};
    std::array<char, 1024> resource{};
    int port = 0;
    if (httpSeparateURI(HTTP_URI_CODING_ALL, uri.c_str(), scheme.data(), scheme.size(),
                        userPass.data(), userPass.size(), host.data(), host.size(), &port,
                        resource.data(), resource.size()) < HTTP_URI_STATUS_OK) {
        return {};
    }
    return std::string(host.data());
}

}  // namespace rqapi
