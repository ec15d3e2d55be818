#pragma once

#include "base/Colour.h"

#include <QImage>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>

namespace mienlore {

class CDevib;
class CFaceCompositor;
class CFaceFrame;
struct ImageRect;

// Settings the face window draws with.
struct FaceWndLook {
    Colour faceColour = 0xF0FFFF; // red in the low byte
    std::uint32_t fillColour = 0xFFFFFF;
    Colour infoColour = 0xFF0000; // blue
    bool showInfo = true;         // draw the caption
    bool showHints = true;        // draw the hint line
    int smoothing = 2;            // 0..5
    bool photoBackground = false; // the face over the photograph
};

// The face picture: a cache of the last rendered face, the caption (the
// analysis summary) and a one-line hint. Mouse presses, moves and releases on
// the picture are reported in face-canvas coordinates.
class CFaceWnd : public QWidget {
    Q_OBJECT
public:
    explicit CFaceWnd(QWidget* parent = nullptr);
    ~CFaceWnd() override;

    // Shows this face; its pictures come from the picture store below the
    // face's program folder.
    void BindFace(CFaceFrame* face);
    void SetLook(const FaceWndLook& look) { m_look = look; }
    // Where the look comes from; asked before every render.
    void SetLookSource(std::function<FaceWndLook()> source) { m_lookSource = std::move(source); }
    const FaceWndLook& Look() const { return m_look; }
    void SetFaceColour(Colour colour) { m_look.faceColour = colour; }
    // Draws the photograph under the face while photoBackground is on.
    void SetPhotoPainter(std::function<void(CDevib&, const ImageRect&)> painter);

    // Renders the face with this caption into the cache and repaints.
    void Render(const QString& caption);
    const QString& Caption() const { return m_caption; }
    const QImage& Cache() const { return m_cache; }

    // 0, 1 or 2: which hint the hint line shows.
    void SetHintMode(int mode);
    int HintMode() const { return m_hintMode; }
    QString HintText() const;

    // The slot under a point of the window (FaceSlot number), or 0.
    int HitTest(QPoint windowPos) const;
    // Window position to face-canvas position.
    static QPoint ToCanvas(QPoint windowPos) { return windowPos - QPoint(2, 2); }

signals:
    void pressed(QPoint windowPos);
    void dragged(QPoint windowPos);
    void released();
    // A feature picture file exists but cannot be read (told once a file).
    void pictureUnreadable(const QString& path);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int DrawCaption(QImage& image) const;

    CFaceFrame* m_face = nullptr;
    std::unique_ptr<CFaceCompositor> m_compositor;
    FaceWndLook m_look;
    std::function<FaceWndLook()> m_lookSource;
    std::function<void(CDevib&, const ImageRect&)> m_photoPainter;
    QString m_caption;
    QImage m_cache;
    int m_hintMode = 0;
    bool m_dragging = false;
};

} // namespace mienlore
