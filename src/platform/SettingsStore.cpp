#include "platform/SettingsStore.h"

#include "platform/RegKey.h"

std::string SettingsStore::ReadString(const std::string& name,
                                      const std::string& defaultValue) const {
    RegKey key;
    if (!key.Open(RegRoot::CurrentUser, kKeyPath, false)) return defaultValue;
    return key.ReadString(kSubkey, name, defaultValue);
}

int32_t SettingsStore::ReadNumber(const std::string& name, int32_t defaultValue) const {
    RegKey key;
    if (!key.Open(RegRoot::CurrentUser, kKeyPath, false)) return defaultValue;
    return key.ReadNumber(kSubkey, name, defaultValue);
}

int SettingsStore::WriteString(const std::string& name, const std::string& value) {
    RegKey key;
    if (!key.Open(RegRoot::CurrentUser, kKeyPath, false)) return RegKey::kNotOpen;
    return key.WriteString(kSubkey, name, value);
}

int SettingsStore::WriteNumber(const std::string& name, int32_t value) {
    RegKey key;
    if (!key.Open(RegRoot::CurrentUser, kKeyPath, false)) return RegKey::kNotOpen;
    return key.WriteNumber(kSubkey, name, value);
}

std::string SettingsStore::ReadSavePath() const {
    std::string path = ReadString("SavePath");
    if (!path.empty()) return path;
    RegKey machine;
    if (!machine.Open(RegRoot::LocalMachine, kKeyPath, false)) return {};
    return machine.ReadString(kSubkey, "SavePath", {});
}
