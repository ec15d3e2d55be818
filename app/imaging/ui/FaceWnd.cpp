#include "imaging/ui/FaceWnd.h"

#include "imaging/FaceCompositor.h"
#include "imaging/FacePictureLoader.h"
#include "imaging/ui/DevibImage.h"
#include "imaging/ui/SerifFont.h"
#include "model/FaceFrame.h"
#include "shell/ui/QtColour.h"
#include "shell/ui/UiStrings.h"

#include <QFontMetrics>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPainter>

#include <cstdio>

namespace mienlore {
namespace {

QFont CaptionFont(int pixelHeight, int weight) {
    QFont f = SerifFont(pixelHeight, weight);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

} // namespace

CFaceWnd::~CFaceWnd() = default;

void CFaceWnd::BindFace(CFaceFrame* face) {
    m_face = face;
    // A picture file that cannot be read is told once, naming the file; the
    // face is drawn without it.
    auto report = [this](const std::filesystem::path& path) {
        const QString file = QString::fromStdString(path.string());
        std::fprintf(stderr, "mienlore: the feature picture %s cannot be read\n", qPrintable(file));
        QMetaObject::invokeMethod(
            this, [this, file] { emit pictureUnreadable(file); }, Qt::QueuedConnection);
    };
    m_compositor = face ? std::make_unique<CFaceCompositor>(
                              MakeFacePictureLoader(face->ProgramFolder(), report))
                        : nullptr;
    SetPhotoPainter(m_photoPainter);
}

void CFaceWnd::SetPhotoPainter(std::function<void(CDevib&, const ImageRect&)> painter) {
    m_photoPainter = std::move(painter);
    if (m_compositor)
        m_compositor->SetPhotoPainter(m_photoPainter);
}

CFaceWnd::CFaceWnd(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("faceWnd"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
}

void CFaceWnd::Render(const QString& caption) {
    m_caption = caption;
    if (m_lookSource)
        m_look = m_lookSource();
    const QSize size = this->size().expandedTo(QSize(1, 1));
    if (!m_face || !m_compositor) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(ToQColor(m_look.faceColour));
        m_cache = std::move(image);
        update();
        return;
    }
    FaceLook look;
    look.faceColor = m_look.faceColour;
    look.fillColor = m_look.fillColour;
    look.smoothing = m_look.smoothing;
    look.showInfo = m_look.showInfo;
    look.photoBackground = m_look.photoBackground && m_photoPainter;
    CDevib canvas;
    const std::string text = m_caption.toStdString();
    m_compositor->Render(canvas, size.width(), size.height(), *m_face, look, text,
                         [this](CDevib& devib, const std::string&) {
                             QImage image = ToQImage(devib);
                             const int height = DrawCaption(image);
                             FromQImage(image, devib);
                             return height;
                         });
    m_cache = ToQImage(canvas);
    update();
}

int CFaceWnd::DrawCaption(QImage& image) const {
    if (!m_look.showInfo || m_caption.isEmpty())
        return 0;
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QFont f = CaptionFont(16, 600);
    p.setFont(f);
    p.setPen(ToQColor(m_look.infoColour));
    const QFontMetrics fm(f);
    p.drawText(QPoint(fm.horizontalAdvance(QLatin1Char('0')), 1 + fm.ascent()), m_caption);
    return fm.height();
}

void CFaceWnd::SetHintMode(int mode) {
    if (mode < 0 || mode > 2 || mode == m_hintMode)
        return;
    m_hintMode = mode;
    update();
}

QString CFaceWnd::HintText() const {
    return UiString(21900 + m_hintMode);
}

int CFaceWnd::HitTest(QPoint windowPos) const {
    if (!m_face)
        return 0;
    const QPoint c = ToCanvas(windowPos);
    return CFaceCompositor::HitTest(*m_face, ImageRect{0, 0, width(), height()}, c.x(), c.y());
}

void CFaceWnd::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor window = ToQColor(m_look.faceColour);
    p.fillRect(rect(), window);
    if (!m_cache.isNull())
        p.drawImage(QRect(2, 2, width() - 2, height() - 2), m_cache,
                    QRect(0, 0, width() - 2, height() - 2));
    p.fillRect(QRect(0, 0, width(), 2), window);
    p.fillRect(QRect(0, 0, 4, height()), window);
    if (m_look.showHints) {
        const QString hint = HintText();
        if (!hint.isEmpty()) {
            // Smaller type when the hint would not fit the window.
            QFont f = CaptionFont(14, 400);
            for (int px = 13; px >= 9 && QFontMetrics(f).horizontalAdvance(hint) > width() - 8;
                 --px)
                f.setPixelSize(px);
            p.setFont(f);
            p.setPen(QColor(0, 128, 0));
            const QFontMetrics fm(f);
            const QRect area = rect().adjusted(0, 0, -fm.horizontalAdvance(QLatin1Char('0')), 0);
            p.drawText(area, Qt::AlignRight | Qt::AlignBottom, hint);
        }
    }
}

void CFaceWnd::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    m_dragging = true;
    emit pressed(event->position().toPoint());
}

void CFaceWnd::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragging && (event->buttons() & Qt::LeftButton))
        emit dragged(event->position().toPoint());
}

void CFaceWnd::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_dragging)
        return;
    m_dragging = false;
    emit released();
}

void CFaceWnd::resizeEvent(QResizeEvent*) {
    Render(m_caption);
}

} // namespace mienlore
