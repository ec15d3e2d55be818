#pragma once

#include "model/SlotCatalogue.h"

#include <filesystem>
#include <string>

namespace mienlore {

struct FaceRect {
    int left = 0;
    int top = 0;
    int right = 1;
    int bottom = 1;

    // Right and bottom edges are outside, as for window rectangles.
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

// One picture of a slot: where its bitmap comes from and how it was last
// drawn.
class CFaceItemPict {
public:
    CFaceItemPict() = default;
    virtual ~CFaceItemPict() = default;
    CFaceItemPict(const CFaceItemPict&) = default;
    CFaceItemPict& operator=(const CFaceItemPict&) = default;

    FaceRect drawnRect;      // last drawn rectangle, for hit testing
    bool fromLibrary = true; // picture library, else a bitmap file in HAIR
    int pixelWidth = 0;      // bitmap size of the last drawing
    int pixelHeight = 0;
    int dpiX = 96; // screen resolution when the picture object was made
    int dpiY = 96;
    PictDrawing drawing;
    int side = 0;       // -1 left of a pair, +1 right of a pair, 0 single
    int resourceId = 0; // library id of the current picture (library source)
    char tag[8] = {};
    // File name of the current picture (file source), e.g. "no14.bmp"; the
    // full path is FilePath(program folder).
    std::string fileName;

    std::filesystem::path FilePath(const std::filesystem::path& programFolder) const;
};

// Where the picture store lies below the program folder: the picture library
// "FaceArt" (one "<resource id>.bmp" per picture) and the picture files of
// "HAIR".
std::filesystem::path PictureLibraryFolder(const std::filesystem::path& programFolder);
std::filesystem::path PictureFileFolder(const std::filesystem::path& programFolder);
std::filesystem::path PictureLibraryPath(const std::filesystem::path& programFolder,
                                         int resourceId);

// Library resource id of a picture: 10000 + 1000 * slot number + (100 for a
// side of a pair) + picture index.
int PictureResourceId(int slotNumber, int side, int pictIndex);

// File name of a picture in the HAIR folder: tag, side mark ("0" left, "1"
// right, nothing single), index as "_%1d" below 10 else "%2d", ".bmp".
std::string PictureFileName(const char* tag, int side, int pictIndex);

} // namespace mienlore
