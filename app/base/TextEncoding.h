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

// The escaping rules of AppendQuotedText.
enum class QuotedTextRules {
    Json,   // a JSON string
    Script, // a JavaScript string literal that is safe inside an HTML page
};

// Appends text between double quotes, its bytes read as by Utf8From8Bit.
// Backslash, the double quote, line feed, carriage return and tab get their
// short escapes and every other control character a \u escape (JSON rules).
// Script rules escape besides the single quote, "<", ">" and "&" (as \u003c
// ...), so that no text can end a script element or start markup, and U+2028
// and U+2029, which older engines take as line ends.
void AppendQuotedText(std::string& out, std::string_view text, QuotedTextRules rules);

// ASCII case-insensitive equality, as the profile functions match names.
bool EqualsNoCase(std::string_view a, std::string_view b);

} // namespace mienlore
