#pragma once

#include <cstdint>
#include <filesystem>
#include <limits>
#include <string>

namespace mienlore {

enum class FileRead {
    Done,      // the whole file is in the string
    NotOpened, // missing, unreadable, or not a regular file (a folder, a device, a pipe)
    NotRead,   // opened, but reading failed part way
    TooLarge,  // larger than the limit the caller gave
};

// Reads the whole file as bytes into *bytes (emptied first), refusing files
// of more than maxBytes (also one that grows past the limit while it is read).
// Never throws: a folder or a failing disk gives an outcome, not an exception.
FileRead ReadWholeFile(const std::filesystem::path& path, std::string& bytes,
                       std::uintmax_t maxBytes = std::numeric_limits<std::uintmax_t>::max());

} // namespace mienlore
