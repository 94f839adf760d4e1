#include "QueueSource.h"

#include <cups/cups.h>
#include <unistd.h>

#include <memory>
#include <string>

namespace {

struct DestFree {
    void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};

// The queue's saved options (lpoptions and the server's defaults) as the PPD sees them.
std::vector<DriverModel::Option> QueueOptions(const char* queueName) {
    std::vector<DriverModel::Option> options;
    std::unique_ptr<cups_dest_t, DestFree> dest(
        cupsGetNamedDest(CUPS_HTTP_DEFAULT, queueName, nullptr));
    if (!dest) return options;
    for (int i = 0; i < dest->num_options; ++i)
        options.emplace_back(dest->options[i].name, dest->options[i].value);
    return options;
}

}  // namespace

std::optional<DriverContext> OpenQueueContext(const char* queueName, const uint8_t* record) {
    if (queueName == nullptr || *queueName == '\0') return std::nullopt;
    const char* ppdPath = cupsGetPPD2(CUPS_HTTP_DEFAULT, queueName);
    if (ppdPath == nullptr) return std::nullopt;
    // The path is a temporary copy (or link) made for this call.
    const std::string path = ppdPath;
    auto model = DriverModel::Open(path);
    unlink(path.c_str());
    if (!model) return std::nullopt;
    return DriverContext::Open(std::move(*model), queueName, QueueOptions(queueName), record);
}
