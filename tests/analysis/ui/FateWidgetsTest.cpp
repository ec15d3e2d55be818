#include "analysis/FateFrame.h"
#include "analysis/ui/FateColours.h"
#include "analysis/ui/FateHist.h"
#include "analysis/ui/FateTemper.h"
#include "analysis/ui/PageFate.h"
#include "model/FaceFrame.h"
#include "shell/ui/DialogUnits.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

using namespace mienlore;

TEST(FateColours, TheStyleDecidesThePaintedColours) {
    CFateParams fate;
    fate.windowColour = Rgb(128, 128, 128);
    fate.minColour = Rgb(255, 0, 0);
    fate.style = kStyleWhite;
    FateColours c = MakeFateColours(fate);
    EXPECT_EQ(c.background, QColor(127, 127, 127));
    EXPECT_EQ(c.minimum, QColor(0, 255, 255)); // red becomes cyan
    EXPECT_EQ(c.grid, QColor(255, 255, 255));  // the black grid turns white
    fate.style = kStyleBlack;
    c = MakeFateColours(fate);
    EXPECT_EQ(c.minimum, QColor(255, 0, 0));
    EXPECT_EQ(c.grid, QColor(0, 0, 0));
}

TEST(FateHist, BarSpansFollowTheSideRules) {
    CFateHist one(2640, false);
    one.resize(108, 20);                            // inner width 100 from x 4
    EXPECT_EQ(one.BarSpan(), std::make_pair(0, 0)); // no value: no bar
    one.SetValue(0);
    EXPECT_EQ(one.BarSpan().first, one.BarSpan().second); // 0 draws nothing
    one.SetValue(72);
    EXPECT_EQ(one.BarSpan(), std::make_pair(4, 76));
    one.SetValue(250);
    EXPECT_EQ(one.Value(), 100);

    CFateHist two(2580, true);
    two.resize(108, 20);
    two.SetValue(50);
    EXPECT_EQ(two.BarSpan().first, two.BarSpan().second); // 50 draws nothing
    two.SetValue(0);
    EXPECT_EQ(two.BarSpan(), std::make_pair(4, 54)); // all of the left half
    two.SetValue(80);
    EXPECT_EQ(two.BarSpan(), std::make_pair(54, 84));
    EXPECT_EQ(two.BarLine(), std::make_pair(54, 84));
    two.SetValue(20);
    EXPECT_EQ(two.BarLine(), std::make_pair(54, 24)); // from the centre to the left
    EXPECT_EQ(two.LowLabelId(), 2582);
    EXPECT_EQ(two.HighLabelId(), 2584);
}

TEST(FateTemper, TakesOnlyNewPairsWithinRange) {
    CFateTemper t;
    t.resize(110, 110);
    EXPECT_FALSE(t.SetPoint(101, 50));
    EXPECT_FALSE(t.SetPoint(50, -1));
    EXPECT_EQ(t.X(), -1);
    EXPECT_TRUE(t.SetPoint(15, 50));
    EXPECT_FALSE(t.SetPoint(15, 50)); // same pair: no repaint
    EXPECT_EQ(t.X(), 15);
}

TEST(FateTemper, PointerTipUsesIntegerSteps) {
    CFateTemper t;
    t.resize(110, 110); // box 100 x 100 at (5, 5) with pointer width 3
    const QRect box = t.CircleBox();
    EXPECT_EQ(box, QRect(5, 5, 100, 100));
    t.SetPoint(50, 50);
    EXPECT_EQ(t.PointerTip(), QPoint(55, 55)); // length 0: only the centre dot
    t.SetColourSource([] {
        FateColours c = DefaultFateColours();
        c.line = QColor(255, 0, 255);
        return c;
    });
    EXPECT_EQ(t.grab().toImage().pixelColor(55, 55), QColor(255, 0, 255));
    // Value 50 is the centre and a value 80 away would reach the rim (radius
    // 50): 50 away moves 31.25 pixels, kept as 31 (whole pixels towards the
    // centre). y grows upwards.
    t.SetPoint(100, 50);
    EXPECT_EQ(t.PointerTip(), QPoint(86, 55)); // towards "Activity"
    t.SetPoint(0, 100);
    EXPECT_EQ(t.PointerTip(), QPoint(24, 24));
    t.SetPoint(15, 88); // -35 → -21.875, 38 → 23.75
    EXPECT_EQ(t.PointerTip(), QPoint(34, 32));
    // Every pair keeps the tip inside the circle, and x moves one way.
    int lastX = 0;
    for (int x = 0; x <= 100; x += 5) {
        for (int y = 0; y <= 100; y += 5) {
            t.SetPoint(x, y);
            const QPoint d = t.PointerTip() - QPoint(55, 55);
            EXPECT_LE(d.x() * d.x() + d.y() * d.y(), 50 * 50) << x << "," << y;
        }
        t.SetPoint(x, 50);
        EXPECT_GE(t.PointerTip().x(), lastX);
        lastX = t.PointerTip().x();
    }
    // Painting at any size must not fail.
    t.resize(3, 3);
    t.grab();
}

TEST(PageFate, ShowsWhatTheAnalysisReports) {
    CFaceFrame face(MIENLORE_PROGRAM_FOLDER);
    CFateFrame fate(FateTextFiles{MIENLORE_PROGRAM_FOLDER});
    ASSERT_TRUE(fate.BindFace(&face));
    fate.Recompute(true);
    CPageFate page(DialogUnits(7, 16));
    page.Refresh(fate, QString::fromStdString(fate.GetSummary()));

    // The start face: nervous, worker, 60 % confident.
    EXPECT_EQ(page.TemperamentText(), "Nervous");
    EXPECT_EQ(page.ProfessionText(), "Worker, Official");
    EXPECT_EQ(page.ConfidenceText(), "60%");
    EXPECT_EQ(page.Bar(2640)->Value(), 72); // intellect
    EXPECT_EQ(page.Bar(2590)->Value(), 43); // self-confidence, inverted
    EXPECT_EQ(page.Bar(2620)->Value(), 88); // will power, inverted
    EXPECT_EQ(page.Diagram()->X(), 15);     // activity
    EXPECT_EQ(page.Diagram()->Y(), 50);     // extroversion
    EXPECT_EQ(page.Label(2644)->text(), "72 %");
    EXPECT_EQ(page.Label(2582)->text(), "Optimism");
    EXPECT_EQ(page.Label(2584)->text(), "Pessimism");
    EXPECT_EQ(page.Bars().size(), 12u);
    for (int id : CFateTemper::kLabelIds) {
        if (id != 2680) {
            EXPECT_NE(page.Label(id), nullptr) << id;
        }
    }

    // An empty face: every bar at 50, nothing recognised.
    for (int i = 0; i < kMainSlotCount; ++i)
        face.Item(i).SetShape(face.Item(i).Shapes() - 1);
    fate.Recompute(true);
    page.Refresh(fate, QString::fromStdString(fate.GetSummary()));
    EXPECT_EQ(page.Bar(2640)->Value(), 50);
    EXPECT_EQ(page.ConfidenceText(), "0%");
    EXPECT_EQ(page.SummaryText(), "Not recognized");
    EXPECT_EQ(page.TemperamentText(), "Unrecognized");
}

TEST(FateHist, PaintsTheBarOnlyOnTheValuesSide) {
    CFateHist two(2580, true);
    two.resize(108, 30);
    two.SetColourSource([] {
        FateColours c = DefaultFateColours();
        c.line = QColor(255, 0, 255);
        c.minimum = c.maximum = QColor(0, 255, 0);
        return c;
    });
    const auto lineAt = [&](int x) {
        const QColor p = two.grab().toImage().pixelColor(x, 15);
        return p.red() > 200 && p.blue() > 200 && p.green() < 60;
    };
    two.SetValue(50);
    EXPECT_FALSE(lineAt(30) || lineAt(54) || lineAt(80));
    two.SetValue(20);
    EXPECT_TRUE(lineAt(30));
    EXPECT_FALSE(lineAt(80));
}

TEST(PageFate, AChangedStyleRepaintsEveryLabelAndBarAtOnce) {
    DialogUnits du(QApplication::font());
    CPageFate page(du);
    CFateParams params; // the "White" style: light yellow text becomes dark blue
    page.SetColourSource([&params] { return MakeFateColours(params); });
    page.resize(400, 600);
    page.SetTraitValue(2580, 40);
    QLabel* label = page.Label(2580 + 2);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0, 0, 127));
    const QImage before = page.Bar(2580)->grab().toImage();

    params.style = kStyleBlack;
    params.lineColour = Rgb(0, 255, 0);
    page.RefreshColours();
    for (int id : {2580 + 2, 2580 + 4, 2700}) {
        ASSERT_NE(page.Label(id), nullptr) << id;
        EXPECT_EQ(page.Label(id)->palette().color(QPalette::WindowText), QColor(255, 255, 128))
            << id;
    }
    // The bar whose value did not change is drawn in the new colours too.
    EXPECT_NE(page.Bar(2580)->grab().toImage(), before);
}
