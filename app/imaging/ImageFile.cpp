#include "imaging/ImageFile.h"

#include "imaging/BmpFile.h"
#include "imaging/GifFile.h"
#include "imaging/JpegFile.h"
#include "imaging/PngFile.h"

#include <algorithm>

namespace mienlore {

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

bool IsJpegPath(const std::filesystem::path& path) {
    // ".jpeg" too: a file of that name holding a bitmap would not be what
    // its name says.
    return HasExtension(path, "jpg") || HasExtension(path, "jpeg");
}

bool IsPngPath(const std::filesystem::path& path) {
    return HasExtension(path, "png");
}

const std::vector<ImageFileFormat>& CoreImageFileFormats() {
    static const std::vector<ImageFileFormat> formats{
        {"BMP", {"bmp", "dib"}}, {"JPEG", {"jpg", "jpeg"}}, {"PNG", {"png"}}, {"GIF", {"gif"}}};
    return formats;
}

bool IsCoreImagePath(const std::filesystem::path& path) {
    if (path.extension().empty())
        return true;
    for (const ImageFileFormat& format : CoreImageFileFormats())
        for (const char* ext : format.extensions)
            if (HasExtension(path, ext))
                return true;
    return false;
}

std::string FormatNameList(const std::vector<std::string>& names) {
    std::string out;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            out += i + 1 == names.size() ? " and " : ", ";
        out += names[i];
    }
    return out;
}

bool WriteImageFile(const CDevib& bitmap, const std::filesystem::path& path, int jpegMode,
                    int jpegQuality, std::string* error) {
    if (IsJpegPath(path))
        return WriteJpeg(bitmap, path, jpegMode, jpegQuality, error);
    if (IsPngPath(path))
        return WritePng(bitmap, path, error);
    if (HasExtension(path, "gif"))
        return WriteGif(bitmap, path, error);
    if (!IsCoreImagePath(path)) {
        if (error) {
            std::vector<std::string> names;
            for (const ImageFileFormat& format : CoreImageFileFormats())
                names.push_back(format.name);
            *error = "pictures are not written as \"" + path.extension().string() +
                     "\" files; the formats are " + FormatNameList(names);
        }
        return false;
    }
    return WriteBmp(bitmap, path, error);
}

} // namespace mienlore
