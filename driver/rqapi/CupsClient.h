#pragma once

#include <cups/cups.h>

#include <string>

namespace rqapi {

// libcups, loaded the first time a queue's device URI must be asked of the CUPS server. A filter
// or backend of the queue finds the URI in its environment and so never loads the library and the
// thirty it pulls in, which would hold up the start of every command job.
class CupsClient {
  public:
    // The library for this process, loaded on first use; null when it cannot be loaded.
    static const CupsClient* Get();
    ~CupsClient();
    CupsClient(const CupsClient&) = delete;
    CupsClient& operator=(const CupsClient&) = delete;

    // The queue's device-uri from the server the process uses (CUPS_SERVER selects another one);
    // empty when the server does not know the queue.
    std::string DeviceUri(const char* queueName) const;

  private:
    CupsClient() = default;
    bool Load();
    std::string AskedDeviceUri(const char* queueName) const;
    std::string DestinationDeviceUri(const char* queueName) const;

    void* module_ = nullptr;
    decltype(&httpAssembleURIf) assembleUri_ = nullptr;
    decltype(&ippPort) ippPort_ = nullptr;
    decltype(&ippNewRequest) newRequest_ = nullptr;
    decltype(&ippAddString) addString_ = nullptr;
    decltype(&cupsDoRequest) doRequest_ = nullptr;
    decltype(&ippFindAttribute) findAttribute_ = nullptr;
    decltype(&ippGetString) getString_ = nullptr;
    decltype(&ippDelete) deleteIpp_ = nullptr;
    decltype(&cupsGetNamedDest) getNamedDest_ = nullptr;
    decltype(&cupsGetOption) getOption_ = nullptr;
    decltype(&cupsFreeDests) freeDests_ = nullptr;
};

}  // namespace rqapi
