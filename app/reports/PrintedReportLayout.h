#pragma once

// The geometry of the printed report: one page with a title band, the face
// picture, the name and summary words beside it, the trait bars and the
// temperament diagram below, and a footer. All arithmetic is integer with
// divisions truncating toward zero, so that a page of a given size always
// gets the same layout.

#include "imaging/ImageRect.h"

#include <vector>

namespace mienlore {

struct PrintedReportLayout {
    ImageRect page;    // (0, 0, W, H)
    ImageRect outer;   // the frame around everything
    ImageRect title;   // band at the top of the frame
    ImageRect footer;  // band at the bottom of the frame
    ImageRect body;    // between title and footer
    ImageRect face;    // the face picture: left third of the body
    ImageRect right;   // beside the face: name and summary words
    ImageRect bottom;  // below the face: bars and diagram
    ImageRect charts;  // the bottom area with its bottom raised by medium
    int titleFont = 0; // J: the title font's height
    int mediumFont = 0;
    int smallFont = 0; // K

    // Where the name line starts, given u (the width of "00" in the
    // medium font).
    int NameX(int u) const { return right.left + u; }
    int NameY() const { return body.top + mediumFont; }
    // The clip of the name line.
    ImageRect NameClip(int u) const {
        return {right.left, right.top, right.right - u, right.bottom};
    }
    // The rectangle of the summary words; they start lower when a name is
    // drawn.
    ImageRect SummaryRect(int u, bool nameDrawn) const;
    // The two charts' thirds of the charts area: upper bars, temperament
    // diagram, lower bars.
    ImageRect ChartThird(int index) const;
};

// The layout of a page of width x height device pixels for a face picture
// of pictureWidth x pictureHeight. A picture without area takes a square.
PrintedReportLayout LayoutPrintedReport(int width, int height, int pictureWidth, int pictureHeight);

// One printed trait bar in a rectangle whose top is the bar's text line; H
// is the text height and w0 the width of "0".
struct PrintedBar {
    ImageRect box;
    int tickLength = 2;
    int valueX = 0;          // box left + box width x value / 100
    std::vector<int> hatchX; // full-height hatch lines
    // The tip: columns whose lines narrow by one pixel per column at both
    // ends (column x, inset from the box's top and bottom).
    struct TipColumn {
        int x;
        int inset;
    };
    std::vector<TipColumn> tip;
};

PrintedBar LayoutPrintedBar(const ImageRect& rect, int textHeight, int zeroWidth, int value,
                            bool twoSided);

// The printed temperament diagram in a rectangle (H: text height).
struct PrintedTemper {
    ImageRect box;
    std::vector<int> gridX; // 19 vertical lines
    std::vector<int> gridY; // 19 horizontal lines
    int centreX = 0;
    int centreY = 0;
    int tipX = 0;
    int tipY = 0;
    int halfCell = 0; // B: the larger half-side of a cell
    int halfCellX = 0;
    int halfCellY = 0;
    bool dot = false; // the point lies more than 5 from (50, 50)
    // Cross-lines of the arrow: centre point and half-length, drawn across
    // the direction of the pointer.
    struct Cross {
        double x;
        double y;
        int halfLength;
    };
    std::vector<Cross> arrow;
    double directionX = 0; // unit vector from the centre to the tip
    double directionY = 0;
};

PrintedTemper LayoutPrintedTemper(const ImageRect& rect, int textHeight, int x, int y);

} // namespace mienlore
