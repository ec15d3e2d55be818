#pragma once

#include "imaging/Devib.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace mienlore {

// True when the path's extension is ".jpg" or ".jpeg" in any letter case.
bool IsJpegPath(const std::filesystem::path& path);

// True when the path's extension is ".png" in any letter case.
bool IsPngPath(const std::filesystem::path& path);

// True when the path has the extension (lower case, without the dot) in any
// letter case.
bool HasExtension(const std::filesystem::path& path, std::string_view ext);

// A picture format the program writes itself.
struct ImageFileFormat {
    const char* name;                    // shown to the user: "JPEG"
    std::vector<const char*> extensions; // lower case, without the dot; the first is the usual one
};

// BMP, JPEG, PNG and GIF, in that order.
const std::vector<ImageFileFormat>& CoreImageFileFormats();

// True when WriteImageFile writes a file of this name: an extension of a
// format of CoreImageFileFormats, or no extension at all (then BMP).
bool IsCoreImagePath(const std::filesystem::path& path);

// The format names joined for a message: "BMP, JPEG, PNG and GIF".
std::string FormatNameList(const std::vector<std::string>& names);

// Writes the image in the format its extension names: JPEG (mode and quality
// as WriteJpeg takes them), PNG, GIF or BMP; a name without an extension is
// written as BMP. Any other extension is refused (false, with a message that
// lists the formats) rather than written in a format it does not name.
bool WriteImageFile(const CDevib& bitmap, const std::filesystem::path& path, int jpegMode,
                    int jpegQuality, std::string* error = nullptr);

} // namespace mienlore
