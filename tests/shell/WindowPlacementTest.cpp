#include "shell/WindowPlacement.h"

#include <gtest/gtest.h>

using namespace mienlore;

TEST(WindowPlacement, FormatAndParseRoundTrip) {
    WindowPlacement p;
    p.flags = 2;
    p.showCommand = 3;
    p.minX = -1;
    p.minY = -2;
    p.maxX = -8;
    p.maxY = -30;
    p.left = 10;
    p.top = 20;
    p.right = 810;
    p.bottom = 620;
    const std::string text = FormatPlacement(p);
    EXPECT_EQ(text, "2,3,-1,-2,-8,-30,10,20,810,620");

    const WindowPlacement q = ParsePlacement(text);
    EXPECT_TRUE(q.valid);
    EXPECT_EQ(q.length, kPlacementLength);
    EXPECT_EQ(FormatPlacement(q), text);
    // An unset record is written too, and reads back as a valid one.
    EXPECT_EQ(FormatPlacement(WindowPlacement{}), "0,0,0,0,0,0,0,0,0,0");
}

TEST(WindowPlacement, OnlyExactlyTenNumbersAndNothingElseMakeAValidPlacement) {
    EXPECT_FALSE(ParsePlacement("").valid);
    EXPECT_FALSE(ParsePlacement("0,1,0,0,0,0,10,10,300").valid);
    EXPECT_FALSE(ParsePlacement("0,1,0,0,0,0,10,10,300,x").valid);
    EXPECT_FALSE(ParsePlacement("0;1;0;0;0;0;10;10;300;300").valid);
    // Trailing junk or an eleventh number: not a placement this program wrote.
    EXPECT_FALSE(ParsePlacement("0,1,0,0,0,0,10,10,300,300 junk").valid);
    EXPECT_FALSE(ParsePlacement("0,1,0,0,0,0,10,10,300,300,7").valid);
    EXPECT_FALSE(ParsePlacement("0,1,0,0,0,0,10,10,300,300;").valid);
    const WindowPlacement spaced = ParsePlacement(" 0, 1, 0, 0, 0, 0, +10, 10, 300, 300 ");
    EXPECT_TRUE(spaced.valid);
    EXPECT_EQ(spaced.left, 10);
    EXPECT_EQ(spaced.bottom, 300);
    EXPECT_TRUE(ParsePlacement("0,1,0,0,0,0,99999999999,0,1,1").valid); // saturates, no overflow
}

TEST(WindowPlacement, FitsOffscreenWindowsWithoutResizing) {
    WindowPlacement p = ParsePlacement("0,1,0,0,0,0,-50,-20,700,500");
    ASSERT_TRUE(FitPlacementToScreen(p, 800, 600));
    EXPECT_EQ(p.left, 0);
    EXPECT_EQ(p.top, 0);
    EXPECT_EQ(p.right - p.left, 750);
    EXPECT_EQ(p.bottom - p.top, 520);
    EXPECT_EQ(p.showCommand, kShowNormal);

    WindowPlacement over = ParsePlacement("0,3,0,0,0,0,300,250,900,700");
    ASSERT_TRUE(FitPlacementToScreen(over, 800, 600));
    EXPECT_EQ(over.left, 200); // moved left by the 100 pixel overhang
    EXPECT_EQ(over.top, 150);
    EXPECT_EQ(over.right, 800);
    EXPECT_EQ(over.bottom, 600);
}

TEST(WindowPlacement, TinyWindowsAreNotRestored) {
    WindowPlacement narrow = ParsePlacement("0,1,0,0,0,0,10,10,29,300");
    const WindowPlacement before = narrow;
    EXPECT_FALSE(FitPlacementToScreen(narrow, 800, 600));
    EXPECT_EQ(FormatPlacement(narrow), FormatPlacement(before));
    WindowPlacement low = ParsePlacement("0,1,0,0,0,0,10,10,300,29");
    EXPECT_FALSE(FitPlacementToScreen(low, 800, 600));
    WindowPlacement justEnough = ParsePlacement("0,1,0,0,0,0,10,10,30,30");
    EXPECT_TRUE(FitPlacementToScreen(justEnough, 800, 600));
}

namespace mienlore {
namespace {

// A wide primary screen at the origin and a smaller one to its left.
const std::vector<ScreenArea> kTwoScreens = {{0, 0, 1920, 1040}, {-1280, 0, 1280, 1024}};

TEST(WindowPlacementScreens, AWindowOnEitherScreenStaysWhereItWas) {
    WindowPlacement left = ParsePlacement("0,1,0,0,0,0,-1200,100,-400,700");
    ASSERT_TRUE(FitPlacementToScreens(left, kTwoScreens));
    EXPECT_EQ(FormatPlacement(left), "0,1,0,0,0,0,-1200,100,-400,700");

    // Mostly on the left screen, hanging over its top-left corner.
    WindowPlacement corner = ParsePlacement("0,1,0,0,0,0,-1300,-30,-500,570");
    ASSERT_TRUE(FitPlacementToScreens(corner, kTwoScreens));
    EXPECT_EQ(corner.left, -1280);
    EXPECT_EQ(corner.top, 0);
    EXPECT_EQ(corner.right, -480);
    EXPECT_EQ(corner.bottom, 600);
}

TEST(WindowPlacementScreens, AWindowFarAwayComesBackOntoThePrimaryScreen) {
    WindowPlacement far = ParsePlacement("0,1,0,0,0,0,100000,100000,100800,100600");
    ASSERT_TRUE(FitPlacementToScreens(far, kTwoScreens));
    EXPECT_EQ(far.left, 1120);
    EXPECT_EQ(far.top, 440);
    EXPECT_EQ(far.right, 1920);
    EXPECT_EQ(far.bottom, 1040);
}

TEST(WindowPlacementScreens, ASizeNoScreenHoldsIsNotRestored) {
    WindowPlacement huge = ParsePlacement("0,1,0,0,0,0,0,0,32767,32767");
    const std::string before = FormatPlacement(huge);
    EXPECT_FALSE(FitPlacementToScreens(huge, kTwoScreens));
    EXPECT_EQ(FormatPlacement(huge), before);
    WindowPlacement tall = ParsePlacement("0,1,0,0,0,0,0,0,800,1041");
    EXPECT_FALSE(FitPlacementToScreens(tall, kTwoScreens));
    WindowPlacement any = ParsePlacement("0,1,0,0,0,0,0,0,800,600");
    EXPECT_FALSE(FitPlacementToScreens(any, {}));
}

} // namespace
} // namespace mienlore
