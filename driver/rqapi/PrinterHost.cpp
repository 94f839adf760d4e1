#include "PrinterHost.h"

#include <cstdlib>
#include <cstring>

#include "CupsClient.h"
#include "UriHost.h"

namespace rqapi {
namespace {

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
    if (uri.empty()) {
        const CupsClient* cups = CupsClient::Get();
        if (cups != nullptr) uri = cups->DeviceUri(queueName);
    }
    return UriHost(uri);
}

}  // namespace rqapi
