#pragma once

#include <filesystem>
#include <string>

namespace mienlore {

// The folder of the running executable; the data folders ("Text", "PType",
// "Lang", ...) live beside it. Found from /proc/self/exe, never from the
// working directory. Falls back to the working directory when the
// executable's path cannot be read.
std::filesystem::path ExecutableFolder();

// Joins a data folder name and a file name below the program folder:
// DataPath(folder, "Text", "traits.ini") = folder/Text/traits.ini.
std::filesystem::path DataPath(const std::filesystem::path& programFolder, const char* dataFolder,
                               const std::string& fileName);

} // namespace mienlore
