#include "imaging/ui/DevibImage.h"

#include <cstring>

namespace mienlore {

QImage ToQImage(const CDevib& bitmap) {
    if (bitmap.IsEmpty())
        return {};
    QImage image(bitmap.Width(), bitmap.Height(), QImage::Format_RGB32);
    if (image.isNull())
        return {};
    const int w = bitmap.Width(), h = bitmap.Height();
    for (int row = 0; row < h; ++row) {
        const PixelWord* src = bitmap.Pixels() + static_cast<std::size_t>(h - 1 - row) * w;
        auto* dst = reinterpret_cast<PixelWord*>(image.scanLine(row));
        for (int x = 0; x < w; ++x)
            dst[x] = src[x] | kOpaque;
    }
    return image;
}

bool FromQImage(const QImage& image, CDevib& bitmap) {
    bitmap.Release();
    if (image.isNull())
        return false;
    const QImage rgb = image.format() == QImage::Format_RGB32
                           ? image
                           : image.convertToFormat(QImage::Format_RGB32);
    if (rgb.isNull() || !bitmap.Create(rgb.width(), rgb.height()))
        return false;
    const int w = bitmap.Width(), h = bitmap.Height();
    for (int row = 0; row < h; ++row) {
        const auto* src = reinterpret_cast<const PixelWord*>(rgb.constScanLine(row));
        PixelWord* dst = bitmap.Pixels() + static_cast<std::size_t>(h - 1 - row) * w;
        for (int x = 0; x < w; ++x)
            dst[x] = src[x] | kOpaque;
    }
    return true;
}

} // namespace mienlore
