#include "model/ui/PictList.h"

#include <QPainter>
#include <QStyledItemDelegate>
#include <QWheelEvent>

#include <algorithm>

namespace mienlore {
namespace {

class PictDelegate : public QStyledItemDelegate {
public:
    explicit PictDelegate(CPictList* list) : QStyledItemDelegate(list), m_list(list) {}

    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QRect r = option.rect;
        p->fillRect(r, Qt::white);
        const QImage pict = m_list->PictureAt(index.row());
        if (!pict.isNull()) {
            const int x = r.left() + (r.width() - pict.width()) / 2;
            p->drawImage(QPoint(x, r.top() + 6), pict);
        } else {
            p->setPen(QColor(80, 80, 80));
            p->drawText(r.adjusted(2, 2, -2, -4), Qt::AlignCenter | Qt::TextWordWrap,
                        index.data(Qt::ToolTipRole).toString());
        }
        const bool focused = option.state & QStyle::State_Selected;
        const QRect line(r.left(), r.bottom() - 2, r.width(), 3);
        if (focused) {
            p->fillRect(line, QColor(0, 0, 128));
        } else {
            p->fillRect(line, Qt::white);
            p->setPen(option.palette.color(QPalette::Mid));
            p->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        }
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return QSize(option.rect.width(), index.data(Qt::SizeHintRole).toSize().height());
    }

private:
    CPictList* m_list;
};

} // namespace

QImage ShrinkByThree(const QImage& image) {
    const QImage src = image.convertToFormat(QImage::Format_RGB32);
    const int w = src.width() / 3;
    const int h = src.height() / 3;
    QImage out(std::max(w, 1), std::max(h, 1), QImage::Format_RGB32);
    out.fill(Qt::white);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            int r = 0, g = 0, b = 0;
            for (int dy = 0; dy < 3; ++dy) {
                const QRgb* row = reinterpret_cast<const QRgb*>(src.constScanLine(3 * y + dy));
                for (int dx = 0; dx < 3; ++dx) {
                    const QRgb c = row[3 * x + dx];
                    r += qRed(c);
                    g += qGreen(c);
                    b += qBlue(c);
                }
            }
            out.setPixel(x, y, qRgb(r / 9, g / 9, b / 9));
        }
    }
    return out;
}

CPictList::CPictList(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new PictDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    setMouseTracking(true);
}

bool CPictList::IsShrunk(QSize s) {
    return !(s.height() < 96 && s.width() < 128);
}

int CPictList::ItemHeightFor(QSize s) {
    if (s.isEmpty())
        return 30;
    const int h = IsShrunk(s) ? s.height() / 3 + 6 : s.height() + 6;
    return std::max(h, 30);
}

void CPictList::Fill(const QStringList& names, std::function<QImage(int)> picture) {
    m_picture = std::move(picture);
    const QImage first = m_picture ? m_picture(0) : QImage();
    m_firstSize = first.size();
    const int height = ItemHeightFor(m_firstSize);
    const QSignalBlocker block(this);
    clear();
    m_shown.clear();
    for (const QString& name : names) {
        auto* item = new QListWidgetItem(this);
        item->setData(Qt::ToolTipRole, name);
        item->setData(Qt::SizeHintRole, QSize(0, height));
    }
}

void CPictList::RedrawPictures() {
    viewport()->update();
}

QImage CPictList::PictureAt(int row) const {
    if (!m_picture)
        return {};
    const QImage pict = m_picture(row);
    if (pict.isNull() || !IsShrunk(m_firstSize))
        return pict;
    return ShrinkByThree(pict);
}

void CPictList::wheelEvent(QWheelEvent* event) {
    const int delta =
        event->angleDelta().y() != 0 ? event->angleDelta().y() : event->angleDelta().x();
    if (delta == 0)
        return;
    const int step = delta < 0 ? 1 : -1; // wheel turned down: next
    if (event->modifiers() & Qt::ShiftModifier) {
        emit variantStepRequested(step);
    } else if (count() > 0) {
        const int row = std::clamp(currentRow() + step, 0, count() - 1);
        if (row != currentRow())
            setCurrentRow(row);
    }
    event->accept();
}

void CPictList::enterEvent(QEnterEvent* event) {
    QListWidget::enterEvent(event);
    emit hovered();
}

} // namespace mienlore
