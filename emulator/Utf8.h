#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// UTF-8 as the journal writes it and the PDF text reader produces it.
namespace utf8 {

// Appends one code point; surrogates and values past U+10FFFF become U+FFFD.
void Append(std::string& out, char32_t codePoint);
// The code point starting at text[at], at moved past it; false (at unchanged) when the bytes there
// are no well-formed UTF-8 sequence.
bool Decode(std::string_view text, std::size_t& at, char32_t& codePoint);
// UTF-16 big-endian code units to UTF-8; an unpaired surrogate or odd last byte gives U+FFFD.
std::string FromUtf16BigEndian(std::string_view bytes);

}  // namespace utf8
