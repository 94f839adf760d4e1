#include "comm/CommLibrary.h"

#include "platform/Spooler.h"

namespace {

constexpr int32_t kMissingEntryPoint = -100;
constexpr const char* kDefaultLibraryName = "librqapi.so";

template <typename Function>
bool Resolve(const DynamicLibrary& module, const char* name, Function& target) {
    target = reinterpret_cast<Function>(module.Symbol(name));
    return target != nullptr;
}

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
    allResolved &= Resolve(module_, "RQInitialize", entries_.initialize);
    allResolved &= Resolve(module_, "RQRelease", entries_.release);
    allResolved &= Resolve(module_, "RQGetDeviceID", entries_.getDeviceID);
    allResolved &= Resolve(module_, "RQGetAvailableChannel", entries_.getAvailableChannel);
    allResolved &= Resolve(module_, "RQOpenChannel", entries_.openChannel);
    allResolved &= Resolve(module_, "RQCloseChannel", entries_.closeChannel);
    allResolved &= Resolve(module_, "RQSetOption", entries_.setOption);
    allResolved &= Resolve(module_, "RQGetOption", entries_.getOption);
    allResolved &= Resolve(module_, "RQReceiveCancel", entries_.receiveCancel);
    allResolved &= Resolve(module_, "RQGetStatus", entries_.getStatus);
    allResolved &= Resolve(module_, "RQSend", entries_.send);
    allResolved &= Resolve(module_, "RQReceive", entries_.receive);

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
