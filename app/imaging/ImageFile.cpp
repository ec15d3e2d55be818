#include "imaging/ImageFile.h"

#include "imaging/BmpFile.h"
#include "imaging/JpegFile.h"

namespace mienlore {

bool IsJpegPath(const std::filesystem::path& path) {
    const std::string ext = path.extension().string();
    if (ext.size() != 4 || ext[0] != '.')
        return false;
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return lower(ext[1]) == 'j' && lower(ext[2]) == 'p' && lower(ext[3]) == 'g';
}

bool WriteImageFile(const CDevib& bitmap, const std::filesystem::path& path, int jpegMode,
                    int jpegQuality, std::string* error) {
    if (IsJpegPath(path))
        return WriteJpeg(bitmap, path, jpegMode, jpegQuality, error);
    return WriteBmp(bitmap, path, error);
}

} // namespace mienlore
