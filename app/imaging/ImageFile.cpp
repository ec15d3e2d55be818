#include "imaging/ImageFile.h"

#include "imaging/BmpFile.h"
#include "imaging/JpegFile.h"
#include "imaging/PngFile.h"

namespace mienlore {

namespace {

// True when the path ends in "." and the three letters of ext (lower case),
// in any letter case.
bool HasExtension(const std::filesystem::path& path, const char* ext) {
    const std::string e = path.extension().string();
    if (e.size() != 4 || e[0] != '.')
        return false;
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return lower(e[1]) == ext[0] && lower(e[2]) == ext[1] && lower(e[3]) == ext[2];
}

} // namespace

bool IsJpegPath(const std::filesystem::path& path) {
    return HasExtension(path, "jpg");
}

bool IsPngPath(const std::filesystem::path& path) {
    return HasExtension(path, "png");
}

bool WriteImageFile(const CDevib& bitmap, const std::filesystem::path& path, int jpegMode,
                    int jpegQuality, std::string* error) {
    if (IsJpegPath(path))
        return WriteJpeg(bitmap, path, jpegMode, jpegQuality, error);
    if (IsPngPath(path))
        return WritePng(bitmap, path, error);
    return WriteBmp(bitmap, path, error);
}

} // namespace mienlore
