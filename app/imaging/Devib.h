#pragma once

#include "imaging/ImageRect.h"
#include "imaging/PixelWord.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace mienlore {

// The 40-byte bitmap info header that describes a working image; written as
// is into BMP files.
struct BitmapInfoHeader {
    std::uint32_t size = 40;
    std::int32_t width = 0;
    std::int32_t height = 0; // positive: rows are stored bottom-up
    std::uint16_t planes = 1;
    std::uint16_t bitCount = 32;
    std::uint32_t compression = 0;
    std::uint32_t sizeImage = 0;
    std::int32_t xPelsPerMeter = 0;
    std::int32_t yPelsPerMeter = 0;
    std::uint32_t clrUsed = 0;
    std::uint32_t clrImportant = 0;
};

// The working image: width x height 32-bit pixel words (blue, green, red,
// alpha from the low byte up), row-major, row 0 is the bottom row of the
// picture. Pixel addresses (GetPixel, SetPixel, the points and rows the shape
// operations take or return) are storage addresses; rectangles and the
// coordinates of the drawing operations are picture coordinates (y = 0 at the
// top), as a drawing surface uses them. An empty image (width 0) ignores every
// operation.
class CDevib {
public:
    CDevib() = default;
    CDevib(const CDevib&) = delete;
    CDevib& operator=(const CDevib&) = delete;
    CDevib(CDevib&& other) noexcept;
    CDevib& operator=(CDevib&& other) noexcept;
    virtual ~CDevib();

    // ---- storage ----
    // Allocates width x height zeroed pixels (and drops any mask). On failure
    // (non-positive or too large sizes, no memory) the image is left empty and
    // false is returned.
    bool Create(int width, int height);
    bool Release();
    // Makes other the same size (re-created only when the size differs) and
    // copies all pixel words.
    void CopyTo(CDevib& other) const;
    void Fill(PixelWord word);
    // No bounds check: callers keep inside the image.
    PixelWord GetPixel(int x, int y) const { return m_pixels[x + y * m_width]; }
    void SetPixel(int x, int y, PixelWord word) { m_pixels[x + y * m_width] = word; }
    void SetRGB(int x, int y, int r, int g, int b) {
        m_pixels[x + y * m_width] = kOpaque | (static_cast<PixelWord>(r) << 16) |
                                    ((static_cast<PixelWord>(g) & 0xFFFFFF) << 8) |
                                    static_cast<PixelWord>(b);
    }
    // Clamps each edge into [0, width] horizontally and [0, height] vertically.
    void ClampRect(ImageRect& rect) const;
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int Count() const { return m_count; }
    bool IsEmpty() const { return m_count == 0; }
    PixelWord* Pixels() { return m_pixels.data(); }
    const PixelWord* Pixels() const { return m_pixels.data(); }
    const BitmapInfoHeader& InfoHeader() const { return m_header; }
    // Per-pixel inside flags made by BuildMask; empty when there is none.
    const std::vector<std::uint32_t>& Mask() const { return m_mask; }

    // ---- transfers between images (a canvas is itself a CDevib) ----
    // Re-creates this image at rect's size and copies that rectangle of the
    // surface into it; parts outside the surface become 0. Returns false
    // without work when rect has a negative width or height.
    bool Grab(const CDevib& surface, const ImageRect& rect);
    // Writes the first h storage rows (the bottom h rows) and the first w
    // columns of this image onto the surface with their top-left corner at
    // (x, y), clipped to the surface.
    void DrawTo(CDevib& surface, int x, int y, int w, int h) const;
    // Stretches bitmap to this image's size (nearest source pixel, picture
    // rows mapped from the top).
    void StretchFrom(const CDevib& bitmap);

private:
    std::vector<PixelWord> m_pixels;
    BitmapInfoHeader m_header;
    int m_width = 0;
    int m_height = 0;
    int m_count = 0;
    std::vector<std::uint32_t> m_mask;
};

} // namespace mienlore
