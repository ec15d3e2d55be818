#pragma once

#include <filesystem>
#include <string>

namespace mienlore {

enum class FileRead {
    Done,      // the whole file is in the string
    NotOpened, // missing, unreadable or a folder
    NotRead,   // opened, but reading failed part way
};

// Reads the whole file as bytes into *bytes (emptied first). Never throws: a
// folder or a failing disk gives an outcome, not an exception.
FileRead ReadWholeFile(const std::filesystem::path& path, std::string& bytes);

} // namespace mienlore
