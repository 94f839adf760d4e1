#include "comm/CommLibrary.h"

#include "platform/Spooler.h"

namespace {

constexpr int32_t kMissingEntryPoint = -100;
constexpr const char* kDefaultLibraryName = "librqapi.so";

}  // namespace

CommLibrary::CommLibrary(Spooler& spooler) : spooler_(spooler) {}

CommLibrary::~CommLibrary() {
    if (IsLoaded()) Unload();
}

bool CommLibrary::Load(const std::string& printerName, bool tryDefaultFirst) {
    if (IsLoaded()) return true;
    if (tryDefaultFirst) module_.Open(kDefaultLibraryName);
    if (!IsLoaded()) module_.Open(LibraryPathFromDriver(printerName));
    if (!IsLoaded()) return false;

    // Every name is looked up even after a miss, so the wrappers of the ones present still work.
    bool allResolved = true;
    allResolved &= module_.Resolve("RQInitialize", entries_.initialize);
    allResolved &= module_.Resolve("RQRelease", entries_.release);
    allResolved &= module_.Resolve("RQGetDeviceID", entries_.getDeviceID);
    allResolved &= module_.Resolve("RQGetAvailableChannel", entries_.getAvailableChannel);
    allResolved &= module_.Resolve("RQOpenChannel", entries_.openChannel);
    allResolved &= module_.Resolve("RQCloseChannel", entries_.closeChannel);
    allResolved &= module_.Resolve("RQSetOption", entries_.setOption);
    allResolved &= module_.Resolve("RQGetOption", entries_.getOption);
    allResolved &= module_.Resolve("RQReceiveCancel", entries_.receiveCancel);
    allResolved &= module_.Resolve("RQGetStatus", entries_.getStatus);
    allResolved &= module_.Resolve("RQSend", entries_.send);
    allResolved &= module_.Resolve("RQReceive", entries_.receive);

    const int32_t initialized = Initialize();
    return allResolved && initialized == 0;
}

bool CommLibrary::Unload() {
    const bool released = Release() <= 0;
    module_.Close();
    entries_ = EntryPoints{};
    return released;
}

std::string CommLibrary::LibraryPathFromDriver(const std::string& printerName) {
    const std::string fileName = spooler_.DriverAttribute(printerName, "RQAPII");
    if (fileName.empty()) return {};
    return spooler_.DriverFolder(printerName) + fileName;
}

int32_t CommLibrary::Initialize() {
    return entries_.initialize ? entries_.initialize() : kMissingEntryPoint;
}

int32_t CommLibrary::Release() {
    return entries_.release ? entries_.release() : kMissingEntryPoint;
}

int32_t CommLibrary::GetDeviceID(int32_t port, const char* printer, char* buffer, int32_t* size) {
    return entries_.getDeviceID ? entries_.getDeviceID(port, printer, buffer, size)
                                : kMissingEntryPoint;
}

int32_t CommLibrary::GetAvailableChannel(int32_t port, const char* printer, uint8_t* buffer,
                                         int32_t* size) {
    return entries_.getAvailableChannel ? entries_.getAvailableChannel(port, printer, buffer, size)
                                        : kMissingEntryPoint;
}

int32_t CommLibrary::OpenChannel(int32_t port, const char* printer, int32_t channelType) {
    return entries_.openChannel ? entries_.openChannel(port, printer, channelType)
                                : kMissingEntryPoint;
}

int32_t CommLibrary::CloseChannel(int32_t channel) {
    return entries_.closeChannel ? entries_.closeChannel(channel) : kMissingEntryPoint;
}

int32_t CommLibrary::GetStatus(int32_t channel, uint8_t* buffer, int32_t* size) {
    return entries_.getStatus ? entries_.getStatus(channel, buffer, size) : kMissingEntryPoint;
}

int32_t CommLibrary::Send(int32_t channel, const uint8_t* data, int32_t length) {
    return entries_.send ? entries_.send(channel, data, length) : kMissingEntryPoint;
}

int32_t CommLibrary::Receive(int32_t channel, uint8_t* buffer, int32_t* size, int32_t timeoutMs) {
    return entries_.receive ? entries_.receive(channel, buffer, size, timeoutMs)
                            : kMissingEntryPoint;
}
