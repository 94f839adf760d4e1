#pragma once

#include <string>

class SettingsStore;

// The folder the firmware file dialog opens in: the one remembered last, else `fallback`.
std::string ReadFirmwareFolder(const SettingsStore& store, const std::string& fallback);

// Remembers the folder of the chosen file: the path cut before its last '/' when that stands after
// position 3, otherwise the whole path.
void RememberFirmwareFolder(SettingsStore& store, const std::string& chosenPath);
