#pragma once

// The feature picture store: the picture library (one bitmap per library id
// in the "FaceArt" folder) and the picture files of the "HAIR" folder, both
// below the program folder. Nothing but the library's state is kept: every
// lookup reads its bitmap again and hands it to the caller.

#include "imaging/Devib.h"
#include "model/FaceItem.h"

#include <filesystem>
#include <string>

namespace mienlore {

class CFeaturePictures {
public:
    explicit CFeaturePictures(std::filesystem::path programFolder);
    virtual ~CFeaturePictures() = default;

    const std::filesystem::path& ProgramFolder() const { return m_folder; }

    // The picture of any index of the item's slot and a side (-1 left, +1
    // right of a pair, 0 single), from the item's current source. An empty
    // bitmap when there is none: the library is missing, the id or the file
    // is absent, or the file cannot be read.
    CDevib LoadPicture(const CFaceItem& item, int side, int index);
    // The item's current picture: the left (or only) one for which 0, the
    // right one otherwise, from the id or file name its last Reload stored.
    CDevib CurrentPicture(const CFaceItem& item, int which);
    // The picture of a shape with the item's current variant: side -1 for a
    // pair, 0 otherwise (what the face page's shape chooser shows).
    CDevib PictureForShape(const CFaceItem& item, int shape);

    // Library access is lazy: the first lookup that needs the library
    // opens it; once open it stays open. A failed opening is not remembered,
    // so a library added later is found by the next lookup.
    bool IsLibraryLoaded() const { return m_libraryLoaded; }

private:
    bool LoadLibrary();
    CDevib LibraryBitmap(int resourceId);
    CDevib FileBitmap(const std::filesystem::path& path) const;

    std::filesystem::path m_folder;
    bool m_libraryLoaded = false;
};

// The drawn rectangle of an item's picture as "(left,top,width,height)": the
// right picture of a pair when right is set, else the left (or only) one.
std::string DrawnRectText(const CFaceItem& item, bool right);

} // namespace mienlore
