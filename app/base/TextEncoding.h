#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace mienlore {

// Returns the bytes as UTF-8: valid UTF-8 sequences are kept as they are,
// every other byte is taken as a Windows-1252 character (the 8-bit files
// written by older copies of the program) and re-encoded.
std::string Utf8From8Bit(std::string_view bytes);

// Number of code points in a UTF-8 string.
std::size_t Utf8Length(std::string_view utf8);

// The first maxChars code points of a UTF-8 string (never splits a sequence).
std::string Utf8Prefix(std::string_view utf8, std::size_t maxChars);

// ASCII case-insensitive equality, as the profile functions match names.
bool EqualsNoCase(std::string_view a, std::string_view b);

} // namespace mienlore
