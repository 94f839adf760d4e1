#pragma once

#include <string>

class SettingsStore;

// The folder the custom paper file dialogs open in: the one a file was last saved to, else the
// machine-wide one; may be empty.
std::string ReadCustomPaperFolder(const SettingsStore& store);

// Remembers the folder of a file just saved: the path up to its last '/' (the root stays "/").
void RememberCustomPaperFolder(SettingsStore& store, const std::string& savedPath);
