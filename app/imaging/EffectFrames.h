#pragma once

#include "imaging/Devib.h"

#include <functional>

namespace mienlore {

// The frames of the about box's animated caption: the text glowing through a
// red shadow that spreads and settles.
//
// Setup paints two pictures from the text's region: the shown image (the
// text colour inside the region, the background outside) and the shadow
// source (the region moved by (8, 6), pure red inside). Each Step takes the
// whole shown image as the new source, stamps the red shadow into it again
// and replaces the inner pixels of the shown image by the 3 x 3 box average
// of that source, so the glow grows round the shadow and then holds steady.
class CEffectFrames {
public:
    static constexpr int kShadowDx = 8;
    static constexpr int kShadowDy = 6;

    // inside(x, y) in picture coordinates (y = 0 at the top). False for an
    // empty size.
    bool Setup(int width, int height, const std::function<bool(int x, int y)>& inside,
               PixelWord text, PixelWord background);
    void Step();
    const CDevib& Shown() const { return m_shown; }
    int Frames() const { return m_frames; }

    // target's inner pixels (not the outermost rows and columns) become the
    // per-channel 3 x 3 box average of source (weights 1, divisor 9,
    // truncated); the border keeps target's pixels. Sizes must match.
    static void BoxAverage3(const CDevib& source, CDevib& target);

private:
    CDevib m_shown;
    CDevib m_source;
    std::vector<bool> m_shadow; // storage order
    int m_frames = 0;
};

} // namespace mienlore
