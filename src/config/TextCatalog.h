#pragma once

#include <cstdint>
#include <string>

// Every user-visible text by text id, from the language files of the settings folder:
// "L_Refer.ini" may send an id's key to another key, "Localize.ini" holds the translated texts
// and "L_Const.ini" the texts no translation changes. Nothing is cached: each lookup reads the
// files afresh. Texts are UTF-8.
class TextCatalog {
  public:
    explicit TextCatalog(std::string settingsFolder);

    const std::string& SettingsFolder() const { return settingsFolder_; }

    // The text of `id`, with "\n" written in the file turned into a line feed; empty when no
    // file has it.
    std::string LoadText(int32_t id) const;

    // "00%06d": 902 -> "00000902", -1 -> "00-00001", 1000000 -> "001000000".
    static std::string TextKey(int32_t id);

  private:
    std::string settingsFolder_;
};
