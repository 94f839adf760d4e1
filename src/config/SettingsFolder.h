#pragma once

#include <string>

// The names of the files of the settings folder, and where that folder is.
namespace SettingsFile {
inline constexpr const char* kLaunch = "Setting_Launch.ini";
inline constexpr const char* kPrinter = "Printer.ini";
inline constexpr const char* kMedia = "Media.ini";
inline constexpr const char* kLocalize = "Localize.ini";
inline constexpr const char* kConst = "L_Const.ini";
inline constexpr const char* kRefer = "L_Refer.ini";
inline constexpr const char* kFont = "L_Font.ini";
inline constexpr const char* kManual = "Manual.ini";
}  // namespace SettingsFile

// "Settings" beside the program; empty when the program folder is unknown.
std::string SettingsFolderOf(const std::string& programFolder);
