#include "shell/ui/ToolbarIcons.h"

#include "shell/ui/CommandIds.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace mienlore {
namespace {

using namespace cmd;

constexpr int kW = 16;
constexpr int kH = 15;

const QColor kInk(40, 40, 48);
const QColor kPaper(252, 252, 246);
const QColor kFolder(232, 190, 80);
const QColor kBlue(40, 90, 190);
const QColor kGreen(40, 150, 70);
const QColor kRed(200, 50, 40);

void Page(QPainter& p, QRectF r) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    p.drawRect(r);
}

void Lines(QPainter& p, qreal x0, qreal x1, qreal y0, int n, qreal step) {
    p.setPen(QPen(QColor(120, 120, 130), 1));
    for (int i = 0; i < n; ++i)
        p.drawLine(QPointF(x0, y0 + i * step), QPointF(x1, y0 + i * step));
}

void Printer(QPainter& p) {
    Page(p, QRectF(4.5, 1.5, 7, 5));
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(170, 170, 180));
    p.drawRoundedRect(QRectF(1.5, 6.5, 13, 5), 1, 1);
    Page(p, QRectF(4.5, 9.5, 7, 4));
    p.setPen(kGreen);
    p.drawPoint(QPointF(12.5, 8));
}

void Draw(QPainter& p, int id) {
    switch (id) {
    case kFileOpen: {
        p.setPen(QPen(kInk, 1));
        p.setBrush(kFolder.darker(115));
        p.drawRect(QRectF(1.5, 3.5, 11, 9));
        p.setBrush(kFolder);
        QPainterPath front;
        front.moveTo(1.5, 12.5);
        front.lineTo(4.5, 6.5);
        front.lineTo(14.5, 6.5);
        front.lineTo(12.5, 12.5);
        front.closeSubpath();
        p.drawPath(front);
        break;
    }
    case kFileSaveAsButton:
        p.setPen(QPen(kInk, 1));
        p.setBrush(kBlue);
        p.drawRect(QRectF(1.5, 1.5, 12, 12));
        Page(p, QRectF(4.5, 1.5, 6, 5));
        p.setBrush(QColor(220, 220, 225));
        p.drawRect(QRectF(3.5, 9.5, 8, 4));
        break;
    case kFilePrint:
        Printer(p);
        break;
    case kFilePrintPreview:
        Page(p, QRectF(1.5, 0.5, 9, 13));
        Lines(p, 3, 9, 3.5, 3, 2);
        p.setPen(QPen(kInk, 1.4));
        p.setBrush(QColor(200, 230, 255));
        p.drawEllipse(QPointF(10, 9), 3.2, 3.2);
        p.drawLine(QPointF(12.3, 11.3), QPointF(15, 14));
        break;
    case kFilePageSetup:
        Page(p, QRectF(2.5, 0.5, 10, 13));
        p.setPen(QPen(kRed, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(4.5, 2.5, 6, 9));
        break;
    case kSaveWebPage:
        p.setPen(QPen(kInk, 1));
        p.setBrush(QColor(120, 180, 240));
        p.drawEllipse(QRectF(1.5, 1.5, 12, 12));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kGreen.darker(120), 1));
        p.drawEllipse(QRectF(5, 1.5, 5, 12));
        p.drawLine(QPointF(1.5, 7.5), QPointF(13.5, 7.5));
        break;
    case kSaveFaceImage: {
        p.setPen(QPen(kInk, 1));
        p.setBrush(QColor(255, 240, 200));
        p.drawEllipse(QRectF(3.5, 1.5, 9, 12));
        p.setBrush(kInk);
        p.drawEllipse(QPointF(6.5, 6), 0.8, 0.8);
        p.drawEllipse(QPointF(9.5, 6), 0.8, 0.8);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(5.5, 7, 5, 4), 200 * 16, 140 * 16);
        p.setBrush(kBlue);
        p.drawRect(QRectF(10.5, 9.5, 4, 4));
        break;
    }
    case kOptions: {
        p.setPen(QPen(kInk, 1));
        p.setBrush(QColor(190, 190, 200));
        p.drawEllipse(QPointF(7.5, 7.5), 5.5, 5.5);
        p.setBrush(kPaper);
        p.drawEllipse(QPointF(7.5, 7.5), 2.2, 2.2);
        p.setPen(QPen(kInk, 2));
        for (int i = 0; i < 4; ++i) {
            p.save();
            p.translate(7.5, 7.5);
            p.rotate(45 * i);
            p.drawLine(QPointF(0, -7), QPointF(0, -5.5));
            p.drawLine(QPointF(0, 7), QPointF(0, 5.5));
            p.restore();
        }
        break;
    }
    case kPagePict: {
        Page(p, QRectF(0.5, 0.5, 14, 13));
        p.setPen(QPen(kInk, 1));
        p.setBrush(QColor(255, 225, 190));
        p.drawEllipse(QRectF(4, 2, 7, 10));
        p.setBrush(kInk);
        p.drawEllipse(QPointF(6, 6), 0.6, 0.6);
        p.drawEllipse(QPointF(9, 6), 0.6, 0.6);
        break;
    }
    case kPageHist: {
        p.setPen(Qt::NoPen);
        const int heights[] = {6, 10, 4, 12};
        const QColor colours[] = {kRed, kBlue, kGreen, kFolder.darker(120)};
        for (int i = 0; i < 4; ++i)
            p.fillRect(QRectF(1 + i * 3.5, 14 - heights[i], 3, heights[i]), colours[i]);
        p.setPen(QPen(kInk, 1));
        p.drawLine(QPointF(0.5, 14.5), QPointF(15.5, 14.5));
        break;
    }
    case kPageText:
        Page(p, QRectF(2.5, 0.5, 11, 13));
        Lines(p, 4.5, 11.5, 3.5, 5, 2);
        break;
    case kPageType: {
        p.setPen(QPen(kInk, 1));
        const QColor colours[] = {kRed, kGreen, kBlue, kFolder};
        for (int i = 0; i < 4; ++i) {
            p.setBrush(colours[i]);
            p.drawRect(QRectF(1.5 + (i % 2) * 7, 0.5 + (i / 2) * 7, 6, 6));
        }
        break;
    }
    case kHelpTopics: {
        p.setPen(QPen(kInk, 1));
        p.setBrush(QColor(255, 250, 180));
        p.drawEllipse(QRectF(1.5, 0.5, 13, 13));
        QFont f;
        f.setPixelSize(11);
        f.setBold(true);
        p.setFont(f);
        p.setPen(kBlue);
        p.drawText(QRectF(1.5, 0.5, 13, 13), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    default:
        break;
    }
}

QPixmap Render(int id, int scale) {
    QPixmap pm(kW * scale, kH * scale);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, scale > 1);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(scale, scale);
    Draw(p, id);
    p.end();
    pm.setDevicePixelRatio(scale);
    return pm;
}

} // namespace

QIcon CommandIcon(int id) {
    switch (id) {
    case kFileOpen:
    case kFileSaveAsButton:
    case kFilePrint:
    case kFilePrintPreview:
    case kFilePageSetup:
    case kSaveWebPage:
    case kSaveFaceImage:
    case kOptions:
    case kPagePict:
    case kPageHist:
    case kPageText:
    case kPageType:
    case kHelpTopics:
        break;
    default:
        return {};
    }
    QIcon icon;
    icon.addPixmap(Render(id, 1));
    icon.addPixmap(Render(id, 2));
    return icon;
}

} // namespace mienlore
