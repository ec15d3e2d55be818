#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace mienlore {

// Writes bytes to a temporary file beside path and renames it into place, so
// that a failed write never leaves a half-written file under the final name.
// On failure returns false with a message in *error (when given) and leaves
// any earlier file of that name untouched.
//
// With syncToDisk (the default) the bytes reach the disk before the rename.
// Files that are made again from the program's state at every change (the
// interpretation pages) skip that wait: a crash may lose them, but never
// leaves a half-written one.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::string* error = nullptr, bool syncToDisk = true);

} // namespace mienlore
