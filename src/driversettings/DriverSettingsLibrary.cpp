#include "driversettings/DriverSettingsLibrary.h"

#include "platform/Spooler.h"

namespace {

constexpr const char* kLibraryFile = "libztset32.so";

}  // namespace

DriverSettingsLibrary::DriverSettingsLibrary(Spooler& spooler) : spooler_(spooler) {}

DriverSettingsLibrary::~DriverSettingsLibrary() {
    Unload();
}

bool DriverSettingsLibrary::Load(const std::string& printerName) {
    Unload();
    if (!module_.Open(spooler_.DriverFolder(printerName) + kLibraryFile)) return false;
    // Every name is looked up even after a miss, so whatever resolved stays usable.
    bool complete = module_.Resolve("ZTDM_Open", entries_.open);
    complete = module_.Resolve("ZTDM_GetDriverInfo", entries_.getDriverInfo) && complete;
    complete = module_.Resolve("ZTDM_GetCommandLevel", entries_.getCommandLevel) && complete;
    complete = module_.Resolve("ZTDM_GetRange", entries_.getRange) && complete;
    complete = module_.Resolve("ZTDM_GetData", entries_.getData) && complete;
    complete = module_.Resolve("ZTDM_SetData", entries_.setData) && complete;
    complete = module_.Resolve("ZTDM_CreateDC", entries_.createDC) && complete;
    complete = module_.Resolve("ZTDM_ResetDC", entries_.resetDC) && complete;
    complete = module_.Resolve("ZTDM_DeleteDC", entries_.deleteDC) && complete;
    complete = module_.Resolve("ZTDM_GetDevMode", entries_.getDevMode) && complete;
    complete = module_.Resolve("ZTDM_Close", entries_.close) && complete;
    return complete;
}

void DriverSettingsLibrary::Unload() {
    entries_ = {};
    module_.Close();
}

int32_t DriverSettingsLibrary::Open(const std::string& printerName, const std::string& portName,
                                    int32_t flags, const uint8_t* record, int32_t* handle) {
    if (entries_.open == nullptr) return kMissingEntryPoint;
    return entries_.open(printerName.c_str(), portName.c_str(), flags, record, handle);
}

int32_t DriverSettingsLibrary::GetRange(int32_t handle, int32_t item, void* block) {
    if (entries_.getRange == nullptr) return kMissingEntryPoint;
    return entries_.getRange(handle, item, block);
}

int32_t DriverSettingsLibrary::GetData(int32_t handle, int32_t item, void* block) {
    if (entries_.getData == nullptr) return kMissingEntryPoint;
    return entries_.getData(handle, item, block);
}

int32_t DriverSettingsLibrary::SetData(int32_t handle, int32_t item, intptr_t valueOrBlock) {
    if (entries_.setData == nullptr) return kMissingEntryPoint;
    return entries_.setData(handle, item, valueOrBlock);
}

int32_t DriverSettingsLibrary::GetDevMode(int32_t handle, uint8_t* buffer) {
    if (entries_.getDevMode == nullptr) return kMissingEntryPoint;
    return entries_.getDevMode(handle, buffer);
}

int32_t DriverSettingsLibrary::Close(int32_t handle) {
    if (entries_.close == nullptr) return kMissingEntryPoint;
    return entries_.close(handle);
}
