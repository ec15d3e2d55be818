#pragma once

// The printed report: one page drawn with a QPainter onto a printer, the
// print preview or a PDF writer.

#include <QImage>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

class QPainter;
class QRect;

namespace mienlore {

// Everything the page shows, read from the view before drawing.
struct PrintedReportContent {
    QImage face;
    QString name;
    QStringList summaryWords;
    QString title;                 // "PHYSIOGNOMY ANALYSIS REPORT"
    std::array<QString, 3> footer; // program, maker, web address
    struct Bar {
        int value = -1;
        bool twoSided = false;
        QString low;
        QString high;
    };
    std::vector<Bar> upperBars; // two-sided scales
    std::vector<Bar> lowerBars; // one-sided qualities
    int temperX = -1;           // activity (`ener`)
    int temperY = -1;           // extroversion (`acti`)
    // "Depression", "Activity", "Introvert", "Extrovert", "Choleric",
    // "Sanguine ", "Phlegmatic", "Melancholy".
    std::array<QString, 8> temperLabels;
    QString confidenceLabel; // "Confidence factor"
    int confidence = 0;
};

// Draws the page into page (device pixels, origin at the printable area's
// top left). Returns false without drawing for a page without area.
bool DrawPrintedReport(QPainter& painter, const QRect& page, const PrintedReportContent& content);

// The colour of frames and texts.
inline constexpr unsigned kPrintedReportBlue = 0x0000FF; // RGB

} // namespace mienlore
