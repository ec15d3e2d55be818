#pragma once

#include "files/StoredFace.h"

#include <filesystem>
#include <optional>
#include <vector>

namespace mienlore {

// The gallery face files as the searches use them: per face its stored line
// (empty when the file did not read) and name, in collection order, and the
// portrait beside it.
struct SearchGallery {
    std::vector<StoredFace> faces;
    std::vector<std::filesystem::path> pictures;
};

// Gallery face files read straight from disk, for the console tool and for
// the searches while no gallery is loaded: each entry is the stored line
// (with ";") and its name.

// A text file of ".fac" lines ("code|name"), one face per non-empty line, in
// file order; nothing when the file cannot be read.
std::optional<std::vector<StoredFace>> ReadFacList(const std::filesystem::path& path);

// The first line of every ".fac" file of a folder (the extension compared
// without regard to case), in the order the file system lists them; nothing
// when the folder cannot be read. An empty or unreadable file gives an entry
// with an empty line, so that the positions stay those of the files. With
// pictures, each entry's portrait path (the ".fac" path with ".jpg") is
// appended there.
std::optional<std::vector<StoredFace>>
ReadFacFolder(const std::filesystem::path& folder,
              std::vector<std::filesystem::path>* pictures = nullptr);

} // namespace mienlore
