#pragma once

#include <string>
#include <string_view>

#include "PdfFile.h"
#include "ToUnicodeMap.h"

// How a font's shown strings turn into text: codes of its code length, looked up in its
// ToUnicode map; without a map one byte is one Latin-1 character.
class PdfFont {
  public:
    PdfFont() = default;
    PdfFont(PdfFile& file, const PdfObject* font);

    // UTF-8; control characters become spaces (some writers map the space glyph to a tab),
    // codes the map does not know become '?'.
    std::string Decode(std::string_view shown) const;

  private:
    ToUnicodeMap toUnicode_;
    int codeBytes_ = 1;
};
