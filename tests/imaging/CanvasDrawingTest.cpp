#include "imaging/CanvasDrawing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mienlore {
namespace {

constexpr ColorRef kRed = 0x0000FF;
constexpr ColorRef kWhite = 0xFFFFFF;

CDevib WhiteCanvas(int w, int h) {
    CDevib c;
    EXPECT_TRUE(c.Create(w, h));
    c.Fill(0xFFFFFFFFu);
    return c;
}

// The canvas as text rows, top row first: '#' where the pixel has word.
std::vector<std::string> Marked(const CDevib& c, uint32_t word) {
    std::vector<std::string> rows;
    for (int y = 0; y < c.Height(); ++y) {
        std::string row;
        for (int x = 0; x < c.Width(); ++x)
            row += (CanvasPixel(c, x, y) & 0xFFFFFF) == (word & 0xFFFFFF) ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

TEST(CanvasDrawing, ColoursAreStoredAsAScreenSurfaceStoresThem) {
    EXPECT_EQ(CanvasWord(0x00112233u), 0x00332211u);
    CDevib c = WhiteCanvas(2, 2);
    SetCanvasPixel(c, 1, 0, 0x123456);
    // The top row of the canvas is the last row of the bottom-up storage.
    EXPECT_EQ(c.GetPixel(1, 1), 0x123456u);
    EXPECT_EQ(CanvasPixel(c, 1, 0), 0x123456u);
}

TEST(CanvasDrawing, FillRectCoversItsRectangleTopDownAndClips) {
    CDevib c = WhiteCanvas(5, 4);
    FillCanvasRect(c, ImageRect{1, 0, 3, 2}, kRed);
    EXPECT_EQ(Marked(c, CanvasWord(kRed)),
              (std::vector<std::string>{".##..", ".##..", ".....", "....."}));
    FillCanvasRect(c, ImageRect{-10, 3, 100, 100}, kRed);
    EXPECT_EQ(Marked(c, CanvasWord(kRed))[3], "#####");
    // Empty and inverted rectangles draw nothing.
    CDevib d = WhiteCanvas(3, 3);
    FillCanvasRect(d, ImageRect{2, 2, 1, 1}, kRed);
    FillCanvasRect(d, ImageRect{1, 1, 1, 3}, kRed);
    EXPECT_EQ(Marked(d, CanvasWord(kRed)), (std::vector<std::string>{"...", "...", "..."}));
}

TEST(CanvasDrawing, LinesLeaveOutTheirEndPoint) {
    CDevib c = WhiteCanvas(6, 5);
    DrawCanvasLine(c, 0, 0, 5, 0, kRed); // horizontal
    DrawCanvasLine(c, 0, 1, 0, 4, kRed); // vertical
    DrawCanvasLine(c, 2, 2, 4, 4, kRed); // diagonal
    DrawCanvasLine(c, 5, 4, 5, 4, kRed); // zero length: nothing
    EXPECT_EQ(Marked(c, CanvasWord(kRed)),
              (std::vector<std::string>{"#####.", "#.....", "#.#...", "#..#..", "......"}));
}

TEST(CanvasDrawing, LinesAreEightConnectedAndClipped) {
    CDevib c = WhiteCanvas(8, 4);
    DrawCanvasLine(c, -3, 0, 10, 3, kRed);
    int count = 0;
    for (const auto& row : Marked(c, CanvasWord(kRed)))
        for (char ch : row)
            count += ch == '#';
    EXPECT_GT(count, 6);
    // Every drawn pixel has a drawn 8-neighbour: no gaps along the line.
    const auto rows = Marked(c, CanvasWord(kRed));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x) {
            if (rows[y][x] != '#')
                continue;
            bool neighbour = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if ((dx || dy) && y + dy >= 0 && y + dy < 4 && x + dx >= 0 && x + dx < 8 &&
                        rows[y + dy][x + dx] == '#')
                        neighbour = true;
            EXPECT_TRUE(neighbour) << x << "," << y;
        }
}

TEST(CanvasDrawing, PolylineJoinsItsPointsAndLeavesOutTheLast) {
    CDevib c = WhiteCanvas(5, 4);
    const CanvasPoint pts[] = {{0, 0}, {3, 0}, {3, 3}, {0, 3}};
    DrawCanvasPolyline(c, pts, kRed);
    EXPECT_EQ(Marked(c, CanvasWord(kRed)),
              (std::vector<std::string>{"####.", "...#.", "...#.", ".###."}));
    DrawCanvasPolyline(c, std::span<const CanvasPoint>(pts, 1), kWhite); // one point: nothing
    EXPECT_EQ(Marked(c, CanvasWord(kRed))[0], "####.");
}

TEST(CanvasDrawing, FloodFillIsFourConnectedSoADiagonalLineHolds) {
    // A diamond of 1-pixel diagonal lines: an 8-connected fill would pass
    // between its diagonal steps; the 4-connected fill must stay outside.
    CDevib c = WhiteCanvas(11, 11);
    const CanvasPoint diamond[] = {{5, 0}, {10, 5}, {5, 10}, {0, 5}, {5, 0}};
    DrawCanvasPolyline(c, diamond, kRed);
    EXPECT_TRUE(FloodFillCanvas(c, 0, 0, 0x00FF00));
    EXPECT_EQ(CanvasPixel(c, 5, 5) & 0xFFFFFF, 0xFFFFFFu);  // inside untouched
    EXPECT_EQ(CanvasPixel(c, 0, 0) & 0xFFFFFF, 0x00FF00u);  // this corner filled
    EXPECT_EQ(CanvasPixel(c, 10, 0) & 0xFFFFFF, 0xFFFFFFu); // other corners are cut off
    EXPECT_TRUE(FloodFillCanvas(c, 5, 5, 0x0000FF));
    EXPECT_EQ(CanvasPixel(c, 5, 1) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(CanvasPixel(c, 1, 1) & 0xFFFFFF, 0x00FF00u); // outside keeps the first fill
}

TEST(CanvasDrawing, FloodFillComparesColourNotAlphaAndRefusesNoOps) {
    CDevib c;
    ASSERT_TRUE(c.Create(3, 1));
    c.SetPixel(0, 0, 0xFF101010u);
    c.SetPixel(1, 0, 0x00101010u); // same colour, other alpha
    c.SetPixel(2, 0, 0xFF101011u);
    EXPECT_TRUE(FloodFillCanvas(c, 0, 0, 0x0000FF));
    EXPECT_EQ(c.GetPixel(1, 0), CanvasWord(0x0000FF));
    EXPECT_EQ(c.GetPixel(2, 0), 0xFF101011u);
    EXPECT_FALSE(FloodFillCanvas(c, 0, 0, 0x0000FF)); // already that colour
    EXPECT_FALSE(FloodFillCanvas(c, 3, 0, 0x00FF00)); // outside
    EXPECT_FALSE(FloodFillCanvas(c, 0, -1, 0x00FF00));
}

TEST(CanvasDrawing, FloodFillFollowsAWindingCorridorOnABigCanvas) {
    // A serpentine wall: the fill must follow every turn without recursion.
    const int n = 600;
    CDevib c = WhiteCanvas(n, n);
    for (int x = 2; x < n; x += 4) {
        const bool fromTop = (x / 4) % 2 == 0;
        DrawCanvasLine(c, x, fromTop ? 0 : 2, x, fromTop ? n - 2 : n, kRed);
    }
    EXPECT_TRUE(FloodFillCanvas(c, 0, 0, 0x00FF00));
    EXPECT_EQ(CanvasPixel(c, n - 1, n / 2) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(CanvasPixel(c, 2, 10) & 0xFFFFFF, CanvasWord(kRed) & 0xFFFFFF);
}

} // namespace
} // namespace mienlore
