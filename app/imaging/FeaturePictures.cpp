#include "imaging/FeaturePictures.h"

#include "imaging/BmpFile.h"

#include <cstdio>
#include <system_error>
#include <utility>

namespace mienlore {

CFeaturePictures::CFeaturePictures(std::filesystem::path programFolder)
    : m_folder(std::move(programFolder)) {}

bool CFeaturePictures::LoadLibrary() {
    if (!m_libraryLoaded) {
        std::error_code error;
        m_libraryLoaded = std::filesystem::is_directory(PictureLibraryFolder(m_folder), error);
    }
    return m_libraryLoaded;
}

CDevib CFeaturePictures::LibraryBitmap(int resourceId) {
    if (!LoadLibrary())
        return {};
    return FileBitmap(PictureLibraryPath(m_folder, resourceId));
}

CDevib CFeaturePictures::FileBitmap(const std::filesystem::path& path) const {
    CDevib bitmap;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return bitmap;
    if (!ReadBmp(path, bitmap))
        bitmap.Release();
    return bitmap;
}

CDevib CFeaturePictures::LoadPicture(const CFaceItem& item, int side, int index) {
    const int which = side > 0 ? 1 : 0;
    if (!item.IsPaired())
        side = 0;
    if (item.pict[which].fromLibrary)
        return LibraryBitmap(PictureResourceId(item.SlotNumber(), side, index));
    return FileBitmap(PictureFileFolder(m_folder) / PictureFileName(item.Tag(), side, index));
}

CDevib CFeaturePictures::CurrentPicture(const CFaceItem& item, int which) {
    const CFaceItemPict& pict = item.pict[which == 0 ? 0 : 1];
    if (pict.fromLibrary)
        return LibraryBitmap(pict.resourceId);
    return FileBitmap(pict.FilePath(m_folder));
}

CDevib CFeaturePictures::PictureForShape(const CFaceItem& item, int shape) {
    const int variant = item.GetVariant();
    const int index =
        PictureIndex(item.IsVariantMajor(), item.Shapes(), item.Variants(), shape, variant);
    return LoadPicture(item, item.IsPaired() ? -1 : 0, index);
}

std::string DrawnRectText(const CFaceItem& item, bool right) {
    const FaceRect& r = item.pict[right && item.IsPaired() ? 1 : 0].drawnRect;
    char text[64];
    std::snprintf(text, sizeof text, "(%d,%d,%d,%d)", r.left, r.top, r.right - r.left,
                  r.bottom - r.top);
    return text;
}

} // namespace mienlore
