#pragma once

#include <string>

// True when "Printer.ini" lists the model name exactly (byte for byte, letter case included).
bool IsSupportedModel(const std::string& settingsFolder, const std::string& modelName);
