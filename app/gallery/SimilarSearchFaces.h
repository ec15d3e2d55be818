#pragma once

#include "files/StoredFace.h"
#include "gallery/GallCollection.h"

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

// The gallery face files of a loaded gallery, in collection order; a file
// that did not read as a face stays in its place with an empty line and
// name (the searches take it as a new face).
SearchGallery FaceFilesOf(const CGallery& gallery);

// A text file of ".fac" lines ("code|name"), one face per non-empty line, in
// file order; nothing when the file cannot be read.
std::optional<std::vector<StoredFace>> ReadFacList(const std::filesystem::path& path);

} // namespace mienlore
