#include "firmware/FirmwareFolder.h"

#include "platform/SettingsStore.h"

namespace {

constexpr const char* kFolderValue = "FwPath";
// A separator at or before this position belongs to the root, which is kept whole.
constexpr size_t kRootEnd = 3;

}  // namespace

std::string ReadFirmwareFolder(const SettingsStore& store, const std::string& fallback) {
    std::string folder = store.ReadString(kFolderValue);
    return folder.empty() ? fallback : folder;
}

void RememberFirmwareFolder(SettingsStore& store, const std::string& chosenPath) {
    const size_t separator = chosenPath.rfind('/');
    const bool cut = separator != std::string::npos && separator > kRootEnd;
    store.WriteString(kFolderValue, cut ? chosenPath.substr(0, separator) : chosenPath);
}
