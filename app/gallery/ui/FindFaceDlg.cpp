#include "gallery/ui/FindFaceDlg.h"

#include "analysis/PType.h"
#include "analysis/ui/PageFate.h"
#include "gallery/ui/SearchDialogControls.h"
#include "shell/WindowPlacement.h"
#include "shell/ui/DialogTranslator.h"
#include "shell/ui/WidgetPlacement.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace mienlore {
namespace {

QLabel* MakeLabel(QWidget* parent, int id, Qt::Alignment align) {
    auto* l = new QLabel(CPageFate::LabelText(id), parent);
    l->setObjectName(QStringLiteral("lbl%1").arg(id));
    l->setAlignment(align | Qt::AlignVCenter);
    SetControlId(l, id);
    return l;
}

} // namespace

TraitTargets& CFindFaceDlg::StoredTargets() {
    static TraitTargets targets;
    return targets;
}

CFindFaceDlg::CFindFaceDlg(const CLang* lang, const std::filesystem::path& typesFile,
                           WindowPlacement* placement, QWidget* parent)
    : QDialog(parent), m_placement(placement) {
    setObjectName(QStringLiteral("findFaceDlg"));
    setWindowTitle(QStringLiteral("Find Face"));
    SetDialogId(this, kDialogId);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    for (int i = 0; i < kTargetTraitCount; ++i) {
        const int id = TargetTraitId(i);
        auto* check = new QCheckBox(this);
        check->setObjectName(QStringLiteral("chk%1").arg(id + 1));
        SetControlId(check, id + 1);
        auto* slider = new QSlider(Qt::Horizontal, this);
        slider->setObjectName(QStringLiteral("trk%1").arg(id));
        slider->setRange(0, 100);
        slider->setTickInterval(10);
        slider->setTickPosition(QSlider::TicksBelow);
        slider->setPageStep(10);
        slider->setMinimumWidth(140);
        SetControlId(slider, id);
        QLabel* low = MakeLabel(this, id + 2, Qt::AlignRight);
        QLabel* high = nullptr;
        if (!CPageFate::LabelText(id + 4).isEmpty())
            high = MakeLabel(this, id + 4, Qt::AlignLeft);
        m_checks[i] = check;
        m_sliders[i] = slider;
        if (id == 2510) {
            // The trait nobody sees keeps its controls, hidden.
            check->hide();
            slider->hide();
            low->hide();
            continue;
        }
        grid->addWidget(check, i, 0);
        grid->addWidget(low, i, 1);
        grid->addWidget(slider, i, 2);
        if (high)
            grid->addWidget(high, i, 3);
    }
    grid->setColumnStretch(2, 1);

    auto* typeLabel = new QLabel(QStringLiteral("PType"), this);
    SetControlId(typeLabel, kTypeLabelId);
    m_types = new QComboBox(this);
    m_types->setObjectName(QStringLiteral("cmb1047"));
    SetControlId(m_types, kTypeComboId);
    m_types->addItem(QStringLiteral("-"), 0);
    std::vector<CPType> table;
    BuildPTypeTable(table, typesFile);
    for (const CPType& t : table)
        m_types->addItem(QString::fromStdString(t.code + " : " + t.role), t.index + 1);
    connect(m_types, &QComboBox::activated, this,
            [this](int row) { ChooseType(m_types->itemData(row).toInt()); });
    auto* typeRow = new QHBoxLayout;
    typeRow->addWidget(typeLabel);
    typeRow->addWidget(m_types, 1);

    m_progress = MakeSearchProgress(this, kProgressId, 2100, 2170);

    m_help = MakeSearchButton(this, kHelpId, "Help");
    m_default = MakeSearchButton(this, kDefaultId, "Default");
    m_start = MakeSearchButton(this, kStartId, "Start");
    m_close = MakeSearchButton(this, kCloseId, "Close");
    m_start->setDefault(true);
    m_help->setEnabled(false);
    connect(m_help, &QPushButton::clicked, this, [this] {
        if (m_helpRun)
            m_helpRun(kHelpTopic);
    });
    connect(m_default, &QPushButton::clicked, this, [this] { ShowTargets(TraitTargets()); });
    connect(m_start, &QPushButton::clicked, this, [this] { Start(); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_help);
    buttons->addStretch(1);
    buttons->addWidget(m_default);
    buttons->addWidget(m_start);
    buttons->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(4);
    layout->addLayout(typeRow);
    layout->addWidget(m_progress);
    layout->addLayout(buttons);

    if (lang)
        TranslateDialog(*lang, this, kDialogId);
    ShowTargets(StoredTargets());
    if (m_placement && m_placement->valid)
        RestoreWidgetPlacement(*this, *m_placement, false);
}

void CFindFaceDlg::SetHelp(std::function<void(int)> help) {
    m_helpRun = std::move(help);
    m_help->setEnabled(static_cast<bool>(m_helpRun) && !m_searching);
}

QCheckBox* CFindFaceDlg::Check(int id) const {
    const int i = TargetTraitIndex(id);
    return i < 0 ? nullptr : m_checks[i];
}

QSlider* CFindFaceDlg::Slider(int id) const {
    const int i = TargetTraitIndex(id);
    return i < 0 ? nullptr : m_sliders[i];
}

QPushButton* CFindFaceDlg::Button(int id) const {
    switch (id) {
    case kHelpId:
        return m_help;
    case kDefaultId:
        return m_default;
    case kStartId:
        return m_start;
    case kCloseId:
        return m_close;
    default:
        return nullptr;
    }
}

void CFindFaceDlg::ShowTargets(const TraitTargets& targets) {
    for (int i = 0; i < kTargetTraitCount; ++i) {
        m_sliders[i]->setValue(targets.position[i]);
        m_checks[i]->setChecked(targets.ticked[i]);
    }
}

TraitTargets CFindFaceDlg::ControlTargets() const {
    TraitTargets targets;
    for (int i = 0; i < kTargetTraitCount; ++i) {
        targets.position[i] = m_sliders[i]->value();
        targets.ticked[i] = m_checks[i]->isChecked();
    }
    return targets;
}

void CFindFaceDlg::ChooseType(int selection) {
    const int row = m_types->findData(selection);
    if (row >= 0 && row != m_types->currentIndex())
        m_types->setCurrentIndex(row);
    ShowTargets(PresetTargets(selection - 1));
}

void CFindFaceDlg::EnableButtons(bool on) {
    m_help->setEnabled(on && m_helpRun);
    m_default->setEnabled(on);
    m_close->setEnabled(on);
}

bool CFindFaceDlg::Start() {
    if (m_searching)
        return false;
    StoredTargets() = ControlTargets();
    const PreparedTargets prepared = PrepareTargets(StoredTargets());
    if (!prepared.CanStart() || !m_run)
        return false;
    m_searching = true;
    EnableButtons(false);
    m_start->setEnabled(false);
    m_progress->setRange(2100, 2170);
    TraitSearchProgress progress;
    progress.slotStarted = [this](int slotId) {
        m_progress->setValue(slotId);
        m_progress->repaint();
    };
    m_run(prepared, progress);
    m_progress->setValue(2100);
    m_start->setEnabled(true);
    EnableButtons(true);
    m_searching = false;
    return true;
}

void CFindFaceDlg::closeEvent(QCloseEvent* event) {
    // No closing in the middle of a search.
    if (m_searching) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void CFindFaceDlg::done(int result) {
    if (m_searching)
        return;
    if (m_placement)
        *m_placement = CaptureWidgetPlacement(*this);
    QDialog::done(result);
}

} // namespace mienlore
