#pragma once

#include "gallery/CharacterMap.h"

#include <QColor>
#include <QFrame>
#include <QPixmap>

#include <functional>
#include <map>

namespace mienlore {

class CPictToolTip;

// Draws a character map: each node a hexagon (squares when the cells are
// too small) in its colour, thumbnails of the faces that represent nodes,
// and a mark on the node of the current face. Hovering names the character
// of the region and the face there.
class CSonDiagram : public QFrame {
    Q_OBJECT
public:
    static constexpr int kPenWidth = 1;

    explicit CSonDiagram(QWidget* parent = nullptr);

    // The map to draw (owned by the caller; null draws nothing). Drawing
    // sets its nodes' screen centres.
    void SetMap(CSon* map);
    // Names and thumbnails of gallery faces by index.
    void SetFaceSource(std::function<std::string(int)> name, std::function<QPixmap(int)> thumbnail);
    // Interface strings (the hover words) by id.
    void SetWordSource(std::function<std::string(unsigned)> word) { m_word = std::move(word); }

    void SetComputing(bool on) { m_computing = on; }
    bool IsComputing() const { return m_computing; }
    void SetHexagons(bool on) { m_hexagons = on; }
    void SetMarkedNode(int node) { m_marked = node; }
    int MarkedNode() const { return m_marked; }
    void ShowThumbnails(bool on) { m_thumbnails = on; }
    bool ThumbnailsShown() const { return m_thumbnails; }

    const MapLayout& Layout() const { return m_layout; }
    // The tool tip text for a point of the diagram, as hovering shows it.
    QString HoverTextAt(const QPoint& pos);
    // The gallery index of the face under the pointer at the last hover, or -1.
    int HoverFace() const { return m_hoverFace; }
    CPictToolTip* ToolTip() const { return m_tip; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Relayout();

    CSon* m_map = nullptr;
    std::function<std::string(int)> m_name;
    std::function<QPixmap(int)> m_thumbnail;
    std::function<std::string(unsigned)> m_word;
    QColor m_green{0, 255, 0};
    bool m_computing = false;
    bool m_hexagons = true;
    int m_marked = -1;
    bool m_thumbnails = false;
    MapLayout m_layout;
    CPictToolTip* m_tip;
    int m_hoverNode = -1;
    int m_hoverFace = -1;
};

} // namespace mienlore
