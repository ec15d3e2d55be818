#include "shell/ui/ButtonTextFit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLayout>
#include <QRadioButton>
#include <QStyle>

namespace mienlore {

namespace {

constexpr char kNormalFontProperty[] = "fitNormalFont";

QString ShownText(const QAbstractButton& button) {
    QString text = button.text();
    // "&&" shows one ampersand; a single "&" marks the mnemonic and is not shown.
    text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

// The width the button's text may take: the button less a small margin, and
// less the check mark of radio buttons and check boxes.
int ButtonTextRoom(const QAbstractButton& button) {
    int room = button.width() - 4;
    if (qobject_cast<const QRadioButton*>(&button) || qobject_cast<const QCheckBox*>(&button))
        room -= button.style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &button) + 4;
    return room;
}

} // namespace

void FitButtonText(QAbstractButton* button) {
    if (!button)
        return;
    QVariant stored = button->property(kNormalFontProperty);
    if (!stored.isValid()) {
        stored = button->font();
        button->setProperty(kNormalFontProperty, stored);
    }
    const QFont normal = stored.value<QFont>();
    const QString text = ShownText(*button);
    const int room = ButtonTextRoom(*button);
    QFont font = normal;
    const qreal full = normal.pointSizeF();
    if (full > 0) {
        for (qreal size = full; size >= full * 2 / 3; size -= 0.25) {
            font.setPointSizeF(size);
            if (QFontMetrics(font).horizontalAdvance(text) <= room)
                break;
        }
    }
    if (button->font() != font)
        button->setFont(font);
}

void FitButtonTexts(QWidget* panel) {
    for (QAbstractButton* button : panel->findChildren<QAbstractButton*>()) {
        const QWidget* parent = button->parentWidget();
        if (!parent || !parent->layout())
            FitButtonText(button);
    }
}

} // namespace mienlore
