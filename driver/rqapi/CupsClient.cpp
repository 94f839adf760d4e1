#include "CupsClient.h"

#include <dlfcn.h>

#include <array>
#include <memory>

namespace rqapi {
namespace {

template <typename Function>
bool Resolve(void* module, const char* name, Function& entry) {
    entry = reinterpret_cast<Function>(dlsym(module, name));
    return entry != nullptr;
}

}  // namespace

const CupsClient* CupsClient::Get() {
    static CupsClient client;
    static const bool loaded = client.Load();
    return loaded ? &client : nullptr;
}

CupsClient::~CupsClient() {
    if (module_ != nullptr) dlclose(module_);
}

bool CupsClient::Load() {
    module_ = dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
    if (module_ == nullptr) return false;
    bool resolved = Resolve(module_, "httpAssembleURIf", assembleUri_);
    resolved &= Resolve(module_, "ippPort", ippPort_);
    resolved &= Resolve(module_, "ippNewRequest", newRequest_);
    resolved &= Resolve(module_, "ippAddString", addString_);
    resolved &= Resolve(module_, "cupsDoRequest", doRequest_);
    resolved &= Resolve(module_, "ippFindAttribute", findAttribute_);
    resolved &= Resolve(module_, "ippGetString", getString_);
    resolved &= Resolve(module_, "ippDelete", deleteIpp_);
    resolved &= Resolve(module_, "cupsGetNamedDest", getNamedDest_);
    resolved &= Resolve(module_, "cupsGetOption", getOption_);
    resolved &= Resolve(module_, "cupsFreeDests", freeDests_);
    return resolved;
}

std::string CupsClient::DeviceUri(const char* queueName) const {
    const std::string uri = AskedDeviceUri(queueName);
    return uri.empty() ? DestinationDeviceUri(queueName) : uri;
}

// One Get-Printer-Attributes request: the program opens a channel for every query, so this lookup
// is on the path of each one.
std::string CupsClient::AskedDeviceUri(const char* queueName) const {
    std::array<char, HTTP_MAX_URI> printerUri{};
    if (assembleUri_(HTTP_URI_CODING_ALL, printerUri.data(), printerUri.size(), "ipp", nullptr,
                     "localhost", ippPort_(), "/printers/%s", queueName) < HTTP_URI_STATUS_OK) {
        return {};
    }
    ipp_t* request = newRequest_(IPP_OP_GET_PRINTER_ATTRIBUTES);
    addString_(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, printerUri.data());
    addString_(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
               "device-uri");
    const auto deleteResponse = [this](ipp_t* response) { deleteIpp_(response); };
    std::unique_ptr<ipp_t, decltype(deleteResponse)> response(
        doRequest_(CUPS_HTTP_DEFAULT, request, "/"), deleteResponse);
    if (!response) return {};
    ipp_attribute_t* attribute = findAttribute_(response.get(), "device-uri", IPP_TAG_URI);
    const char* uri = attribute != nullptr ? getString_(attribute, 0, nullptr) : nullptr;
    return uri != nullptr ? std::string(uri) : std::string();
}

// The same from the destination list (also knows queues the direct request does not reach).
std::string CupsClient::DestinationDeviceUri(const char* queueName) const {
    const auto freeDest = [this](cups_dest_t* dest) { freeDests_(1, dest); };
    std::unique_ptr<cups_dest_t, decltype(freeDest)> dest(
        getNamedDest_(CUPS_HTTP_DEFAULT, queueName, nullptr), freeDest);
    if (!dest) return {};
    const char* uri = getOption_("device-uri", dest->num_options, dest->options);
    return uri != nullptr ? std::string(uri) : std::string();
}

}  // namespace rqapi
