#pragma once

#include "imaging/Devib.h"

#include <filesystem>
#include <string>

namespace mienlore {

// The image as an 8-bit RGB PNG (top row first; alpha is not written, since
// many operations leave it 0).
bool EncodePng(const CDevib& bitmap, std::string& out, std::string* error = nullptr);

// Writes EncodePng's bytes to path (temporary file, then renamed into place).
bool WritePng(const CDevib& bitmap, const std::filesystem::path& path,
              std::string* error = nullptr);

} // namespace mienlore
