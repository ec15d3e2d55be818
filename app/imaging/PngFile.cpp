#include "imaging/PngFile.h"

#include "base/AtomicFile.h"

#include <png.h>

#include <cstring>
#include <vector>

namespace mienlore {

bool EncodePng(const CDevib& bitmap, std::string& out, std::string* error) {
    out.clear();
    if (bitmap.IsEmpty()) {
        if (error)
            *error = "There is no picture to write.";
        return false;
    }
    const int w = bitmap.Width();
    const int h = bitmap.Height();
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(w) * h * 3);
    for (int row = 0; row < h; ++row) {
        const PixelWord* src = bitmap.Pixels() + static_cast<std::size_t>(h - 1 - row) * w;
        std::uint8_t* dst = &rgb[static_cast<std::size_t>(row) * w * 3];
        for (int x = 0; x < w; ++x) {
            dst[3 * x] = static_cast<std::uint8_t>(RedOf(src[x]));
            dst[3 * x + 1] = static_cast<std::uint8_t>(GreenOf(src[x]));
            dst[3 * x + 2] = static_cast<std::uint8_t>(BlueOf(src[x]));
        }
    }
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(w);
    image.height = static_cast<png_uint_32>(h);
    image.format = PNG_FORMAT_RGB;
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, rgb.data(), 0, nullptr)) {
        if (error)
            *error = std::string("The PNG picture cannot be encoded: ") + image.message;
        png_image_free(&image);
        return false;
    }
    out.resize(size);
    if (!png_image_write_to_memory(&image, out.data(), &size, 0, rgb.data(), 0, nullptr)) {
        if (error)
            *error = std::string("The PNG picture cannot be encoded: ") + image.message;
        png_image_free(&image);
        out.clear();
        return false;
    }
    out.resize(size);
    png_image_free(&image);
    return true;
}

bool WritePng(const CDevib& bitmap, const std::filesystem::path& path, std::string* error) {
    std::string bytes;
    if (!EncodePng(bitmap, bytes, error))
        return false;
    return WriteFileAtomically(path, bytes, error);
}

} // namespace mienlore
