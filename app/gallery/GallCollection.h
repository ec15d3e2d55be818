#pragma once

#include "files/StoredFace.h"
#include "gallery/GallItem.h"

#include <cstddef>
#include <filesystem>
#include <memory>
#include <vector>

namespace mienlore {

// The two gallery folders: the user's own ("My Gallery") and the collection
// shipped with the program.
enum class GallFolder { My = 0, Gallery = 1 };

// The program folder's shipped collection, "Gallery".
std::filesystem::path ShippedGalleryFolder(const std::filesystem::path& programFolder);
// Where My Gallery is read and written: "MyGallery" of the folder that takes
// the program's written files (the program folder when writable, else the
// per-user data folder).
std::filesystem::path MyGalleryFolder(const std::filesystem::path& programFolder);

// The gallery collections:
// - per folder, the displayed list: every portrait, those with a description
//   first, each group in the order the folder was listed;
// - the Gallery faces: for each described portrait of the shipped Gallery,
//   its face and name from the face file beside it, index set to its position
//   in the displayed list;
// - the gallery face files: one entry for every ".fac" file of the shipped
//   Gallery, with or without a portrait beside it.
class CGallery {
public:
    // Faces are decoded with the pictures of programFolder.
    explicit CGallery(std::filesystem::path programFolder);

    // Reads a folder into the collections of which: empties them, lists the
    // folder and fills them again. A missing or unreadable folder leaves them
    // empty. Returns the number of displayed portraits.
    std::size_t LoadFolder(GallFolder which, const std::filesystem::path& folder);
    // The shipped Gallery or My Gallery at their usual places.
    std::size_t LoadShippedGallery();
    std::size_t LoadMyGallery();

    const std::vector<CGallItem>& Displayed(GallFolder which) const;
    // How many of the displayed portraits had a description when the folder
    // was read: they are the first ones of the list.
    std::size_t DescribedCount(GallFolder which) const;
    // The folder which was last read from (empty before the first Load).
    const std::filesystem::path& Folder(GallFolder which) const;
    const std::vector<CGallFace>& GalleryFaces() const { return m_galleryFaces; }
    const std::vector<CGallFace>& GalleryFaceFiles() const { return m_faceFiles; }

    const std::filesystem::path& ProgramFolder() const { return *m_programFolder; }

private:
    std::shared_ptr<const std::filesystem::path> m_programFolder;
    std::vector<CGallItem> m_displayed[2];
    std::filesystem::path m_folders[2];
    std::size_t m_described[2] = {0, 0};
    std::vector<CGallFace> m_galleryFaces;
    std::vector<CGallFace> m_faceFiles;
};

} // namespace mienlore
