#include "reports/ui/PrintedReport.h"

#include "imaging/ui/SerifFont.h"
#include "reports/PrintedReportLayout.h"
#include "support/ShotSupport.h"
#include "support/TestSupport.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace mienlore;

namespace {

PrintedReportContent Sample(const QString& name) {
    PrintedReportContent c;
    c.face = QImage(250, 260, QImage::Format_RGB32);
    c.face.fill(QColor(250, 240, 200));
    c.name = name;
    c.summaryWords = {QStringLiteral("Optimist"), QStringLiteral("Extrovert")};
    c.title = QStringLiteral("PHYSIOGNOMY ANALYSIS REPORT");
    c.footer = {QStringLiteral("Mienlore"), QStringLiteral("maker"), QStringLiteral("web")};
    for (int i = 0; i < 6; ++i) {
        c.upperBars.push_back({i * 20, true, QStringLiteral("Low"), QStringLiteral("High")});
        c.lowerBars.push_back({i * 20, false, QStringLiteral("Quality"), {}});
    }
    c.temperX = 80;
    c.temperY = 70;
    c.temperLabels = {"Depression", "Activity",  "Introvert",  "Extrovert",
                      "Choleric",   "Sanguine ", "Phlegmatic", "Melancholy"};
    c.confidenceLabel = QStringLiteral("Confidence factor");
    c.confidence = 72;
    return c;
}

QImage Draw(const PrintedReportContent& c, QSize size = QSize(2400, 3300)) {
    QImage page(size, QImage::Format_RGB32);
    page.fill(QColor(200, 200, 200)); // outside the frame stays grey
    QPainter p(&page);
    EXPECT_TRUE(DrawPrintedReport(p, QRect(QPoint(0, 0), size), c));
    p.end();
    return page;
}

bool IsBlue(QRgb c) {
    return qBlue(c) > 200 && qRed(c) < 80 && qGreen(c) < 80;
}

// Pixels of a rectangle that are neither white nor grey.
int InkIn(const QImage& image, const QRect& r) {
    int ink = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (qRed(c) < 180 || qGreen(c) < 180)
                ++ink;
        }
    return ink;
}

} // namespace

TEST(PrintedReportPage, DrawsTheOuterFrameOnWhiteInsideTheMargins) {
    const QImage page = Draw(Sample(QStringLiteral("Anna")));
    EXPECT_TRUE(IsBlue(page.pixel(120, 165)));
    EXPECT_TRUE(IsBlue(page.pixel(2279, 3134)));
    EXPECT_EQ(page.pixel(119, 164), qRgb(200, 200, 200));
    EXPECT_EQ(page.pixel(2280, 3135), qRgb(200, 200, 200));
    // The title band is white left of the centred title; where the title
    // begins depends on the font the machine gives, so it is measured.
    const PrintedReportLayout l = LayoutPrintedReport(2400, 3300, 250, 260);
    const QFont titleFont = SerifFont(l.titleFont, QFont::DemiBold);
    const int titleWidth = QFontMetrics(titleFont, &page)
                               .horizontalAdvance(QStringLiteral("PHYSIOGNOMY ANALYSIS REPORT"));
    const int beforeTitle = l.title.left + (l.title.Width() - titleWidth) / 2 - 20;
    ASSERT_GT(beforeTitle, l.title.left + 10);
    EXPECT_EQ(page.pixel(beforeTitle, 250), qRgb(255, 255, 255));
    EXPECT_EQ(page.pixel(l.title.left + 10, 250), qRgb(255, 255, 255));
    // The body band's 2-pixel border at the title band's bottom.
    EXPECT_TRUE(IsBlue(page.pixel(500, 385)));
    EXPECT_TRUE(IsBlue(page.pixel(500, 386)));
    // The face picture fills its area.
    EXPECT_EQ(page.pixel(480, 760), qRgb(250, 240, 200));
    // The title is centred on the band.
    EXPECT_GT(InkIn(page, QRect(1100, 200, 200, 150)), 100);
}

TEST(PrintedReportPage, ClipsALongNameAtTheRightAreasEdge) {
    const PrintedReportContent c = Sample(QString(400, QLatin1Char('W')));
    const QImage page = Draw(c);
    const PrintedReportLayout l = LayoutPrintedReport(2400, 3300, 250, 260);
    const QFont medium = SerifFont(l.mediumFont, QFont::Normal);
    const int u = QFontMetrics(medium, &page).horizontalAdvance(QStringLiteral("00"));
    const QRect nameRow(l.right.left + u, l.NameY(), l.right.Width() - 2 * u, l.mediumFont);
    EXPECT_GT(InkIn(page, nameRow), 1000);
    // Between the clip edge and the area's border nothing is drawn.
    const QRect beyond(l.right.right - u + 1, l.NameY(), u - 4, l.mediumFont);
    EXPECT_EQ(InkIn(page, beyond), 0);
}

TEST(PrintedReportPage, StartsTheSummaryHigherWithoutAName) {
    const PrintedReportLayout l = LayoutPrintedReport(2400, 3300, 250, 260);
    const auto firstInkRow = [&l](const QImage& page) {
        for (int y = l.body.top + 3; y < l.right.bottom; ++y)
            if (InkIn(page, QRect(l.right.left + 400, y, 600, 1)) > 0)
                return y;
        return -1;
    };
    PrintedReportContent c = Sample({});
    const int unnamed = firstInkRow(Draw(c));
    c.name = QStringLiteral("A");
    const int named = firstInkRow(Draw(c));
    ASSERT_GT(unnamed, l.body.top + l.mediumFont - 1);
    EXPECT_LT(unnamed, l.body.top + 2 * l.mediumFont);
    EXPECT_EQ(named - unnamed, 2 * l.titleFont * 2 / 3);
}

TEST(PrintedReportPage, DrawsNothingOnAPageWithoutArea) {
    QImage page(10, 10, QImage::Format_RGB32);
    page.fill(Qt::black);
    QPainter p(&page);
    EXPECT_FALSE(DrawPrintedReport(p, QRect(0, 0, 0, 10), Sample({})));
    p.end();
    EXPECT_EQ(page.pixel(5, 5), qRgb(0, 0, 0));
}

TEST(PrintedReportPage, LooksRightAtA4AndLetter) {
    // Saved for looking at when MIENLORE_SHOT_DIR names a folder.
    for (const auto& [name, size] :
         {std::pair{"a4", QSize(2480, 3508)}, std::pair{"letter", QSize(2550, 3300)}}) {
        const QImage page = Draw(Sample(QStringLiteral("Anna Example")), size);
        test::SaveShot(page.scaled(size / 3, Qt::KeepAspectRatio, Qt::SmoothTransformation),
                       QStringLiteral("printed-%1.png").arg(QLatin1String(name)));
        EXPECT_GT(InkIn(page, QRect(0, 0, size.width(), size.height())), 10000);
    }
}
