#include "gallery/ui/SonDiagram.h"

#include "gallery/ui/PictToolTip.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

namespace mienlore {
namespace {

const QColor kOutline(192, 192, 128);

QColor ToQColor(const MapColour& c) {
    return QColor(c.r, c.g, c.b);
}

// The mark of the current face: a pin, 16 x 16, its point at the bottom
// left (where the node's centre is).
void DrawMark(QPainter& p, int left, int top) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath pin;
    pin.moveTo(left + 1, top + 16);
    pin.lineTo(left + 5, top + 8);
    pin.lineTo(left + 8, top + 11);
    pin.closeSubpath();
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::black);
    p.drawPath(pin);
    p.setBrush(QColor(220, 0, 0));
    p.drawEllipse(QRectF(left + 5, top + 1, 10, 10));
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(left + 8, top + 3.5, 3, 3));
    p.restore();
}

} // namespace

CSonDiagram::CSonDiagram(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("ctl4000"));
    setProperty("ctrlId", 4000);
    setFrameShape(QFrame::NoFrame);
    setCursor(Qt::CrossCursor);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_tip = new CPictToolTip(this);
}

void CSonDiagram::SetMap(CSon* map) {
    m_map = map;
    m_hoverNode = -1;
    m_hoverFace = -1;
    Relayout();
    update();
}

void CSonDiagram::SetFaceSource(std::function<std::string(int)> name,
                                std::function<QPixmap(int)> thumbnail) {
    m_name = std::move(name);
    m_thumbnail = std::move(thumbnail);
}

void CSonDiagram::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    Relayout();
}

void CSonDiagram::Relayout() {
    m_layout = MapLayout::For(width(), height(), kPenWidth);
    if (m_map)
        PlaceNodes(*m_map, m_layout);
}

void CSonDiagram::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette pal = palette();
    // While the map learns it is drawn over the last picture, which keeps
    // the repaints calm.
    if (!m_computing || !m_map)
        p.fillRect(rect(), pal.color(QPalette::Button));
    p.setPen(QPen(pal.color(QPalette::Mid), kPenWidth));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    if (!m_map || m_map->Nodes().empty())
        return;
    Relayout();
    const MapLayout& l = m_layout;
    p.setPen(QPen(kOutline, kPenWidth));
    for (const CNode& node : m_map->Nodes()) {
        const int x = static_cast<int>(node.x);
        const int y = static_cast<int>(node.y);
        p.setBrush(ToQColor(NodeColour(node)));
        if (m_hexagons && !l.squares) {
            const std::array<int, 12> pts = l.Hexagon(x, y);
            QPolygon hexagon;
            for (int i = 0; i < 6; ++i)
                hexagon << QPoint(pts[2 * i], pts[2 * i + 1]);
            p.drawPolygon(hexagon);
        } else {
            const int left = l.NodeLeft(x);
            const int top = l.NodeRow(x, y) - l.h;
            p.fillRect(QRect(left, top, 3 * l.s, 2 * l.h), ToQColor(NodeColour(node)));
        }
    }
    if (m_thumbnails && m_thumbnail) {
        for (int index : ThumbnailNodes(*m_map)) {
            const CNode& node = m_map->Node(index);
            const QPixmap picture = m_thumbnail(node.face);
            if (picture.isNull())
                continue;
            const QRect cell(node.centreX - 15, node.centreY - 18, 30, 36);
            p.drawPixmap(cell, picture);
            p.setPen(QPen(pal.color(QPalette::ButtonText), kPenWidth));
            p.setBrush(Qt::NoBrush);
            p.drawRect(cell.adjusted(0, 0, -1, -1));
        }
    }
    if (m_marked >= 0 && m_marked < static_cast<int>(m_map->Nodes().size())) {
        const CNode& node = m_map->Node(m_marked);
        DrawMark(p, node.centreX, node.centreY - 16);
    }
}

QString CSonDiagram::HoverTextAt(const QPoint& pos) {
    m_hoverNode = -1;
    m_hoverFace = -1;
    if (!m_layout.InMap(pos.x(), pos.y()))
        return QString::fromLatin1(kOutsideMapText);
    if (!m_map)
        return {};
    m_hoverNode = HoverNode(*m_map, pos.x(), pos.y());
    if (m_hoverNode < 0)
        return {};
    m_hoverFace = m_map->Node(m_hoverNode).face;
    return QString::fromStdString(HoverText(*m_map, m_hoverNode, m_word, m_name));
}

void CSonDiagram::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    m_tip->ShowText(mapToGlobal(pos), HoverTextAt(pos));
}

void CSonDiagram::leaveEvent(QEvent*) {
    m_tip->ShowText({}, {});
}

} // namespace mienlore
