#include "reports/PrintedReportLayout.h"

#include <gtest/gtest.h>

namespace mienlore {
namespace {

TEST(PrintedReportLayout, SplitsA2400By3300PageIntoFrameBandsAndAreas) {
    const PrintedReportLayout l = LayoutPrintedReport(2400, 3300, 250, 260);
    EXPECT_EQ(l.outer, (ImageRect{120, 165, 2280, 3135}));
    EXPECT_EQ(l.title, (ImageRect{120, 165, 2280, 385}));
    EXPECT_EQ(l.footer, (ImageRect{120, 2915, 2280, 3135}));
    EXPECT_EQ(l.body, (ImageRect{120, 385, 2280, 2915}));
    EXPECT_EQ(l.titleFont, 84); // 2530 / 30
    EXPECT_EQ(l.mediumFont, 56);
    // The face takes a third of the body's width and keeps its picture's
    // proportions: 260 x 720 / 250 = 748.
    EXPECT_EQ(l.face, (ImageRect{120, 385, 840, 1133}));
    EXPECT_EQ(l.right, (ImageRect{840, 385, 2280, 1133}));
    EXPECT_EQ(l.bottom, (ImageRect{120, 1131, 2280, 2915}));
    EXPECT_EQ(l.smallFont, 44); // min(56, 1784 / 40)
    EXPECT_EQ(l.charts, (ImageRect{120, 1131, 2280, 2859}));
    EXPECT_EQ(l.ChartThird(0).top, 1131);
    EXPECT_EQ(l.ChartThird(1).top, 1131 + 576);
    EXPECT_EQ(l.ChartThird(2).bottom, 2859);
}

TEST(PrintedReportLayout, StartsTheSummaryBelowTheNameOnlyWhenThereIsOne) {
    const PrintedReportLayout l = LayoutPrintedReport(2400, 3300, 250, 260);
    const int u = 50;
    EXPECT_EQ(l.SummaryRect(u, false), (ImageRect{840 + 350, 385 + 56, 2280 - 50, 1133}));
    EXPECT_EQ(l.SummaryRect(u, true).top, 385 + 56 + 112);
    EXPECT_EQ(l.NameX(u), 890);
    EXPECT_EQ(l.NameY(), 441);
    // A long name ends u before the right area's edge.
    EXPECT_EQ(l.NameClip(u).right, 2230);
}

TEST(PrintedReportLayout, SurvivesPicturesWithoutAreaOrOfExtremeShape) {
    const PrintedReportLayout square = LayoutPrintedReport(2400, 3300, 0, 0);
    EXPECT_EQ(square.face.Width(), square.face.Height());
    const PrintedReportLayout tall = LayoutPrintedReport(2400, 3300, 1, 100000);
    EXPECT_LE(tall.face.bottom, tall.body.bottom);
    EXPECT_GE(tall.bottom.Height(), 2);
}

TEST(PrintedBar, OneSidedBarsHatchFromTheLeftToTheValue) {
    const ImageRect rect{0, 100, 300, 200};
    const PrintedBar none = LayoutPrintedBar(rect, 40, 20, 0, false);
    EXPECT_EQ(none.box, (ImageRect{100, 90, 200, 150}));
    EXPECT_TRUE(none.hatchX.empty());
    EXPECT_EQ(none.tickLength, 4);
    const PrintedBar full = LayoutPrintedBar(rect, 40, 20, 100, false);
    EXPECT_EQ(full.valueX, 200);
    ASSERT_EQ(full.hatchX.size(), 25u); // every 4 pixels over 100
    EXPECT_EQ(full.hatchX.front(), 100);
    EXPECT_EQ(full.hatchX.back(), 196);
    EXPECT_EQ(LayoutPrintedBar(rect, 20, 20, 50, false).tickLength, 2); // H/10 < 3
}

TEST(PrintedBar, TwoSidedBarsRunFromTheCentreAndSkipTheMiddleBand) {
    const ImageRect rect{0, 100, 300, 200};
    for (int v : {40, 45, 50}) {
        const PrintedBar bar = LayoutPrintedBar(rect, 40, 10, v, true);
        EXPECT_TRUE(bar.hatchX.empty() && bar.tip.empty()) << v;
    }
    const PrintedBar low = LayoutPrintedBar(rect, 40, 10, 0, true);
    ASSERT_FALSE(low.hatchX.empty());
    EXPECT_EQ(low.hatchX.front(), 150);
    EXPECT_GT(low.hatchX.back(), 110);
    ASSERT_FALSE(low.tip.empty());
    EXPECT_EQ(low.tip.front().x, 110);
    EXPECT_EQ(low.tip.front().inset, 0);
    EXPECT_EQ(low.tip.back().x, 100);
    EXPECT_EQ(low.tip.back().inset, 10);
    const PrintedBar high = LayoutPrintedBar(rect, 40, 10, 90, true);
    EXPECT_EQ(high.hatchX.front(), 150);
    EXPECT_EQ(high.tip.back().x, 190);
}

TEST(PrintedTemper, DrawsADotAndArrowOnlyAwayFromTheCentre) {
    const ImageRect rect{0, 0, 600, 500};
    const PrintedTemper centre = LayoutPrintedTemper(rect, 20, 50, 50);
    EXPECT_EQ(centre.box, (ImageRect{200, 40, 400, 460}));
    EXPECT_EQ(centre.gridX.size(), 19u);
    EXPECT_EQ(centre.gridY.size(), 19u);
    EXPECT_EQ(centre.gridX.front(), 210);
    EXPECT_FALSE(centre.dot);
    EXPECT_TRUE(centre.arrow.empty());
    EXPECT_FALSE(LayoutPrintedTemper(rect, 20, 55, 45).dot);

    const PrintedTemper up = LayoutPrintedTemper(rect, 20, 50, 100);
    EXPECT_TRUE(up.dot);
    EXPECT_EQ(up.tipX, 300);
    EXPECT_EQ(up.tipY, 40);
    EXPECT_EQ(up.halfCell, 10); // max(200 / 40, 420 / 40)
    ASSERT_FALSE(up.arrow.empty());
    EXPECT_EQ(up.arrow.front().halfLength, 20);
    EXPECT_EQ(up.arrow.back().halfLength, 0);
    EXPECT_NEAR(up.arrow.back().y, 40, 1);
}

} // namespace
} // namespace mienlore
