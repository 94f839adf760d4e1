#pragma once

#include <cstdint>
#include <string>

// What the program remembers between runs: values of the subkey "Corvid 4000" under the user's
// key "SoftWare\ZENTA Servato 2" ("SelectPrinter", "SavePath", "FwPath", the sample choices).
// Each call opens and closes the key; failures are silent and reads give the default.
class SettingsStore {
  public:
    static constexpr const char* kKeyPath = "SoftWare\\ZENTA Servato 2";
    static constexpr const char* kSubkey = "Corvid 4000";

    std::string ReadString(const std::string& name, const std::string& defaultValue = {}) const;
    int32_t ReadNumber(const std::string& name, int32_t defaultValue) const;
    // 0 on success, else the store's error code.
    int WriteString(const std::string& name, const std::string& value);
    int WriteNumber(const std::string& name, int32_t value);

    // The custom file folder: the user's "SavePath", else the machine-wide one; may be empty.
    std::string ReadSavePath() const;
};
