#include "imaging/ImageFile.h"

#include "imaging/BmpFile.h"
#include "imaging/JpegFile.h"
#include "imaging/PngFile.h"

#include <string_view>

namespace mienlore {

namespace {

// True when the path ends in "." and the letters of ext (lower case), in any
// letter case.
bool HasExtension(const std::filesystem::path& path, std::string_view ext) {
    const std::string e = path.extension().string();
    if (e.size() != ext.size() + 1 || e[0] != '.')
        return false;
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    for (std::size_t i = 0; i < ext.size(); ++i)
        if (lower(e[i + 1]) != ext[i])
            return false;
    return true;
}

} // namespace

bool IsJpegPath(const std::filesystem::path& path) {
    // ".jpeg" too: a file of that name holding a bitmap would not be what
    // its name says.
    return HasExtension(path, "jpg") || HasExtension(path, "jpeg");
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
