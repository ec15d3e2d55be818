#include "gallery/ui/PageCoef.h"

#include "resources/OwnStringIds.h"
#include "shell/ui/ButtonTextFit.h"
#include "shell/ui/DialogTranslator.h"
#include "shell/ui/DialogUnits.h"
#include "shell/ui/UiStrings.h"

#include <QLabel>
#include <QPushButton>

namespace mienlore {
namespace {

// Button id and the menu command whose texts it shows.
constexpr int kButtons[3][2] = {{CPageCoef::kFindFaceButton, 2021},
                                {CPageCoef::kFindInGalleryButton, 2022},
                                {CPageCoef::kFindOnMapButton, 2031}};

} // namespace

CPageCoef::CPageCoef(const DialogUnits& units, QWidget* parent) : QFrame(parent), m_units(units) {
    setObjectName(QStringLiteral("searchBar"));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    for (int i = 0; i < 3; ++i) {
        const int id = kButtons[i][0];
        auto* b = new QPushButton(this);
        b->setObjectName(QStringLiteral("btn%1").arg(id));
        SetControlId(b, id);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QPushButton::clicked, this, [this, id] { emit commandRequested(id); });
        m_buttons[i] = b;
    }
    m_factorCaption = new QLabel(this);
    m_factorCaption->setObjectName(QStringLiteral("findFaceFactorCaption"));
    m_factorCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_factorValue = new QLabel(this);
    m_factorValue->setObjectName(QStringLiteral("findFaceFactor"));
    m_factorValue->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont bold = m_factorValue->font();
    bold.setBold(true);
    m_factorValue->setFont(bold);
    Retranslate();
    SetFactor(0);
    Place();
}

void CPageCoef::Retranslate() {
    for (int i = 0; i < 3; ++i) {
        QString text = ToolTipText(kButtons[i][1]);
        if (text.isEmpty())
            text = StatusText(kButtons[i][1]);
        m_buttons[i]->setText(text);
        m_buttons[i]->setToolTip(StatusText(kButtons[i][1]));
    }
    m_factorCaption->setText(UiString(str::kFindFaceFactor));
}

QPushButton* CPageCoef::Button(int id) const {
    for (int i = 0; i < 3; ++i)
        if (kButtons[i][0] == id)
            return m_buttons[i];
    return nullptr;
}

void CPageCoef::SetFactor(int factor) {
    m_factor = factor;
    m_factorValue->setText(QString::number(factor));
    m_factorCaption->setVisible(factor > 0);
    m_factorValue->setVisible(factor > 0);
}

bool CPageCoef::FactorShown() const {
    return !m_factorValue->isHidden();
}

void CPageCoef::resizeEvent(QResizeEvent*) {
    Place();
}

void CPageCoef::Place() {
    // Three equal buttons across the top, the factor centred below them.
    const int margin = m_units.X(4);
    const int gap = m_units.X(4);
    const int top = m_units.Y(6);
    const int buttonHeight = m_units.Y(14);
    const int buttonWidth = (width() - 2 * margin - 2 * gap) / 3;
    for (int i = 0; i < 3; ++i) {
        m_buttons[i]->setGeometry(margin + i * (buttonWidth + gap), top, buttonWidth, buttonHeight);
        FitButtonText(m_buttons[i]);
    }
    const int rowTop = top + buttonHeight + m_units.Y(6);
    const int rowHeight = m_units.Y(12);
    m_factorCaption->setGeometry(margin, rowTop, width() / 2 - margin, rowHeight);
    m_factorValue->setGeometry(width() / 2 + m_units.X(2), rowTop, width() / 2 - margin, rowHeight);
}

} // namespace mienlore
