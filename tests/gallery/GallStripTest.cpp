#include "gallery/GallStrip.h"

#include <gtest/gtest.h>

using namespace mienlore;

TEST(GallStrip, ScrollingStaysWithinTheItems) {
    CGallStrip strip;
    strip.Reset(12);
    strip.ScrollBy(-1);
    EXPECT_EQ(strip.First(), 0);
    strip.ScrollBy(CGallStrip::kPageStep);
    strip.ScrollBy(CGallStrip::kPageStep);
    EXPECT_EQ(strip.First(), 10);
    strip.ScrollBy(CGallStrip::kPageStep);
    EXPECT_EQ(strip.First(), 11);
    strip.ScrollTo(-40);
    EXPECT_EQ(strip.First(), 0);
}

TEST(GallStrip, PrevAndNextStopAtTheEnds) {
    CGallStrip strip;
    strip.Reset(3);
    EXPECT_EQ(strip.Step(-1), 0); // nothing before the first: shows it
    EXPECT_EQ(strip.Step(-1), std::nullopt);
    EXPECT_EQ(strip.Step(+1), 1);
    EXPECT_EQ(strip.Step(+1), 2);
    EXPECT_EQ(strip.Step(+1), std::nullopt); // at the end: applied already
    EXPECT_EQ(strip.First(), 2);
    EXPECT_EQ(strip.Step(-1), 1);
}

TEST(GallStrip, SelectingTheSameItemAgainDoesNothing) {
    CGallStrip strip;
    strip.Reset(20);
    strip.ScrollTo(4);
    strip.SetSelectedCell(2);
    EXPECT_EQ(strip.Select(), 6);
    EXPECT_EQ(strip.Select(), std::nullopt);
    // The same item reached another way is still the same item.
    strip.ScrollTo(5);
    strip.SetSelectedCell(1);
    EXPECT_EQ(strip.Select(), std::nullopt);
    strip.SetSelectedCell(0);
    EXPECT_EQ(strip.Select(), 5);
    EXPECT_EQ(strip.AppliedLast(), 5);
}

TEST(GallStrip, SelectedCellBeyondTheLastItemTakesTheLast) {
    CGallStrip strip;
    strip.Reset(4);
    strip.ScrollTo(3);
    strip.SetSelectedCell(5);
    EXPECT_EQ(strip.SelectedPosition(), 3);
    EXPECT_EQ(strip.Select(), 3);
    EXPECT_EQ(strip.Show(1), 1);
    EXPECT_EQ(strip.First(), 1);
    EXPECT_EQ(strip.SelectedCell(), 0);
}

TEST(GallStrip, EmptyStripSelectsNothingAndResetForgetsTheAppliedItem) {
    CGallStrip strip;
    strip.Reset(0);
    EXPECT_EQ(strip.Select(), std::nullopt);
    EXPECT_EQ(strip.Step(1), std::nullopt);
    EXPECT_EQ(strip.SelectedPosition(), -1);
    strip.Reset(2);
    EXPECT_EQ(strip.Select(), 0);
    strip.Reset(2);
    EXPECT_EQ(strip.Select(), 0);
}
