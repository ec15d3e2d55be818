#include "reports/ui/PrintedReport.h"

#include "imaging/ui/SerifFont.h"
#include "reports/PrintedReportLayout.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace mienlore {
namespace {

const QColor kBlue(0, 0, 255);

QRect ToQRect(const ImageRect& r) {
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

QFont ReportFont(int pixelHeight, int weight) {
    return SerifFont(pixelHeight, weight);
}

void Frame(QPainter& p, const ImageRect& r, int width) {
    QPen pen(kBlue, width);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    // A pen of width w centred on the rectangle's edge, inside the
    // exclusive right and bottom edges.
    const double h = width / 2.0;
    p.drawRect(QRectF(r.left + h, r.top + h, r.Width() - width, r.Height() - width));
}

// One printed trait bar; moves rect's top down by 2H.
void DrawBar(QPainter& p, ImageRect& rect, const PrintedReportContent::Bar& bar,
             const QFontMetrics& fm) {
    const int h = fm.height();
    const int w0 = fm.horizontalAdvance(QLatin1Char('0'));
    const PrintedBar g = LayoutPrintedBar(rect, h, w0, bar.value, bar.twoSided);
    p.setPen(QPen(kBlue, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(g.box.left, g.box.top, g.box.Width() - 1, g.box.Height() - 1));
    const int bw = g.box.Width();
    for (int i = 1; i < 20; ++i) {
        const int x = g.box.left + bw * i / 20;
        p.drawLine(x, g.box.top, x, g.box.top + g.tickLength);
        p.drawLine(x, g.box.bottom - 1, x, g.box.bottom - 1 - g.tickLength);
    }
    p.drawText(QRect(rect.left, rect.top, g.box.left - w0 - rect.left, h),
               Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, bar.low);
    if (bar.twoSided) {
        p.drawText(QRect(g.box.right + w0, rect.top, rect.right - g.box.right - w0, h),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, bar.high);
    } else if (bar.value >= 0) {
        const int right = g.box.right + 6 * w0;
        p.drawText(QRect(g.box.right, rect.top, right - g.box.right, h),
                   Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
                   QStringLiteral("%1 %").arg(bar.value));
    }
    const int top = g.box.top + 1;
    const int bottom = g.box.bottom - 2;
    for (int x : g.hatchX)
        p.drawLine(x, top, x, bottom);
    for (const PrintedBar::TipColumn& c : g.tip)
        if (top + c.inset <= bottom - c.inset)
            p.drawLine(c.x, top + c.inset, c.x, bottom - c.inset);
    rect.top += 2 * h;
}

// The bars of one third, stacked and centred vertically in it.
void DrawBars(QPainter& p, const ImageRect& third,
              const std::vector<PrintedReportContent::Bar>& bars, const QFontMetrics& fm) {
    const int h = fm.height();
    const int used = static_cast<int>(bars.size()) * 2 * h - h;
    ImageRect rect = third;
    rect.top = third.top + std::max(h / 2, (third.Height() - used) / 2);
    for (const PrintedReportContent::Bar& bar : bars)
        DrawBar(p, rect, bar, fm);
}

void DrawTemper(QPainter& p, const ImageRect& rect, const PrintedReportContent& c,
                const QFontMetrics& fm) {
    const int h = fm.height();
    const int w0 = fm.horizontalAdvance(QLatin1Char('0'));
    const PrintedTemper t = LayoutPrintedTemper(rect, h, c.temperX, c.temperY);
    if (t.box.Width() <= 0 || t.box.Height() <= 0)
        return;
    p.setPen(QPen(kBlue, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(t.box.left, t.box.top, t.box.Width() - 1, t.box.Height() - 1));
    for (int x : t.gridX)
        p.drawLine(x, t.box.top, x, t.box.bottom - 1);
    for (int y : t.gridY)
        p.drawLine(t.box.left, y, t.box.right - 1, y);

    const auto& l = c.temperLabels;
    const int midY = t.box.top + t.box.Height() / 2 - h / 2;
    const int flags = Qt::TextSingleLine | Qt::AlignVCenter;
    p.drawText(QRect(rect.left, midY, t.box.left - w0 - rect.left, h), flags | Qt::AlignRight,
               l[0]);
    p.drawText(QRect(t.box.right + w0, midY, rect.right - t.box.right - w0, h),
               flags | Qt::AlignLeft, l[1]);
    p.drawText(QRect(t.box.left, t.box.top - h, t.box.Width(), h), flags | Qt::AlignHCenter, l[3]);
    p.drawText(QRect(t.box.left, t.box.bottom, t.box.Width(), h), flags | Qt::AlignHCenter, l[2]);
    const int cornerWidth = t.box.Width() / 2;
    p.drawText(QRect(t.box.left, t.box.top - 2 * h, cornerWidth, h), flags | Qt::AlignLeft, l[4]);
    p.drawText(QRect(t.box.right - cornerWidth, t.box.top - 2 * h, cornerWidth, h),
               flags | Qt::AlignRight, l[5]);
    p.drawText(QRect(t.box.left, t.box.bottom + h, cornerWidth, h), flags | Qt::AlignLeft, l[7]);
    p.drawText(QRect(t.box.right - cornerWidth, t.box.bottom + h, cornerWidth, h),
               flags | Qt::AlignRight, l[6]);

    if (!t.dot)
        return;
    p.setBrush(kBlue);
    p.drawEllipse(QPoint(t.centreX, t.centreY), std::max(1, t.halfCellX), std::max(1, t.halfCellY));
    p.setBrush(Qt::NoBrush);
    const double nx = -t.directionY;
    const double ny = t.directionX;
    for (const PrintedTemper::Cross& cross : t.arrow)
        p.drawLine(QPointF(cross.x - nx * cross.halfLength, cross.y - ny * cross.halfLength),
                   QPointF(cross.x + nx * cross.halfLength, cross.y + ny * cross.halfLength));
}

} // namespace

bool DrawPrintedReport(QPainter& p, const QRect& page, const PrintedReportContent& c) {
    if (page.width() <= 0 || page.height() <= 0)
        return false;
    const int faceW = c.face.isNull() ? 1 : c.face.width();
    const int faceH = c.face.isNull() ? 1 : c.face.height();
    const PrintedReportLayout l = LayoutPrintedReport(page.width(), page.height(), faceW, faceH);

    p.save();
    p.translate(page.topLeft());
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    // The outer frame on white.
    p.setPen(QPen(kBlue, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRect(l.outer.left, l.outer.top, l.outer.Width() - 1, l.outer.Height() - 1));
    p.setBrush(Qt::NoBrush);

    const QFont titleFont = ReportFont(l.titleFont, 600);
    const QFont mediumFont = ReportFont(l.mediumFont, 400);
    const QFont smallFont = ReportFont(l.smallFont, 400);
    const QFontMetrics mediumFm(mediumFont, p.device());
    const QFontMetrics smallFm(smallFont, p.device());
    const int u = mediumFm.horizontalAdvance(QStringLiteral("00"));

    // Body band, face picture, right and bottom areas.
    Frame(p, l.body, 2);
    if (!c.face.isNull())
        p.drawImage(ToQRect(l.face), c.face);
    Frame(p, l.face, 2);
    Frame(p, l.right, 2);
    Frame(p, l.bottom, 2);

    p.setPen(kBlue);
    // Title, centred on the band.
    p.setFont(titleFont);
    const QFontMetrics titleFm(titleFont, p.device());
    const int titleTop = l.title.top + l.title.Height() / 2 - l.titleFont / 2;
    p.drawText(QRect(l.title.left, titleTop, l.title.Width(), titleFm.height()),
               Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, c.title);

    // Footer block at the right.
    p.setFont(smallFont);
    // Aligned on the web address, the longest line; a longer line (a
    // translation) moves the block left rather than out of the frame.
    int footerWidth = 0;
    for (const QString& line : c.footer)
        footerWidth = std::max(footerWidth, smallFm.horizontalAdvance(line));
    const int footerX = l.outer.right - footerWidth - u;
    for (int i = 0; i < 3; ++i)
        p.drawText(QPoint(footerX, l.footer.top + (i + 1) * l.smallFont + smallFm.ascent()),
                   c.footer[i]);

    // The name, clipped to the right area.
    p.setFont(mediumFont);
    const bool named = !c.name.isEmpty();
    if (named) {
        const ImageRect clip = l.NameClip(u);
        p.save();
        p.setClipRect(ToQRect(clip));
        p.drawText(QPoint(l.NameX(u), l.NameY() + mediumFm.ascent()), c.name);
        p.restore();
    }

    // The summary words, one under the other.
    const ImageRect words = l.SummaryRect(u, named);
    // The height of a text is its line height (ascent plus descent).
    const int step = mediumFm.height() * 5 / 2;
    int y = words.top;
    p.save();
    p.setClipRect(ToQRect(words));
    for (const QString& word : c.summaryWords) {
        if (y >= words.bottom)
            break;
        p.drawText(QPoint(words.left, y + mediumFm.ascent()), word);
        y += std::max(1, step);
    }
    p.restore();

    // Bars in the upper and lower thirds, the diagram in the middle.
    p.setFont(smallFont);
    const ImageRect upper = l.ChartThird(0);
    const ImageRect middle = l.ChartThird(1);
    const ImageRect lower = l.ChartThird(2);
    QPen rule(kBlue, 2);
    p.setPen(rule);
    p.drawLine(l.charts.left, middle.top, l.charts.right - 1, middle.top);
    p.drawLine(l.charts.left, lower.top, l.charts.right - 1, lower.top);
    DrawBars(p, upper, c.upperBars, smallFm);
    DrawTemper(p, middle, c, smallFm);
    DrawBars(p, lower, c.lowerBars, smallFm);

    // Confidence in the footer band.
    p.setPen(kBlue);
    p.setFont(smallFont);
    p.drawText(QPoint(l.footer.left + smallFm.horizontalAdvance(QLatin1Char('0')),
                      l.footer.top + smallFm.height() + smallFm.ascent()),
               QStringLiteral("%1  %2 %").arg(c.confidenceLabel).arg(c.confidence));
    p.restore();
    return true;
}

} // namespace mienlore
