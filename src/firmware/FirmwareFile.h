#pragma once

#include <cstdint>
#include <string>

// Checks the firmware file at `path` (see FirmwareImageCheck for the layout and the results):
// kFirmwareValid with `version` set to its version text, else `version` is empty. The file is read
// once, in pieces.
int32_t ValidateFirmwareFile(const std::string& path, std::string& version);
