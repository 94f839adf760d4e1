#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The text of an initialization file, changed key by key the way the system's own writer changes
// such files, and then written back as a whole. A key goes into the first section whose name
// matches regardless of letter case: it replaces the first line of that key there (letter case
// ignored as well) or follows the section's last non-empty line; a missing section is added at
// the end of the text. Lines are the settings files' line pieces, so every untouched byte stays
// as it was and the custom paper file reader sees the same lines as before. Lines written here end
// in CR LF, as the files always have.
class IniDocument {
  public:
    explicit IniDocument(std::string_view text = {});

    // A value ends before its first line break or NUL byte, which could not be read back.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    std::string Text() const;

  private:
    size_t FindSection(std::string_view section) const;
    size_t SectionEnd(size_t header) const;
    void EndLine(size_t index);

    // Each piece with its own line end, if it has one.
    std::vector<std::string> lines_;
};
