#pragma once

// Small helpers for building and comparing working images in tests.
#include "imaging/CanvasDrawing.h"
#include "imaging/Devib.h"
#include "imaging/PixelWord.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace mienlore::test {

// An image whose storage words are given bottom row first.
inline CDevib ImageOf(int w, int h, const std::vector<PixelWord>& words) {
    CDevib d;
    d.Create(w, h);
    for (int k = 0; k < d.Count() && k < static_cast<int>(words.size()); ++k)
        d.Pixels()[k] = words[k];
    return d;
}

inline CDevib FilledImage(int w, int h, PixelWord word) {
    CDevib d;
    EXPECT_TRUE(d.Create(w, h));
    d.Fill(word);
    return d;
}

// Random colours with smooth patches and sharp edges, opaque or not.
inline CDevib RandomImage(int w, int h, std::uint32_t seed) {
    std::mt19937 gen(seed);
    CDevib d;
    d.Create(w, h);
    for (int k = 0; k < d.Count(); ++k)
        d.Pixels()[k] = static_cast<PixelWord>(gen());
    return d;
}

// A grey picture drawn from text rows, top row first; grey(ch) is the grey
// level a character stands for.
template <class GreyOf> CDevib GreyPicture(const std::vector<std::string>& rows, GreyOf grey) {
    CDevib p;
    EXPECT_TRUE(p.Create(static_cast<int>(rows[0].size()), static_cast<int>(rows.size())));
    for (int y = 0; y < p.Height(); ++y)
        for (int x = 0; x < p.Width(); ++x)
            SetCanvasPixel(p, x, y, GreyPixel(grey(rows[y][x])));
    return p;
}

inline std::vector<PixelWord> Words(const CDevib& d) {
    return std::vector<PixelWord>(d.Pixels(), d.Pixels() + d.Count());
}

} // namespace mienlore::test
