#include "shell/ui/ColorButton.h"

#include "shell/ColourPalette.h"

#include <QApplication>
#include <QColorDialog>
#include <QGridLayout>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace mienlore {
namespace {

constexpr int kColumns = 8;
constexpr int kCellSize = 18;

// A flat, full-width text entry of the popup.
QToolButton* TextEntry(const QString& text, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setText(text);
    b->setAutoRaise(true);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return b;
}

} // namespace

CColorCell::CColorCell(Colour colour, bool selected, QWidget* parent)
    : QAbstractButton(parent), m_colour(colour), m_selected(selected) {
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(sizeHint());
}

QSize CColorCell::sizeHint() const {
    return {kCellSize, kCellSize};
}

void CColorCell::enterEvent(QEnterEvent* event) {
    m_hover = true;
    update();
    QAbstractButton::enterEvent(event);
}

void CColorCell::leaveEvent(QEvent* event) {
    m_hover = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void CColorCell::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette& pal = palette();
    if (m_hover || m_selected) {
        p.fillRect(rect(), pal.color(QPalette::Highlight));
    }
    const QRect swatch = rect().adjusted(3, 3, -3, -3);
    p.fillRect(swatch, ToQColor(m_colour));
    p.setPen(pal.color(QPalette::Mid));
    p.drawRect(swatch.adjusted(0, 0, -1, -1));
}

CColorPopup::CColorPopup(Colour current, bool automatic, Colour automaticColour, QWidget* parent)
    : QFrame(parent, Qt::Popup) {
    setObjectName(QStringLiteral("ColorPicker"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameShape(QFrame::StyledPanel);
    // The menu colours of the system for background, text and highlight.
    setPalette(QApplication::palette("QMenu"));
    setAutoFillBackground(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);

    auto* autoEntry = TextEntry(QStringLiteral("Automatic"), this);
    QPixmap swatch(12, 12);
    swatch.fill(ToQColor(automaticColour));
    autoEntry->setIcon(QIcon(swatch));
    autoEntry->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    autoEntry->setCheckable(true);
    autoEntry->setChecked(automatic);
    m_automatic = autoEntry;
    layout->addWidget(autoEntry);
    connect(autoEntry, &QToolButton::clicked, this, [this] {
        emit automaticPicked();
        close();
    });

    auto* grid = new QGridLayout;
    grid->setSpacing(0);
    const auto& palette = ColourPalette();
    for (int i = 0; i < kPaletteColours; ++i) {
        auto* cell =
            new CColorCell(palette[i].colour, !automatic && palette[i].colour == current, this);
        cell->setToolTip(QString::fromUtf8(palette[i].name));
        grid->addWidget(cell, i / kColumns, i % kColumns);
        m_cells.push_back(cell);
        connect(cell, &CColorCell::clicked, this, [this, cell] {
            emit colourPicked(cell->CellColour());
            close();
        });
    }
    layout->addLayout(grid);

    m_more = TextEntry(QStringLiteral("More Colors…"), this);
    layout->addWidget(m_more);
    connect(m_more, &QToolButton::clicked, this, [this] {
        close();
        emit moreColoursRequested();
    });
}

CColorCell* CColorPopup::Cell(int index) const {
    return index >= 0 && index < static_cast<int>(m_cells.size()) ? m_cells[index] : nullptr;
}

CColorButton::CColorButton(QWidget* parent) : QPushButton(parent) {
    connect(this, &QPushButton::clicked, this, &CColorButton::OpenPopup);
}

void CColorButton::SetAutomaticColour(Colour colour) {
    m_automaticColour = colour;
    update();
}

void CColorButton::SetColour(Colour colour) {
    m_colour = colour;
    m_isAutomatic = false;
    update();
}

void CColorButton::SetAutomatic() {
    m_isAutomatic = true;
    update();
}

QSize CColorButton::sizeHint() const {
    return {64, 24};
}

void CColorButton::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    p.drawControl(QStyle::CE_PushButtonBevel, option);

    const int arrowWidth = 12;
    const QRect content = rect().adjusted(5, 5, -5, -5);
    const QRect swatch(content.left(), content.top(), content.width() - arrowWidth - 4,
                       content.height());
    p.fillRect(swatch, isEnabled() ? ToQColor(CurrentColour()) : palette().color(QPalette::Button));
    p.setPen(isEnabled() ? Qt::black : palette().color(QPalette::Mid));
    p.drawRect(swatch.adjusted(0, 0, -1, -1));

    QStyleOption arrow;
    arrow.initFrom(this);
    arrow.rect =
        QRect(content.right() - arrowWidth + 1, content.top(), arrowWidth, content.height());
    p.drawPrimitive(QStyle::PE_IndicatorArrowDown, arrow);
}

void CColorButton::OpenPopup() {
    if (m_popup)
        return;
    auto* popup = new CColorPopup(m_colour, m_isAutomatic, m_automaticColour, this);
    m_popup = popup;
    connect(popup, &CColorPopup::automaticPicked, this, [this] { Pick(m_automaticColour, true); });
    connect(popup, &CColorPopup::colourPicked, this, [this](Colour c) { Pick(c, false); });
    // Opened after the popup has gone, so that the dialog is not its child.
    connect(popup, &CColorPopup::moreColoursRequested, this,
            [this] { QTimer::singleShot(0, this, &CColorButton::OpenColourDialog); });
    popup->adjustSize();
    popup->move(mapToGlobal(QPoint(0, height())));
    popup->show();
}

void CColorButton::OpenColourDialog() {
    if (m_dialog)
        return;
    QColorDialog dialog(ToQColor(CurrentColour()), this);
    m_dialog = &dialog;
    if (dialog.exec() == QDialog::Accepted)
        Pick(FromQColor(dialog.selectedColor()), false);
}

void CColorButton::Pick(Colour colour, bool automatic) {
    const bool changed = automatic != m_isAutomatic || (!automatic && colour != m_colour);
    if (automatic)
        SetAutomatic();
    else
        SetColour(colour);
    if (changed)
        emit colourChanged();
}

} // namespace mienlore
