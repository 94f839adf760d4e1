#include "custompaper/CustomPaperFolder.h"

#include "platform/SettingsStore.h"

std::string ReadCustomPaperFolder(const SettingsStore& store) {
    return store.ReadSavePath();
}

void RememberCustomPaperFolder(SettingsStore& store, const std::string& savedPath) {
    const size_t slash = savedPath.rfind('/');
    if (slash == std::string::npos) return;
    store.WriteString("SavePath", savedPath.substr(0, slash == 0 ? 1 : slash));
}
