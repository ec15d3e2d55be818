#include "shell/ui/WidgetPlacement.h"

#include <QWidget>
#include <gtest/gtest.h>

using namespace mienlore;

TEST(WidgetPlacement, RestoresFittedOntoTheScreenAndCapturesBack) {
    QWidget window;
    window.setGeometry(100, 100, 300, 200);
    WindowPlacement p = ParsePlacement("0,1,0,0,0,0,-50,-20,700,500");
    ASSERT_TRUE(RestoreWidgetPlacement(window, p, true, QSize(800, 600)));
    EXPECT_EQ(window.pos(), QPoint(0, 0));
    EXPECT_EQ(window.size(), QSize(750, 520));

    const WindowPlacement captured = CaptureWidgetPlacement(window);
    EXPECT_TRUE(captured.valid);
    EXPECT_EQ(captured.length, kPlacementLength);
    EXPECT_EQ(captured.flags, 0u);
    EXPECT_EQ(captured.showCommand, kShowNormal);
    EXPECT_EQ(captured.right - captured.left, 750);
    EXPECT_EQ(captured.bottom - captured.top, 520);
}

TEST(WidgetPlacement, PositionOnlyModeKeepsTheSizeAndBadPlacementsChangeNothing) {
    QWidget window;
    window.setGeometry(10, 10, 300, 200);
    WindowPlacement p = ParsePlacement("0,1,0,0,0,0,600,500,1000,900");
    ASSERT_TRUE(RestoreWidgetPlacement(window, p, false, QSize(800, 600)));
    EXPECT_EQ(window.pos(), QPoint(400, 200)); // moved back by the overhang
    EXPECT_EQ(window.size(), QSize(300, 200));

    WindowPlacement tiny = ParsePlacement("0,1,0,0,0,0,0,0,10,10");
    EXPECT_FALSE(RestoreWidgetPlacement(window, tiny, true, QSize(800, 600)));
    WindowPlacement invalid;
    EXPECT_FALSE(RestoreWidgetPlacement(window, invalid, true, QSize(800, 600)));
    EXPECT_EQ(window.pos(), QPoint(400, 200));
    EXPECT_EQ(window.size(), QSize(300, 200));
}
