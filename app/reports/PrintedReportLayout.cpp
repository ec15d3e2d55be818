#include "reports/PrintedReportLayout.h"

#include <algorithm>
#include <cmath>

namespace mienlore {

ImageRect PrintedReportLayout::SummaryRect(int u, bool nameDrawn) const {
    const int top = body.top + mediumFont + (nameDrawn ? 2 * titleFont * 2 / 3 : 0);
    return {right.left + 7 * u, top, right.right - u, right.bottom};
}

ImageRect PrintedReportLayout::ChartThird(int index) const {
    const int h = charts.Height();
    const int top = charts.top + h * index / 3;
    const int bottomEdge = index == 2 ? charts.bottom : charts.top + h * (index + 1) / 3;
    return {charts.left, top, charts.right, bottomEdge};
}

PrintedReportLayout LayoutPrintedReport(int width, int height, int pictureWidth,
                                        int pictureHeight) {
    PrintedReportLayout l;
    l.page = {0, 0, width, height};
    l.outer = {width / 20, height / 20, width - width / 20, height - height / 20};
    const int band = height / 15;
    l.title = {l.outer.left, l.outer.top, l.outer.right, l.outer.top + band};
    l.footer = {l.outer.left, l.outer.bottom - band, l.outer.right, l.outer.bottom};
    l.body = {l.outer.left, l.title.bottom, l.outer.right, l.footer.top};
    l.titleFont = l.body.Height() / 30;
    l.mediumFont = l.titleFont * 2 / 3;

    const int faceWidth = l.body.Width() / 3;
    if (pictureWidth <= 0 || pictureHeight <= 0)
        pictureWidth = pictureHeight = 1;
    // Never taller than the body: a very tall picture leaves no room below.
    const int faceHeight =
        std::min(static_cast<int>(static_cast<long long>(pictureHeight) * faceWidth / pictureWidth),
                 l.body.Height());
    l.face = {l.body.left, l.body.top, l.body.left + faceWidth, l.body.top + faceHeight};
    l.right = {l.face.right, l.body.top, l.body.right, l.face.bottom};
    l.bottom = {l.body.left, l.face.bottom - 2, l.body.right, l.body.bottom};
    l.smallFont = std::min(l.mediumFont, l.bottom.Height() / 40);
    l.charts = {l.bottom.left, l.bottom.top, l.bottom.right, l.bottom.bottom - l.mediumFont};
    return l;
}

PrintedBar LayoutPrintedBar(const ImageRect& rect, int textHeight, int zeroWidth, int value,
                            bool twoSided) {
    PrintedBar bar;
    const int h = textHeight;
    bar.box = {(2 * rect.left + rect.right) / 3, rect.top - h / 4, (rect.left + 2 * rect.right) / 3,
               rect.top + h + h / 4};
    bar.tickLength = h / 10 < 3 ? 2 : h / 10;
    const int v = std::clamp(value, 0, 100);
    const int w = bar.box.Width();
    bar.valueX = bar.box.left + w * v / 100;
    if (value < 0)
        return bar;
    if (!twoSided) {
        for (int x = bar.box.left; x < bar.valueX; x += 4)
            bar.hatchX.push_back(x);
        return bar;
    }
    const int centre = bar.box.left + w / 2;
    const int maxInset = bar.box.Height() / 2;
    if (v < 40) {
        const int end = bar.valueX + zeroWidth;
        for (int x = centre; x > end; x -= 4)
            bar.hatchX.push_back(x);
        for (int x = std::min(end, centre), inset = 0; x >= bar.valueX && inset < maxInset;
             --x, ++inset)
            bar.tip.push_back({x, inset});
    } else if (v > 50) {
        const int end = bar.valueX - zeroWidth;
        for (int x = centre; x < end; x += 4)
            bar.hatchX.push_back(x);
        for (int x = std::max(end, centre), inset = 0; x <= bar.valueX && inset < maxInset;
             ++x, ++inset)
            bar.tip.push_back({x, inset});
    }
    return bar;
}

PrintedTemper LayoutPrintedTemper(const ImageRect& rect, int textHeight, int x, int y) {
    PrintedTemper t;
    const int h = textHeight;
    t.box = {(2 * rect.left + rect.right) / 3, rect.top + 2 * h, (rect.left + 2 * rect.right) / 3,
             rect.bottom - 2 * h};
    const int w = t.box.Width();
    const int bh = t.box.Height();
    for (int i = 1; i < 20; ++i) {
        t.gridX.push_back(t.box.left + w * i / 20);
        t.gridY.push_back(t.box.top + bh * i / 20);
    }
    t.centreX = t.box.left + w / 2;
    t.centreY = t.box.top + bh / 2;
    t.halfCellX = w / 40;
    t.halfCellY = bh / 40;
    t.halfCell = std::max(t.halfCellX, t.halfCellY);
    const int px = std::clamp(x, 0, 100);
    const int py = std::clamp(y, 0, 100);
    t.tipX = t.box.left + w * px / 100;
    t.tipY = t.box.bottom - bh * py / 100;
    t.dot = std::abs(x - 50) > 5 || std::abs(y - 50) > 5;
    if (!t.dot)
        return t;
    const double dx = t.tipX - t.centreX;
    const double dy = t.tipY - t.centreY;
    const double length = std::sqrt(dx * dx + dy * dy);
    const int b = t.halfCell;
    if (length <= 2.0 * b)
        return t;
    t.directionX = dx / length;
    t.directionY = dy / length;
    const double headStart = length - 2.0 * b;
    for (double s = 0; s < headStart; s += 6)
        t.arrow.push_back({t.centreX + t.directionX * s, t.centreY + t.directionY * s, 2 * b});
    int half = 2 * b;
    for (double s = headStart; s <= length && half >= 0; s += 1, --half)
        t.arrow.push_back({t.centreX + t.directionX * s, t.centreY + t.directionY * s, half});
    return t;
}

} // namespace mienlore
