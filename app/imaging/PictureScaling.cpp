#include "imaging/PictureScaling.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace mienlore {

namespace {

struct Span {
    int first;
    int end; // one past the last source index
};

// For each target index the run of source indices it covers: at least one,
// and every source index belongs to exactly one run when shrinking.
std::vector<Span> SourceSpans(int sourceSize, int targetSize) {
    std::vector<Span> spans(static_cast<size_t>(targetSize));
    for (int i = 0; i < targetSize; ++i) {
        const int first = static_cast<int>(static_cast<int64_t>(i) * sourceSize / targetSize);
        const int end = static_cast<int>(static_cast<int64_t>(i + 1) * sourceSize / targetSize);
        spans[static_cast<size_t>(i)] = {first, std::max(end, first + 1)};
    }
    return spans;
}

} // namespace

void StretchPicture(const CDevib& source, CDevib& target) {
    const int sw = source.Width();
    const int sh = source.Height();
    const int tw = target.Width();
    const int th = target.Height();
    if (sw <= 0 || sh <= 0 || tw <= 0 || th <= 0)
        return;
    const std::vector<Span> columns = SourceSpans(sw, tw);
    const std::vector<Span> rows = SourceSpans(sh, th);

    // Work top-down: bitmap row r holds picture row (height - 1 - r).
    std::vector<uint32_t> best(static_cast<size_t>(tw));
    std::vector<int> bestLuma(static_cast<size_t>(tw));
    for (int ty = 0; ty < th; ++ty) {
        std::fill(bestLuma.begin(), bestLuma.end(), 256);
        for (int sy = rows[static_cast<size_t>(ty)].first; sy < rows[static_cast<size_t>(ty)].end;
             ++sy) {
            const uint32_t* srcRow = source.Pixels() + static_cast<size_t>(sh - 1 - sy) * sw;
            for (int tx = 0; tx < tw; ++tx) {
                const Span span = columns[static_cast<size_t>(tx)];
                for (int sx = span.first; sx < span.end; ++sx) {
                    const uint32_t p = srcRow[sx];
                    const int luma = LumaInt(p);
                    if (luma < bestLuma[static_cast<size_t>(tx)]) {
                        bestLuma[static_cast<size_t>(tx)] = luma;
                        best[static_cast<size_t>(tx)] = p;
                    }
                }
            }
        }
        uint32_t* dstRow = target.Pixels() + static_cast<size_t>(th - 1 - ty) * tw;
        std::copy(best.begin(), best.end(), dstRow);
    }
}

} // namespace mienlore
