#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace mienlore {

// The file a save dialog suggests for an export of the current face: the
// face's name (characters a file name cannot hold become "_"; an empty name
// becomes fallbackName) with the extension, in the documents folder when it
// exists, else in the home folder. Always an absolute path in an existing
// folder when home exists.
std::filesystem::path SuggestedExportPath(const std::filesystem::path& documents,
                                          const std::filesystem::path& home, std::string_view name,
                                          std::string_view fallbackName,
                                          std::string_view extension);

} // namespace mienlore
