#include "platform/StatusMonitorDrivers.h"

#include "platform/RegKey.h"

bool StatusMonitorDrivers::IsRegistered(const std::string& driverName) {
    if (!RegKey::StoreFileExists(RegRoot::LocalMachine, kKeyPath)) return true;
    RegKey key;
    if (!key.Open(RegRoot::LocalMachine, kKeyPath, true)) return false;
    std::string name;
    for (int index = 0; key.SubkeyName(index, name) == RegKey::kSuccess; ++index) {
        if (name == driverName) return true;
    }
    return false;
}
