#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Setting names as a custom paper file holds them. Files written on other systems may hold a name
// in a one-byte code page: a byte that does not start a well-formed UTF-8 character is taken as a
// Latin-1 character, so every name the program shows or compares is valid UTF-8.

// The name at most `maxCharacters` characters long; a character is never cut in half.
std::string CustomNameText(std::string_view bytes, size_t maxCharacters);
