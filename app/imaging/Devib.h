#pragma once

#include "imaging/ImageRect.h"
#include "imaging/PixelWord.h"

#include "base/CrtRandom.h"

#include <cstdint>
#include <functional>
#include <optional>
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

    // ---- point operations (in place, every pixel) ----
    // Grey of the integer luma; alpha 0xFF.
    void ToGray();
    // Complements red, green and blue; alpha 0xFF.
    void Invert();
    // Black below the threshold, white from it on (both alpha 0xFF). A
    // threshold of 0 is replaced by the mean floating-point luma of the
    // pixels whose luma is 1..254 (it stays 0 when there are none).
    void ToBlackWhite(int threshold);
    // Each of red, green, blue becomes c + k - k c / 255 (k capped at 255;
    // nothing for k < 0); alpha 0xFF.
    void Lighten(int k);
    // Every pixel with the red, green and blue of the key pixel (x, y) — or of
    // (0, 0) when (x, y) is outside — becomes colour's pixel word (alpha 0).
    void ReplaceColor(ColorRef colour, int x, int y);

    // ---- neighbourhood operations (the border they cannot reach is kept) ----
    // Per channel the largest absolute difference of the four opposite pairs
    // around each inner pixel; channels below threshold become 0.
    void EdgeMax(int threshold);
    // Grey rank of the integer luma over a (2r+1)^2 window: which = 0 the
    // median, which < 0 the maximum, which > 0 the minimum. A border of r+1
    // pixels stays unchanged.
    void RankFilter(int r, int which);
    // Pyramid-weighted mean over a (2r+1)^2 window (weight 2r+1-|dx|-|dy|); r
    // is capped at width/3, height/3 and 8. Rows above height - keepRows
    // (storage rows) are not written.
    void PyramidBlur(int r, int keepRows);
    // The grey glow smoothing of the face picture and the photo: a sparse
    // Gaussian splat of the floating-point luma onto every second neighbour,
    // normalised so the largest sum becomes 255 (rounded as MulDiv rounds:
    // halves up). Each sum is the plain total of its splats. keepRows restores
    // the source in the top storage rows (y > height - keepRows, x > rx/2);
    // whiteBorder whitens x < rx or y < ry; both only where a sum is non-zero.
    // Nothing happens for sx or sy <= 0.
    void GlowSmooth(int sx, int sy, int keepRows, bool whiteBorder);

    // ---- geometric operations ----
    // Rotation about the centre (same size); smooth samples bilinearly.
    void Rotate(double degrees, bool smooth);
    // Fills target (already created) by bilinear interpolation of source.
    static void Resample(CDevib& target, const CDevib& source);
    // The window of a resample without the whole: target (already created)
    // gets pixel (i + ox, j + oy) (storage addresses) of source resampled to
    // fullWidth x fullHeight, and fill where that lies outside. The same
    // pixels as Resample into the full size followed by a crop, at the cost
    // of the window only.
    static void ResampleWindow(CDevib& target, const CDevib& source, int fullWidth, int fullHeight,
                               int ox, int oy, PixelWord fill);
    // Re-creates the image at rect's size filled with fill, and copies the
    // source pixel (i + ox, j + oy) to (i, j) (storage addresses) wherever it
    // exists, ox = (old w - new w)/2 + rect.left, oy = (old h - new h)/2 +
    // rect.top. Returns the new size.
    ImageSize CropCentered(const ImageRect& rect, PixelWord fill);
    // Shrinks by averaging cells of (2ax+1) x (2ay+1) pixels (ax, ay clamped
    // to 1..8); the new size is w/(2ax+1) - ax by h/(2ay+1) - ay.
    ImageSize BlockAverage(int ax, int ay);
    void MirrorHorizontal();

    // ---- drawing operations (picture coordinates, colours as ColorRef) ----
    // Column i of the rect (0..right-left, inclusive) on rows top..bottom
    // (inclusive) gets Blend(i, right - left, c1, c2).
    void HorizontalGradient(const ImageRect& rect, ColorRef c1, ColorRef c2);
    // After ClampRect, every point of the inscribed elliptic region gets
    // Blend(row offset, height, c2, c4); c1 and c3 are not used.
    void EllipseGradient(ImageRect rect, ColorRef c1, ColorRef c2, ColorRef c3, ColorRef c4);
    // A soft round spot of radius r (nothing for r <= 0).
    void Spot(int x, int y, int r, ColorRef colour);
    // A soft ring of radius r (nothing for r <= 1).
    void Ring(int x, int y, int r, ColorRef colour);
    // Bresenham line towards (x1, y1), the end point not drawn; single pixels
    // below thickness 2, else spots of radius thickness / 2.
    void ThickLine(int x0, int y0, int x1, int y1, int thickness, ColorRef colour);
    // Recolours every pixel whose blue and green bytes equal those of pixel 0:
    // mode 1 with c1, mode 2 with a diagonal blend from c2 (top-left) to c1
    // (bottom-right) roughened by three draws from random per pixel.
    void TintFill(ColorRef c1, ColorRef c2, int mode, CCrtRandom& random);
    // Mask flag of pixel k: inside(k mod width, height - k div width).
    void BuildMask(const std::function<bool(int x, int y)>& inside);
    // Without a mask nothing happens.
    void PaintMask(ColorRef outside, ColorRef inside);

    // ---- shape operations of the face compositor (storage addresses) ----
    // Where other's integer luma is below 254, grey of the smaller luma of
    // both. Nothing when the sizes differ.
    void DarkenWith(const CDevib& other);
    // Where other's integer luma is below 254, word. Nothing when the sizes
    // differ.
    void PaintWhere(const CDevib& other, PixelWord word);
    // Scanning rows from the bottom (dirY > 0) or the top and, within a row,
    // from the left (dirX > 0) or the right: the first pixel with integer luma
    // below 240, else the last one visited ({0, 0} for an empty image).
    PixelPoint FirstDark(int dirX, int dirY) const;
    // Along storage row y from the left (dirX > 0) or the right: the x of the
    // first pixel with integer luma below 250, or -1.
    int RowDark(int dirX, int y) const;
    // The skin shading of a grey picture, row by row from the bottom: on each
    // row the pixels x = 10 .. width - 11 whose 255 - blue lies strictly
    // between lo and hi are found; with more than 3 found, the pixels from the
    // first found up to (not including) the last found become grey v, by mode
    // 0: (level + blue) * 3 / 6, 1: (3 level + avg + 2 blue) / 6, 2: (5 blue +
    // avg) / 6, avg being the mean blue of the found pixels (other modes change
    // nothing). On storage rows y with height - keep.bottom < y < height -
    // keep.top those pixels, except ones darker than the band, take instead
    // the lightest v of the last row shaded before (255 before any).
    void ShadeRowsKeep(int lo, int hi, int level, int mode, std::optional<ImageRect> keep);
    // The mean blue of the pixels inside rect whose 255 - blue lies strictly
    // between lo and hi (0 when there is none).
    int MeanBand(int lo, int hi, const ImageRect& rect) const;

private:
    std::vector<PixelWord> m_pixels;
    BitmapInfoHeader m_header;
    int m_width = 0;
    int m_height = 0;
    int m_count = 0;
    std::vector<std::uint32_t> m_mask;
};

} // namespace mienlore
