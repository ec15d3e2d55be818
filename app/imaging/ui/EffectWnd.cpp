#include "imaging/ui/EffectWnd.h"

#include "imaging/ui/SerifFont.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

#include <algorithm>
#include <cstring>

namespace mienlore {

namespace {

QFont CaptionFont(int pixelSize) {
    return SerifFont(pixelSize, QFont::DemiBold);
}

PixelWord Word(const QColor& c) {
    return MakePixel(c.red(), c.green(), c.blue());
}

} // namespace

CEffectWnd::CEffectWnd(const QString& text, QWidget* parent) : QWidget(parent), m_text(text) {
    setObjectName(QStringLiteral("effectWnd"));
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CEffectWnd::~CEffectWnd() {
    Stop();
}

int CEffectWnd::FittedFontSize(const QString& text, QSize size) {
    int px = size.height() - 8;
    while (px > 2 && QFontMetrics(CaptionFont(px)).horizontalAdvance(text) >= size.width() - 8)
        px -= 2;
    return px;
}

QPainterPath CEffectWnd::TextPath() const {
    const QFont font = CaptionFont(FittedFontSize(m_text, size()));
    const QFontMetrics fm(font);
    QPainterPath path;
    const int x = (width() - fm.horizontalAdvance(m_text)) / 2;
    path.addText(x, fm.ascent() + 2, font, m_text); // centred at the top
    return path;
}

void CEffectWnd::Start() {
    if (m_thread.joinable() || width() < 3 || height() < 3)
        return;
    // The region of the text, read once on this thread.
    QImage region(size(), QImage::Format_Grayscale8);
    region.fill(0);
    {
        QPainter p(&region);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillPath(TextPath(), Qt::white);
    }
    CEffectFrames frames;
    const QColor text = palette().color(QPalette::ButtonText);
    frames.Setup(
        width(), height(),
        [&region](int x, int y) {
            return x >= 0 && y >= 0 && x < region.width() && y < region.height() &&
                   region.constScanLine(y)[x] > 127;
        },
        Word(text), Word(Qt::white));
    {
        std::lock_guard lock(m_mutex);
        m_stop = false;
    }
    m_thread = std::thread(&CEffectWnd::Run, this, std::move(frames));
}

void CEffectWnd::Run(CEffectFrames frames) {
    for (;;) {
        frames.Step();
        const CDevib& shown = frames.Shown();
        QImage image(shown.Width(), shown.Height(), QImage::Format_RGB32);
        for (int y = 0; y < shown.Height(); ++y)
            std::memcpy(image.scanLine(y),
                        shown.Pixels() +
                            static_cast<std::size_t>(shown.Height() - 1 - y) * shown.Width(),
                        static_cast<std::size_t>(shown.Width()) * 4);
        std::unique_lock lock(m_mutex);
        m_frame = std::move(image);
        ++m_framesShown;
        QMetaObject::invokeMethod(this, qOverload<>(&QWidget::update), Qt::QueuedConnection);
        if (m_wake.wait_for(lock, std::chrono::milliseconds(m_intervalMs),
                            [this] { return m_stop; }))
            return;
    }
}

void CEffectWnd::Stop() {
    if (!m_thread.joinable())
        return;
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    m_thread.join(); // a frame takes well under the five seconds allowed
}

QImage CEffectWnd::Frame() const {
    std::lock_guard lock(const_cast<std::mutex&>(m_mutex));
    return m_frame;
}

void CEffectWnd::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QImage frame = Frame();
    if (frame.isNull())
        p.fillRect(rect(), Qt::white);
    else
        p.drawImage(0, 0, frame);
    // The outline of the text over its glow.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(palette().color(QPalette::ButtonText), 1.2));
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawPath(TextPath());
}

void CEffectWnd::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Start();
}

void CEffectWnd::hideEvent(QHideEvent* event) {
    Stop();
    QWidget::hideEvent(event);
}

void CEffectWnd::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint()))
        return;
    if (m_link.isEmpty() || !QDesktopServices::openUrl(QUrl(m_link))) {
        QApplication::beep();
        emit linkOpenFailed();
    }
}

} // namespace mienlore
