#pragma once

#include "base/WriteResult.h"
#include "gallery/GallItem.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace mienlore {

class CDevib;

// The files of one gallery entry named name in folder: the portrait (".jpg"),
// the description (".phy") and the face file (".fac").
struct GallEntryPaths {
    std::filesystem::path picture;
    std::filesystem::path description;
    std::filesystem::path faceFile;
};
GallEntryPaths GalleryEntryPaths(const std::filesystem::path& folder, std::string_view name);

// Why name cannot name an entry of My Gallery, as a sentence for the user;
// empty when it can. A name must stay inside the folder (no "/" or "\", no
// leading "."), hold no control characters and fit a file name with its
// longest extension.
std::string GalleryNameProblem(std::string_view name);

// True when any of the three files of the entry exists.
bool GalleryEntryExists(const std::filesystem::path& folder, std::string_view name);

// Writes an entry of My Gallery: the portrait as JPEG, then the description
// and the face file with the face's code and the name. Creates the folder
// when needed; an existing entry of that name is overwritten. Refuses a name
// GalleryNameProblem finds fault with.
WriteResult AddGalleryEntry(const std::filesystem::path& folder, std::string_view name,
                            const CFaceFrame& face, const CDevib& portrait);

// Describes a portrait of the shipped Gallery: the face's code with title as
// its name becomes the only line of the portrait's description. The face file
// is left as it is. Needs a title.
WriteResult DescribeGalleryItem(const CGallItem& item, const CFaceFrame& face,
                                std::string_view title);

// Removes an entry of My Gallery: exactly its portrait (whatever its
// extension), its description and its face file, each when present. Refuses
// an item that is not in folder. Files already missing are not an error.
WriteResult RemoveGalleryEntry(const std::filesystem::path& folder, const CGallItem& item);

} // namespace mienlore
