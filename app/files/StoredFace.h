#pragma once

#include "base/WriteResult.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace mienlore {

class CFaceFrame;

// Longest name a stored face is given, in characters.
inline constexpr std::size_t kMaxFaceNameChars = 255;

// A stored face: the whole stored line (face code, ";", name) and the name.
struct StoredFace {
    std::string line;
    std::string name;
};

// A name as it can be stored: cut to kMaxFaceNameChars characters, and line
// breaks (which would split the line and lose the entry) made blanks.
std::string StorableFaceName(std::string_view name);

// The stored line of a face: its code with the name as trailing text.
std::string StoredFaceLine(const CFaceFrame& face, std::string_view name);

// The name part of a stored line: what follows the first ";" (empty when
// there is none).
std::string_view StoredFaceName(std::string_view line);
// The code part of a stored line: what comes before the first ";".
std::string_view StoredFaceCode(std::string_view line);

// The line as a gallery face file stores it: every ";" becomes "|".
std::string ToFacLine(std::string_view line);
// A gallery face file's line read back: every "|" becomes ";".
std::string FromFacLine(std::string_view line);

// Checks a stored line against a scratch face (the face is not changed):
// the line and its name when the eight main slot codes are readable and a
// ";" is present.
std::optional<StoredFace> ValidateStoredLine(std::string_view line, CFaceFrame& scratch);

// Applies a face code (with or without trailing text) to a face, all or
// nothing: the code is decoded into a copy, and the face takes the copy only
// when decoding succeeds. On success text is cut to what follows its first
// ";" (when it has one). On failure the face and text are untouched.
bool ApplyFaceCode(CFaceFrame& face, std::string& text);

// The first line of a gallery description (".phy" beside a portrait).
std::optional<StoredFace> ReadGalleryDescription(const std::filesystem::path& path,
                                                 CFaceFrame& scratch);
// The first line of a gallery face file (".fac"), with "|" read as ";".
std::optional<StoredFace> ReadGalleryFaceFile(const std::filesystem::path& path,
                                              CFaceFrame& scratch);

// Writes a gallery entry: the face's stored line as the only line of the
// description file, and the same line with "|" for ";" as the only line of
// the face file. Stops at the first file that cannot be written.
WriteResult WriteGalleryEntry(const std::filesystem::path& descriptionPath,
                              const std::filesystem::path& faceFilePath, const CFaceFrame& face,
                              std::string_view name);

} // namespace mienlore
