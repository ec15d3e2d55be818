#include "imaging/FeaturePicture.h"

#include "imaging/PictureScaling.h"

#include <algorithm>
#include <cstdlib>

namespace mienlore {

ImageRect PlacePicture(int x, int y, int width, int height, int scalePercent, int axes) {
    int w = width;
    int h = height;
    if (scalePercent != 0 && scalePercent != 100) {
        if (axes & 1)
            w = width * scalePercent / 100;
        if (axes & 2)
            h = height * scalePercent / 100;
        x -= (w - width) / 2;
        y -= (h - height) / 2;
    }
    return {x, y, x + w, y + h};
}

CDevib PreparePicture(const CDevib& picture, int width, int height, int side) {
    CDevib out;
    if (width <= 0 || height <= 0 || !out.Create(width, height))
        return out;
    if (width == picture.Width() && height == picture.Height())
        picture.CopyTo(out);
    else
        StretchPicture(picture, out);
    if (side == -1)
        out.MirrorHorizontal();
    return out;
}

namespace {

// The canvas under rect, and back again (clipped to the canvas).
CDevib GrabCanvas(const CDevib& canvas, const ImageRect& rect) {
    CDevib part;
    part.Grab(canvas, rect);
    return part;
}

void PutCanvas(CDevib& canvas, const CDevib& part, const ImageRect& rect) {
    part.DrawTo(canvas, rect.left, rect.top, part.Width(), part.Height());
}

} // namespace

CDevib PrepareDrawing(const CDevib& picture, const ImageRect& target, const PictureLook& look) {
    CDevib drawn = PreparePicture(picture, target.Width(), target.Height(), look.side);
    if (drawn.IsEmpty())
        return drawn;
    if (look.blur > 0)
        drawn.PyramidBlur(look.blur, 2);
    if (look.lighten > 0)
        drawn.Lighten(look.lighten);
    return drawn;
}

void DarkenCanvas(CDevib& canvas, const ImageRect& target, const CDevib& drawn) {
    CDevib background = GrabCanvas(canvas, target);
    if (background.IsEmpty() || drawn.IsEmpty())
        return;
    background.DarkenWith(drawn);
    PutCanvas(canvas, background, target);
}

ImageRect DrawFeaturePicture(CDevib& canvas, int x, int y, const CDevib& picture,
                             const PictureLook& look) {
    const ImageRect target =
        PlacePicture(x, y, picture.Width(), picture.Height(), look.scalePercent, look.axes);
    DarkenCanvas(canvas, target, PrepareDrawing(picture, target, look));
    return target;
}

ImageRect ShadeFeatureArea(CDevib& canvas, int x, int y, const CDevib& picture, int scalePercent,
                           int axes, uint32_t colorRef, int kind, int strength) {
    const ImageRect target =
        PlacePicture(x, y, picture.Width(), picture.Height(), scalePercent, axes);
    CDevib area = GrabCanvas(canvas, target);
    const int w = area.Width();
    const int h = area.Height();
    if (w == 0 || h == 0)
        return target;
    const int64_t a = std::clamp(strength, 1, 9);
    const int64_t d = LumaInt(colorRef); // the colour value taken as a pixel word
    uint32_t* pixels = area.Pixels();
    for (int row = 0; row < h; ++row) {
        for (int column = 0; column < w; ++column) {
            uint32_t& p = pixels[static_cast<size_t>(row) * w + column];
            const int64_t c = LumaInt(p);
            int64_t b;
            int64_t e;
            if (kind == static_cast<int>(ShadeKind::Horizontal)) {
                b = std::abs(2 * column - w);
                e = (10 - a) * (w - b);
            } else if (kind == static_cast<int>(ShadeKind::Vertical)) {
                b = std::abs(2 * row - h);
                e = (10 - a) * (h - b);
            } else {
                const int64_t dy = 2 * row - h;
                const int64_t dx = 2 * column - w;
                b = dy * dy + dx * dx;
                e = (10 - a) * (static_cast<int64_t>(h) * h + static_cast<int64_t>(w) * w - b);
            }
            const int64_t value = (a * b * c + d * e) / (a * b + e);
            p = GreyPixel(static_cast<int>(value));
        }
    }
    PutCanvas(canvas, area, target);
    return target;
}

ShapeFill FindOutline(const CDevib& shape, const ImageRect& target, int x, int y) {
    ShapeFill result{};
    const int h = shape.Height();
    if (h == 0) {
        result.bounds = {x, y, x + 1, y + 1};
        return result;
    }

    // Corners and contour, found in the bitmap's bottom-up rows.
    std::array<PixelPoint, 12> found{};
    found[0] = shape.FirstDark(1, -1);
    found[1] = shape.FirstDark(-1, -1);
    found[2] = shape.FirstDark(1, 1);
    found[3] = shape.FirstDark(-1, 1);
    // A contour row without a dark pixel keeps the x of the point above it
    // on the same side, so that the contour never jumps across the picture.
    int leftX = found[0].x;
    int rightX = found[1].x;
    for (int k = 1; k <= 4; ++k) {
        const int leftRow = found[0].y + (found[2].y - found[0].y) * k / 5;
        const int rightRow = found[1].y + (found[3].y - found[1].y) * k / 5;
        const int l = shape.RowDark(1, leftRow);
        const int r = shape.RowDark(-1, rightRow);
        leftX = l >= 0 ? l : leftX;
        rightX = r >= 0 ? r : rightX;
        found[static_cast<size_t>(2 + 2 * k)] = {leftX, leftRow};
        found[static_cast<size_t>(3 + 2 * k)] = {rightX, rightRow};
    }

    // Top-down, relative to the placed position.
    int minX = 0, minY = 0, maxX = 0, maxY = 0;
    for (size_t i = 0; i < found.size(); ++i) {
        const int px = found[i].x + target.left - x;
        const int py = (h - 1 - found[i].y) + target.top - y;
        result.points[i] = {px, py};
        minX = i == 0 ? px : std::min(minX, px);
        maxX = i == 0 ? px : std::max(maxX, px);
        minY = i == 0 ? py : std::min(minY, py);
        maxY = i == 0 ? py : std::max(maxY, py);
    }
    result.bounds = {minX + x, minY + y, maxX + x, maxY + y};
    return result;
}

void PaintShape(CDevib& canvas, const ImageRect& target, const CDevib& shape, ColorRef colorRef) {
    CDevib background = GrabCanvas(canvas, target);
    if (background.IsEmpty() || shape.IsEmpty())
        return;
    background.PaintWhere(shape, colorRef);
    PutCanvas(canvas, background, target);
}

ShapeFill FillFeatureShape(CDevib& canvas, int x, int y, const CDevib& picture, int scalePercent,
                           int axes, int side, uint32_t colorRef, bool paint) {
    const ImageRect target =
        PlacePicture(x, y, picture.Width(), picture.Height(), scalePercent, axes);
    const CDevib shape = PreparePicture(picture, target.Width(), target.Height(), side);
    const ShapeFill result = FindOutline(shape, target, x, y);
    if (paint && result.bounds.Width() > 0 && result.bounds.Height() > 0)
        PaintShape(canvas, target, shape, colorRef);
    return result;
}

} // namespace mienlore
