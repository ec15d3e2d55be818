#include "analysis/ui/PageFate.h"

#include "analysis/FateFrame.h"
#include "analysis/ui/FateHist.h"
#include "analysis/ui/FateTemper.h"
#include "shell/ui/CommandIds.h"
#include "shell/ui/DialogUnits.h"
#include "shell/ui/UiStrings.h"

#include <QLabel>
#include <QPainter>
#include <QToolButton>

namespace mienlore {
namespace {

struct LabelDef {
    int id;
    const char* text;
};

// The page's label texts by control id.
constexpr LabelDef kLabels[] = {
    {2522, "Sex activity"}, {2532, "Introvert"},       {2534, "Extrovert"},
    {2542, "Depression"},   {2544, "Activity"},        {2552, "Conformism"},
    {2554, "Adventurism"},  {2562, "Egoism"},          {2564, "Altruism"},
    {2572, "Philanthropy"}, {2574, "Hostility"},       {2582, "Optimism"},
    {2584, "Pessimism"},    {2592, "Self-confidence"}, {2622, "Will power"},
    {2632, "Laziness"},     {2634, "Diligence"},       {2642, "Intellect"},
    {2652, "Humor"},        {2662, "Lucky"},           {2672, "Slyness"},
    {2674, "Honesty"},      {2690, "Phlegmatic"},      {2692, "Sanguine "},
    {2694, "Choleric"},     {2696, "Melancholy"},      {2802, "Confidence factor"},
};

QPixmap MenPixmap(bool male, int scale) {
    QPixmap pm(20 * scale, 20 * scale);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    const QColor ink = male ? QColor(30, 80, 190) : QColor(190, 40, 110);
    p.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    if (male) {
        p.drawEllipse(QPointF(8, 12), 5, 5);
        p.drawLine(QPointF(11.5, 8.5), QPointF(17, 3));
        p.drawLine(QPointF(12, 3), QPointF(17, 3));
        p.drawLine(QPointF(17, 3), QPointF(17, 8));
    } else {
        p.drawEllipse(QPointF(10, 7.5), 5, 5);
        p.drawLine(QPointF(10, 12.5), QPointF(10, 19));
        p.drawLine(QPointF(6.5, 16), QPointF(13.5, 16));
    }
    p.end();
    pm.setDevicePixelRatio(scale);
    return pm;
}

QIcon MenIcon(bool male) {
    QIcon icon;
    icon.addPixmap(MenPixmap(male, 1));
    icon.addPixmap(MenPixmap(male, 2));
    return icon;
}

} // namespace

const std::array<CPageFate::BarDef, 12>& CPageFate::Bars() {
    static const std::array<BarDef, 12> bars = {{
        {2580, true},
        {2550, true},
        {2560, true},
        {2570, true},
        {2630, true},
        {2670, true},
        {2640, false},
        {2590, false},
        {2620, false},
        {2650, false},
        {2660, false},
        {2520, false},
    }};
    return bars;
}

QString CPageFate::LabelText(int id) {
    for (const LabelDef& l : kLabels)
        if (l.id == id)
            return QString::fromUtf8(l.text);
    return {};
}

CPageFate::CPageFate(const DialogUnits& du, QWidget* parent)
    : QWidget(parent), m_colours(&DefaultFateColours) {
    setObjectName(QStringLiteral("pageFate"));

    m_men = new QToolButton(this);
    m_men->setObjectName(QStringLiteral("ctl2000"));
    m_men->setProperty("ctrlId", cmd::kMenWomen);
    m_men->setGeometry(du.Rect(3, 3, 22, 24));
    m_men->setIconSize(QSize(20, 20));
    m_men->setIcon(MenIcon(true));
    m_men->setToolTip(UiString(cmd::kMenWomen));
    m_men->setFocusPolicy(Qt::NoFocus);
    connect(m_men, &QToolButton::clicked, this, &CPageFate::maleToggled);

    QFont big = font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.25);
    m_temperName = MakeLabel(0, {}, du.Rect(29, 2, 104, 13), Qt::AlignLeft | Qt::AlignVCenter);
    m_temperName->setObjectName(QStringLiteral("temperName"));
    m_temperName->setFont(big);
    m_profession = MakeLabel(2700, {}, du.Rect(29, 15, 104, 11), Qt::AlignLeft | Qt::AlignVCenter);
    MakeLabel(2802, LabelText(2802), du.Rect(124, 2, 67, 10), Qt::AlignRight | Qt::AlignVCenter);
    m_confidence = MakeLabel(0, {}, du.Rect(124, 12, 67, 14), Qt::AlignRight | Qt::AlignVCenter);
    m_confidence->setObjectName(QStringLiteral("confidence"));
    m_confidence->setFont(big);

    // The temperament diagram with its axis and quadrant labels.
    MakeLabel(2534, LabelText(2534), du.Rect(47, 31, 100, 9), Qt::AlignCenter);
    MakeLabel(2694, LabelText(2694), du.Rect(2, 40, 52, 9), Qt::AlignLeft | Qt::AlignVCenter);
    MakeLabel(2692, LabelText(2692), du.Rect(140, 40, 52, 9), Qt::AlignRight | Qt::AlignVCenter);
    MakeLabel(2542, LabelText(2542), du.Rect(2, 74, 52, 10), Qt::AlignRight | Qt::AlignVCenter);
    MakeLabel(2544, LabelText(2544), du.Rect(140, 74, 52, 10), Qt::AlignLeft | Qt::AlignVCenter);
    MakeLabel(2696, LabelText(2696), du.Rect(2, 109, 52, 9), Qt::AlignLeft | Qt::AlignVCenter);
    MakeLabel(2690, LabelText(2690), du.Rect(140, 109, 52, 9), Qt::AlignRight | Qt::AlignVCenter);
    MakeLabel(2532, LabelText(2532), du.Rect(47, 118, 100, 9), Qt::AlignCenter);
    m_temper = new CFateTemper(this);
    m_temper->setProperty("ctrlId", 2680);
    m_temper->setGeometry(du.Rect(55, 40, 84, 78));

    m_summary = MakeLabel(0, {}, du.Rect(4, 128, 186, 19), Qt::AlignCenter);
    m_summary->setObjectName(QStringLiteral("summary"));
    m_summary->setWordWrap(true);
    QFont italic = font();
    italic.setItalic(true);
    m_summary->setFont(italic);

    int y = 150;
    for (const BarDef& def : Bars()) {
        if (!def.twoSided && y < 214)
            y = 214; // a small gap between the two groups
        auto* bar = new CFateHist(def.indicator, def.twoSided, this);
        bar->setProperty("ctrlId", def.indicator);
        bar->setGeometry(du.Rect(60, y, 74, 9));
        m_bars[def.indicator] = bar;
        MakeLabel(def.indicator + 2, LabelText(def.indicator + 2), du.Rect(2, y, 56, 9),
                  Qt::AlignRight | Qt::AlignVCenter);
        if (def.twoSided)
            MakeLabel(def.indicator + 4, LabelText(def.indicator + 4), du.Rect(136, y, 56, 9),
                      Qt::AlignLeft | Qt::AlignVCenter);
        else
            MakeLabel(def.indicator + 4, {}, du.Rect(136, y, 56, 9),
                      Qt::AlignLeft | Qt::AlignVCenter);
        y += 10;
    }
    ApplyLabelColours();
}

QLabel* CPageFate::MakeLabel(int id, const QString& text, QRect rect, Qt::Alignment align) {
    auto* l = new QLabel(text, this);
    l->setGeometry(rect);
    l->setAlignment(align);
    if (id != 0) {
        l->setProperty("ctrlId", id);
        l->setObjectName(QStringLiteral("ctl%1").arg(id));
        m_labels[id] = l;
    }
    return l;
}

CFateHist* CPageFate::Bar(int indicator) const {
    const auto it = m_bars.find(indicator);
    return it == m_bars.end() ? nullptr : it->second;
}

QLabel* CPageFate::Label(int id) const {
    const auto it = m_labels.find(id);
    return it == m_labels.end() ? nullptr : it->second;
}

void CPageFate::SetTraitValue(int indicator, int value) {
    CFateHist* bar = Bar(indicator);
    if (!bar)
        return;
    bar->SetValue(value);
    if (!bar->IsTwoSided())
        if (QLabel* l = Label(indicator + 4))
            l->setText(value < 0 ? QString() : QStringLiteral("%1 %").arg(bar->Value()));
}

void CPageFate::SetTemperPoint(int x, int y) {
    m_temper->SetPoint(x, y);
}
void CPageFate::SetTemperament(const QString& name) {
    m_temperName->setText(name);
}
void CPageFate::SetProfession(const QString& name) {
    m_profession->setText(name);
}
void CPageFate::SetConfidence(int percent) {
    m_confidence->setText(QString::number(percent) + QLatin1Char('%'));
}
void CPageFate::SetSummary(const QString& summary) {
    m_summary->setText(summary);
}

void CPageFate::SetMale(bool male) {
    m_male = male;
    m_men->setIcon(MenIcon(male));
}

void CPageFate::Refresh(const CFateFrame& fate, const QString& summary) {
    for (const BarDef& def : Bars()) {
        const CFateFrame::Indicator ind = fate.GetIndicator(def.indicator);
        if (ind.changed || Bar(def.indicator)->Value() < 0)
            SetTraitValue(def.indicator, ind.value);
    }
    const CFateFrame::Indicator ener = fate.GetIndicator(2540);
    const CFateFrame::Indicator acti = fate.GetIndicator(2530);
    if (ener.changed || acti.changed || m_temper->X() < 0)
        SetTemperPoint(ener.value, acti.value);
    SetProfession(QString::fromStdString(fate.ProfessionName()));
    SetTemperament(QString::fromStdString(fate.TemperamentName()));
    SetConfidence(fate.GetIndicator(2800).value);
    SetSummary(summary);
    SetMale(fate.IsMale());
}

QString CPageFate::TemperamentText() const {
    return m_temperName->text();
}
QString CPageFate::ProfessionText() const {
    return m_profession->text();
}
QString CPageFate::ConfidenceText() const {
    return m_confidence->text();
}
QString CPageFate::SummaryText() const {
    return m_summary->text();
}

void CPageFate::SetColourSource(std::function<FateColours()> source) {
    m_colours = source ? std::move(source) : std::function<FateColours()>(&DefaultFateColours);
    for (auto& [id, bar] : m_bars)
        bar->SetColourSource(m_colours);
    m_temper->SetColourSource(m_colours);
    ApplyLabelColours();
    update();
}

void CPageFate::RefreshColours() {
    ApplyLabelColours();
    for (auto& [id, bar] : m_bars)
        bar->update();
    m_temper->update();
    update();
}

void CPageFate::ApplyLabelColours() {
    const FateColours c = m_colours();
    for (QLabel* l : findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, c.text);
        l->setPalette(pal);
    }
}

void CPageFate::paintEvent(QPaintEvent*) {
    const FateColours c = m_colours();
    QPainter p(this);
    // The page ground: the grid colour, softened towards the bars' window
    // colour so that the bars and the diagram stand out.
    QColor ground = c.grid;
    ground = QColor((ground.red() * 7 + c.background.red()) / 8,
                    (ground.green() * 7 + c.background.green()) / 8,
                    (ground.blue() * 7 + c.background.blue()) / 8);
    p.fillRect(rect(), ground);
}

} // namespace mienlore
