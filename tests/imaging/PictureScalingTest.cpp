#include "imaging/PictureScaling.h"
#include "imaging/CanvasDrawing.h"
#include "support/ImageTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mienlore {
namespace {

// A picture from text rows, top row first: '#' black, '+' grey 128, '.' white.
CDevib Picture(const std::vector<std::string>& rows) {
    return test::GreyPicture(rows, [](char ch) { return ch == '#' ? 0 : ch == '+' ? 128 : 255; });
}

std::vector<std::string> Rows(const CDevib& p) {
    std::vector<std::string> rows;
    for (int y = 0; y < p.Height(); ++y) {
        std::string row;
        for (int x = 0; x < p.Width(); ++x) {
            const int g = LumaInt(CanvasPixel(p, x, y));
            row += g == 0 ? '#' : g == 128 ? '+' : g == 255 ? '.' : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

CDevib Stretched(const CDevib& source, int w, int h) {
    CDevib target;
    EXPECT_TRUE(target.Create(w, h));
    StretchPicture(source, target);
    return target;
}

TEST(PictureScaling, ShrinkingKeepsThinDarkStrokes) {
    // One-pixel strokes at every phase of the 3:1 merge survive.
    const CDevib source = Picture({
        "#........",
        "....#....",
        "........#",
        ".........",
        ".........",
        "...+.....",
    });
    EXPECT_EQ(Rows(Stretched(source, 3, 2)), (std::vector<std::string>{"###", ".+."}));
}

TEST(PictureScaling, TheDarkestPixelOfAMergedBlockWins) {
    const CDevib source = Picture({"+#", "++"});
    EXPECT_EQ(Rows(Stretched(source, 1, 1)), (std::vector<std::string>{"#"}));
}

TEST(PictureScaling, EnlargingRepeatsPixels) {
    const CDevib source = Picture({"#.", ".+"});
    EXPECT_EQ(Rows(Stretched(source, 4, 4)),
              (std::vector<std::string>{"##..", "##..", "..++", "..++"}));
    EXPECT_EQ(Rows(Stretched(source, 3, 2)), (std::vector<std::string>{"##.", "..+"}));
}

TEST(PictureScaling, AxesScaleOnTheirOwnAndRowsMapFromTheTop) {
    const CDevib source = Picture({"#..", "...", "..+", "..."});
    // Narrower and taller at once.
    EXPECT_EQ(Rows(Stretched(source, 1, 8)),
              (std::vector<std::string>{"#", "#", ".", ".", "+", "+", ".", "."}));
}

TEST(PictureScaling, EmptyBitmapsAreLeftAlone) {
    const CDevib source = Picture({"#"});
    CDevib empty;
    StretchPicture(source, empty);
    EXPECT_TRUE(empty.IsEmpty());
    CDevib target;
    ASSERT_TRUE(target.Create(2, 2));
    target.Fill(0x12345678u);
    StretchPicture(CDevib{}, target);
    EXPECT_EQ(target.GetPixel(1, 1), 0x12345678u);
}

} // namespace
} // namespace mienlore
