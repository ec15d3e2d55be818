#include "gallery/ui/PictListBox.h"

#include "gallery/GallItem.h"

#include <QHelpEvent>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QTextDocument>
#include <QToolTip>
#include <QWheelEvent>
#include <qdrawutil.h>

#include <algorithm>

namespace mienlore {
namespace {

// Edge of the strip, in pixels.
constexpr int kEdge = 2;
// Cells are portrait-shaped: width : height = 4 : 5.
constexpr int kCellWidthPart = 4;
constexpr int kCellHeightPart = 5;

// Decodes a picture straight to the size of a cell (JPEG files are scaled by
// the decoder itself, which is far quicker than decoding the whole picture).
QImage DecodeThumbnail(const QString& path, QSize box) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    QSize size = reader.size();
    if (size.isValid() && !size.isEmpty()) {
        size.scale(box, Qt::KeepAspectRatio);
        reader.setScaledSize(size.expandedTo(QSize(1, 1)));
    }
    QImage image = reader.read();
    if (!image.isNull() && (image.width() > box.width() || image.height() > box.height()))
        image = image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}

} // namespace

CPictListBox::CPictListBox(QWidget* parent)
    : QWidget(parent), m_wantLo(std::make_shared<std::atomic<int>>(0)),
      m_wantHi(std::make_shared<std::atomic<int>>(-1)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(40, 30);
    // One worker: decoding runs beside the interface, never in its way.
    m_pool.setMaxThreadCount(1);
}

CPictListBox::~CPictListBox() {
    m_wantHi->store(-1);
    m_pool.clear();
    m_pool.waitForDone();
}

void CPictListBox::SetEntries(std::vector<Entry> entries) {
    ++m_generation;
    m_entries = std::move(entries);
    m_cache.clear();
    m_pending.clear();
    m_strip.Reset(static_cast<int>(m_entries.size()));
    StripChanged();
}

void CPictListBox::SetDescribed(int position, bool described) {
    if (position < 0 || position >= static_cast<int>(m_entries.size()))
        return;
    m_entries[static_cast<std::size_t>(position)].described = described;
    update();
}

void CPictListBox::StripChanged() {
    RequestThumbnails();
    update();
}

int CPictListBox::CellHeight() const {
    return std::max(height() - 2 * kEdge, 1);
}

int CPictListBox::CellWidth() const {
    return std::max(CellHeight() * kCellWidthPart / kCellHeightPart, 1);
}

int CPictListBox::VisibleCells() const {
    const int inner = std::max(width() - 2 * kEdge, 0);
    return (inner + CellWidth() - 1) / CellWidth();
}

int CPictListBox::CellAt(QPoint pos) const {
    return std::max(pos.x() - kEdge, 0) / CellWidth();
}

std::size_t CPictListBox::CacheLimit() const {
    // The cells in view, a page behind and two pages ahead.
    return static_cast<std::size_t>(4 * VisibleCells() + 8);
}

QRect CPictListBox::CellRect(int cell) const {
    return {kEdge + cell * CellWidth(), kEdge, CellWidth(), CellHeight()};
}

QSize CPictListBox::ThumbnailSize() const {
    const qreal ratio = devicePixelRatioF();
    return QSize(std::max(1, static_cast<int>((CellWidth() - 4) * ratio)),
                 std::max(1, static_cast<int>((CellHeight() - 4) * ratio)));
}

void CPictListBox::RequestThumbnails() {
    const int count = static_cast<int>(m_entries.size());
    if (count == 0 || !isVisible())
        return;
    const int visible = VisibleCells();
    const int first = m_strip.First();
    // In view first, then the next page, then the page before.
    const int lo = std::max(first - visible, 0);
    const int hi = std::min(first + 3 * visible + 3, count - 1);
    m_wantLo->store(lo);
    m_wantHi->store(hi);
    Evict();
    for (int p = first; p <= hi; ++p)
        Request(p);
    for (int p = first - 1; p >= lo; --p)
        Request(p);
}

void CPictListBox::Request(int position) {
    if (m_cache.count(position) || m_pending.count(position))
        return;
    m_pending.insert(position);
    const QString path = m_entries[static_cast<std::size_t>(position)].path;
    const QSize box = ThumbnailSize();
    const unsigned generation = m_generation;
    auto lo = m_wantLo;
    auto hi = m_wantHi;
    m_pool.start([this, path, box, generation, position, lo, hi] {
        // A cell scrolled far away by now is not decoded.
        const bool skipped = position < lo->load() || position > hi->load();
        const QImage image = skipped ? QImage() : DecodeThumbnail(path, box);
        QMetaObject::invokeMethod(
            this,
            [this, generation, position, image, skipped] {
                OnDecoded(generation, position, image, skipped);
            },
            Qt::QueuedConnection);
    });
}

void CPictListBox::OnDecoded(unsigned generation, int position, const QImage& image, bool skipped) {
    if (generation != m_generation)
        return;
    m_pending.erase(position);
    if (skipped)
        return;
    if (position < m_wantLo->load() || position > m_wantHi->load())
        return;
    m_cache[position] = image;
    const int cell = position - m_strip.First();
    if (cell >= 0 && cell < VisibleCells())
        update(CellRect(cell));
}

void CPictListBox::Evict() {
    const int lo = m_wantLo->load();
    const int hi = m_wantHi->load();
    for (auto it = m_cache.begin(); it != m_cache.end();) {
        if (it->first < lo || it->first > hi)
            it = m_cache.erase(it);
        else
            ++it;
    }
}

void CPictListBox::paintEvent(QPaintEvent*) {
    // Drawn off-screen first, then shown in one piece.
    const qreal ratio = devicePixelRatioF();
    QPixmap buffer(size() * ratio);
    buffer.setDevicePixelRatio(ratio);
    buffer.fill(palette().color(QPalette::Base));
    QPainter p(&buffer);
    p.setRenderHint(QPainter::SmoothPixmapTransform);

    const int count = static_cast<int>(m_entries.size());
    const int first = m_strip.First();
    const int cells = VisibleCells();
    QFont mark = font();
    mark.setBold(true);
    mark.setPixelSize(std::max(CellHeight() / 3, 6));
    for (int cell = 0; cell < cells && first + cell < count; ++cell) {
        const int position = first + cell;
        const QRect r = CellRect(cell);
        const QRect inner = r.adjusted(2, 2, -2, -2);
        p.fillRect(inner, palette().color(QPalette::Window));
        const auto found = m_cache.find(position);
        if (found != m_cache.end() && !found->second.isNull()) {
            const QImage& image = found->second;
            QSizeF shown = QSizeF(image.size()) / ratio;
            shown.scale(QSizeF(inner.size()), Qt::KeepAspectRatio);
            QRectF target(QPointF(0, 0), shown);
            target.moveCenter(QRectF(inner).center());
            p.drawImage(target, image);
        } else if (found != m_cache.end()) {
            // Could not be read: a crossed frame.
            p.setPen(palette().color(QPalette::Mid));
            p.drawLine(inner.topLeft(), inner.bottomRight());
            p.drawLine(inner.topRight(), inner.bottomLeft());
        }
        if (!m_entries[static_cast<std::size_t>(position)].described) {
            p.setFont(mark);
            const QString text = QStringLiteral(" ? ");
            const QFontMetrics fm(mark);
            QRect box(0, 0, fm.horizontalAdvance(text), fm.height());
            box.moveBottomRight(inner.bottomRight());
            // A light halo keeps the mark readable over dark hair or a beard
            // without hiding the face.
            p.setPen(QColor(255, 255, 255));
            for (const QPoint d : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)})
                p.drawText(box.translated(d), Qt::AlignCenter, text);
            p.setPen(QColor(160, 0, 0));
            p.drawText(box, Qt::AlignCenter, text);
        }
        p.setPen(palette().color(QPalette::Mid));
        p.drawRect(inner.adjusted(0, 0, -1, -1));
    }
    // The selected cell stands out, the whole strip is etched in.
    const int selected = m_strip.SelectedCell();
    if (count > 0 && selected < cells && first + selected < count)
        qDrawShadePanel(&p, CellRect(selected), palette(), false, 2);
    qDrawShadeRect(&p, rect(), palette(), true, 1, 0);
    p.end();

    QPainter out(this);
    out.drawPixmap(0, 0, buffer);
}

void CPictListBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    emit cellClicked(CellAt(event->position().toPoint()));
}

void CPictListBox::wheelEvent(QWheelEvent* event) {
    const QPoint delta = event->angleDelta();
    const int steps = (delta.y() != 0 ? -delta.y() : -delta.x()) / 120;
    if (steps != 0)
        emit scrollRequested(steps);
    event->accept();
}

void CPictListBox::resizeEvent(QResizeEvent*) {
    // Thumbnails are kept at the cell size: a new size decodes them anew.
    ++m_generation;
    m_cache.clear();
    m_pending.clear();
    RequestThumbnails();
}

} // namespace mienlore

namespace mienlore {

void CPictListBox::showEvent(QShowEvent*) {
    RequestThumbnails();
}

bool CPictListBox::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    // The portrait's title, as the panel shows it once the portrait is chosen.
    const auto* help = static_cast<QHelpEvent*>(event);
    const int cell = CellAt(help->pos());
    const int position = m_strip.First() + cell;
    if (position < static_cast<int>(m_entries.size())) {
        const std::string path = m_entries[static_cast<std::size_t>(position)].path.toStdString();
        // A tool tip reads markup-like text as markup; the title is shown
        // as typed.
        const QString title = QString::fromStdString(GalleryTitle(path).title);
        QToolTip::showText(help->globalPos(),
                           title.isEmpty() ? title
                                           : Qt::convertFromPlainText(title, Qt::WhiteSpaceNoWrap),
                           this, CellRect(cell));
    } else {
        QToolTip::hideText();
    }
    return true;
}

} // namespace mienlore
