#include "imaging/CanvasDrawing.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace mienlore {

namespace {

constexpr uint32_t kRgbMask = 0x00FFFFFFu;

uint32_t* RowTopDown(CDevib& canvas, int y) {
    return canvas.Pixels() + static_cast<size_t>(canvas.Height() - 1 - y) * canvas.Width();
}

bool Inside(const CDevib& canvas, int x, int y) {
    return x >= 0 && y >= 0 && x < canvas.Width() && y < canvas.Height();
}

} // namespace

uint32_t CanvasWord(uint32_t colorRef) {
    return ((colorRef & 0xFFu) << 16) | (colorRef & 0xFF00u) | ((colorRef >> 16) & 0xFFu);
}

uint32_t CanvasPixel(const CDevib& canvas, int x, int y) {
    return canvas.GetPixel(x, canvas.Height() - 1 - y);
}

void SetCanvasPixel(CDevib& canvas, int x, int y, uint32_t word) {
    canvas.SetPixel(x, canvas.Height() - 1 - y, word);
}

void FillCanvasRect(CDevib& canvas, const ImageRect& rect, uint32_t colorRef) {
    const int left = std::max(rect.left, 0);
    const int right = std::min(rect.right, canvas.Width());
    const int top = std::max(rect.top, 0);
    const int bottom = std::min(rect.bottom, canvas.Height());
    if (left >= right || top >= bottom)
        return;
    const uint32_t word = CanvasWord(colorRef);
    for (int y = top; y < bottom; ++y) {
        uint32_t* row = RowTopDown(canvas, y);
        std::fill(row + left, row + right, word);
    }
}

void DrawCanvasLine(CDevib& canvas, int x0, int y0, int x1, int y1, uint32_t colorRef) {
    const uint32_t word = CanvasWord(colorRef);
    const int dx = std::abs(x1 - x0);
    const int dy = std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int err = dx - dy;
    int x = x0;
    int y = y0;
    while (x != x1 || y != y1) {
        if (Inside(canvas, x, y))
            RowTopDown(canvas, y)[x] = word;
        const int e2 = 2 * err;
        if (e2 > -dy) {
            err -= dy;
            x += sx;
        }
        if (e2 < dx) {
            err += dx;
            y += sy;
        }
    }
}

void DrawCanvasPolyline(CDevib& canvas, std::span<const CanvasPoint> points, uint32_t colorRef) {
    for (size_t i = 1; i < points.size(); ++i)
        DrawCanvasLine(canvas, points[i - 1].x, points[i - 1].y, points[i].x, points[i].y,
                       colorRef);
}

bool FloodFillCanvas(CDevib& canvas, int x, int y, uint32_t colorRef) {
    if (!Inside(canvas, x, y))
        return false;
    const uint32_t word = CanvasWord(colorRef);
    const uint32_t target = RowTopDown(canvas, y)[x] & kRgbMask;
    if (target == (word & kRgbMask))
        return false;

    // Scan-line fill: each seed fills its whole run on one row, then seeds the
    // runs of the same colour directly above and below it.
    const int width = canvas.Width();
    const int height = canvas.Height();
    std::vector<CanvasPoint> seeds{{x, y}};
    while (!seeds.empty()) {
        const CanvasPoint seed = seeds.back();
        seeds.pop_back();
        uint32_t* row = RowTopDown(canvas, seed.y);
        if ((row[seed.x] & kRgbMask) != target)
            continue;
        int left = seed.x;
        while (left > 0 && (row[left - 1] & kRgbMask) == target)
            --left;
        int right = seed.x;
        while (right + 1 < width && (row[right + 1] & kRgbMask) == target)
            ++right;
        std::fill(row + left, row + right + 1, word);
        for (const int ny : {seed.y - 1, seed.y + 1}) {
            if (ny < 0 || ny >= height)
                continue;
            const uint32_t* next = RowTopDown(canvas, ny);
            bool inRun = false;
            for (int i = left; i <= right; ++i) {
                const bool match = (next[i] & kRgbMask) == target;
                if (match && !inRun)
                    seeds.push_back({i, ny});
                inRun = match;
            }
        }
    }
    return true;
}

} // namespace mienlore
