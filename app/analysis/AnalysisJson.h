#pragma once

#include <string>
#include <string_view>

namespace mienlore {

class CFaceFrame;
class CFateFrame;

// Appends text as a JSON string (with quotes); bytes that are not UTF-8 are
// read as Windows-1252.
void AppendJsonString(std::string& out, std::string_view text);
// The same JSON string as a value of its own.
std::string JsonString(std::string_view text);
// Appends a double with the shortest digits that read back to the same value.
void AppendJsonNumber(std::string& out, double value);

// Decodes one face code into a face of initial values (prototype), analyses it
// with one recompute with types and appends one JSON object and a line feed:
// the code, validity, indicators, normalised values, levels, temperament,
// profession, confidence, summary, the sixteen types, best type and sign.
// An invalid code gives only "code", "valid": false and "error". The
// analysis is reset before use, so a reused one answers like a new one.
// Returns whether the code was valid.
bool AppendAnalysisJson(std::string& out, std::string_view code, const CFaceFrame& prototype,
                        CFaceFrame& face, CFateFrame& fate);

} // namespace mienlore
