#include "shell/ui/PropPages.h"

#include "resources/OwnStringIds.h"
#include "shell/ColourPalette.h"
#include "shell/Params.h"
#include "shell/ui/ColorButton.h"
#include "shell/ui/DialogTranslator.h"
#include "shell/ui/UiStrings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace mienlore {
namespace {

constexpr int kDefaultId = 1110;

QLabel* Caption(int controlId, QWidget* parent) {
    auto* label = new QLabel(parent);
    // The caption shares the id of the control it names, so the language
    // file translates it under that id.
    SetControlId(label, controlId);
    return label;
}

// A colour button over a field: its automatic colour is the field's default.
void ShowColour(CColorButton* button, Colour value, Colour automatic) {
    button->SetAutomaticColour(automatic);
    if (value == automatic)
        button->SetAutomatic();
    else
        button->SetColour(value);
}

// The settings at the top of a page, its "Default" button at the bottom right.
void LayOutPage(QWidget* page, QLayout* top, QPushButton* defaults) {
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(defaults);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addStretch();
    layout->addLayout(bottom);
}

} // namespace

CPropPage::CPropPage(int dialogId, CLang& lang, QWidget* parent)
    : QWidget(parent), m_lang(lang), m_dialogId(dialogId) {
    SetDialogId(this, dialogId);
}

QString CPropPage::TabTitle() const {
    return TranslatedPageTitle(m_lang, m_dialogId, BaseTitle());
}

void CPropPage::Retranslate() {
    SetBaseTexts();
    TranslateDialog(m_lang, this, m_dialogId);
}

// ---------------------------------------------------------------- Face

CPagePropFace::CPagePropFace(CParams& params, CLang& lang, QWidget* parent)
    : CPropPage(172, lang, parent), m_params(params) {
    m_smooth = new QComboBox(this);
    SetControlId(m_smooth, 1033);
    for (const char* name : FilterLevelNames())
        m_smooth->addItem(QString::fromUtf8(name));
    m_faceColour = new QComboBox(this);
    SetControlId(m_faceColour, 1038);
    for (const NamedColour& c : FaceColourChoices()) {
        QPixmap swatch(12, 12);
        swatch.fill(ToQColor(c.colour));
        m_faceColour->addItem(QIcon(swatch), QString::fromUtf8(c.name));
    }
    m_info = new QCheckBox(this);
    SetControlId(m_info, 1070);
    m_fill = new QCheckBox(this);
    SetControlId(m_fill, 1071);
    m_tooltips = new QCheckBox(this);
    SetControlId(m_tooltips, 1055);
    m_infoColour = new CColorButton(this);
    SetControlId(m_infoColour, 1202);
    m_fillColour = new CColorButton(this);
    SetControlId(m_fillColour, 1222);
    m_smoothLabel = Caption(1033, this);
    m_faceLabel = Caption(1038, this);
    m_infoLabel = Caption(1202, this);
    m_fillLabel = Caption(1222, this);
    m_default = new QPushButton(this);
    SetControlId(m_default, kDefaultId);

    auto* grid = new QGridLayout;
    grid->addWidget(m_smoothLabel, 0, 0);
    grid->addWidget(m_smooth, 0, 1);
    grid->addWidget(m_faceLabel, 1, 0);
    grid->addWidget(m_faceColour, 1, 1);
    grid->addWidget(m_infoLabel, 2, 0);
    grid->addWidget(m_infoColour, 2, 1, Qt::AlignLeft);
    grid->addWidget(m_fillLabel, 3, 0);
    grid->addWidget(m_fillColour, 3, 1, Qt::AlignLeft);
    grid->setColumnStretch(2, 1);
    auto* checks = new QVBoxLayout;
    checks->addWidget(m_info);
    checks->addWidget(m_fill);
    checks->addWidget(m_tooltips);
    checks->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(grid, 1);
    top->addSpacing(16);
    top->addLayout(checks);
    LayOutPage(this, top, m_default);

    const CFaceParams defaults;
    m_smooth->setCurrentIndex(
        params.face.filter >= 0 && params.face.filter < kFilterLevels ? params.face.filter : 0);
    m_faceColour->setCurrentIndex(FaceColourChoice(params.face.faceColour));
    m_info->setChecked(params.face.showInfo != 0);
    m_fill->setChecked(params.face.gradientFill != 0);
    m_tooltips->setChecked(params.face.tooltips != 0);
    ShowColour(m_infoColour, params.face.infoColour, defaults.infoColour);
    ShowColour(m_fillColour, params.face.fillColour, defaults.fillColour);
    Retranslate();

    connect(m_smooth, &QComboBox::activated, this, &CPropPage::changed);
    connect(m_faceColour, &QComboBox::activated, this, &CPropPage::changed);
    for (QCheckBox* box : {m_info, m_fill, m_tooltips})
        connect(box, &QCheckBox::clicked, this, &CPropPage::changed);
    for (CColorButton* b : {m_infoColour, m_fillColour})
        connect(b, &CColorButton::colourChanged, this, &CPropPage::changed);
    connect(m_default, &QPushButton::clicked, this, &CPagePropFace::Defaults);
}

void CPagePropFace::SetBaseTexts() {
    m_smoothLabel->setText(UiString(str::kSmoothLabel));
    m_faceLabel->setText(UiString(str::kFaceColourLabel));
    m_infoLabel->setText(QStringLiteral("Color Info"));
    m_fillLabel->setText(QStringLiteral("Color Fill"));
    m_info->setText(QStringLiteral("Information"));
    m_fill->setText(QStringLiteral("Gradient fill"));
    m_tooltips->setText(QStringLiteral("Tooltips"));
    m_default->setText(QStringLiteral("Default"));
}

void CPagePropFace::Defaults() {
    // The check boxes stay as they are.
    m_infoColour->SetAutomatic();
    m_fillColour->SetAutomatic();
    m_smooth->setCurrentIndex(0);
    m_faceColour->setCurrentIndex(0);
    emit changed();
}

void CPagePropFace::Apply() {
    CFaceParams& face = m_params.face;
    face.filter = m_smooth->currentIndex() >= 0 ? m_smooth->currentIndex() : face.filter;
    face.infoColour = m_infoColour->CurrentColour();
    face.fillColour = m_fillColour->CurrentColour();
    const int choice = m_faceColour->currentIndex();
    if (choice >= 0 && choice < static_cast<int>(FaceColourChoices().size()))
        face.faceColour = FaceColourChoices()[choice].colour;
    face.showInfo = m_info->isChecked() ? 1 : 0;
    face.gradientFill = m_fill->isChecked() ? 1 : 0;
    face.tooltips = m_tooltips->isChecked() ? 1 : 0;
    emit applied();
}

// ---------------------------------------------------------------- Fate

CPagePropFate::CPagePropFate(CParams& params, CLang& lang, QWidget* parent)
    : CPropPage(171, lang, parent), m_params(params) {
    const CFateParams defaults;
    const CFateParams& now = params.fate;
    const struct {
        int id;
        const char* label;
        Colour value;
        Colour automatic;
    } rows[] = {
        {1080, "Diagram", now.lineColour, defaults.lineColour},
        {1083, "Background", now.windowColour, defaults.windowColour},
        {1086, "Text", now.textColour, defaults.textColour},
        {1102, "Min", now.minColour, defaults.minColour},
        {1104, "Max", now.maxColour, defaults.maxColour},
    };
    auto* grid = new QGridLayout;
    int r = 0;
    for (const auto& row : rows) {
        auto* button = new CColorButton(this);
        SetControlId(button, row.id);
        ShowColour(button, row.value, row.automatic);
        QLabel* caption = Caption(row.id, this);
        grid->addWidget(caption, r, 0);
        grid->addWidget(button, r, 1, Qt::AlignLeft);
        ++r;
        m_rows.push_back({row.id, row.label, button, caption});
        connect(button, &CColorButton::colourChanged, this, &CPropPage::changed);
    }
    grid->setColumnStretch(2, 1);

    auto* styleBox = new QGroupBox(this);
    m_black = new QRadioButton(styleBox);
    SetControlId(m_black, 1021);
    m_white = new QRadioButton(styleBox);
    SetControlId(m_white, 1022);
    auto* styleLayout = new QVBoxLayout(styleBox);
    styleLayout->addWidget(m_black);
    styleLayout->addWidget(m_white);
    (now.style == kStyleWhite ? m_white : m_black)->setChecked(true);
    for (QRadioButton* radio : {m_black, m_white})
        connect(radio, &QRadioButton::clicked, this, &CPropPage::changed);

    m_default = new QPushButton(this);
    SetControlId(m_default, kDefaultId);
    connect(m_default, &QPushButton::clicked, this, [this] {
        for (Row& row : m_rows)
            row.button->SetAutomatic();
        (CFateParams{}.style == kStyleWhite ? m_white : m_black)->setChecked(true);
        emit changed();
    });

    auto* top = new QHBoxLayout;
    top->addLayout(grid, 1);
    top->addSpacing(16);
    auto* side = new QVBoxLayout;
    side->addWidget(styleBox);
    side->addStretch();
    top->addLayout(side);
    LayOutPage(this, top, m_default);
    Retranslate();
}

void CPagePropFate::SetBaseTexts() {
    for (Row& row : m_rows)
        row.caption->setText(QString::fromUtf8(row.label));
    m_black->setText(QStringLiteral("Black"));
    m_white->setText(QStringLiteral("White"));
    m_default->setText(QStringLiteral("Default"));
}

CColorButton* CPagePropFate::ColourButton(int controlId) const {
    for (const Row& row : m_rows)
        if (row.id == controlId)
            return row.button;
    return nullptr;
}

void CPagePropFate::Apply() {
    CFateParams& fate = m_params.fate;
    fate.lineColour = ColourButton(1080)->CurrentColour();
    fate.windowColour = ColourButton(1083)->CurrentColour();
    fate.textColour = ColourButton(1086)->CurrentColour();
    fate.minColour = ColourButton(1102)->CurrentColour();
    fate.maxColour = ColourButton(1104)->CurrentColour();
    fate.style = m_white->isChecked() ? kStyleWhite : kStyleBlack;
    emit applied();
}

// ---------------------------------------------------------------- Misc

CPagePropMisc::CPagePropMisc(CLang& lang, QWidget* parent) : CPropPage(173, lang, parent) {
    m_languageLabel = Caption(1053, this);
    m_languages = new QComboBox(this);
    SetControlId(m_languages, 1053);
    m_note = new QLabel(this);
    SetStaticTextId(m_note);
    m_note->setWordWrap(true);

    int current = lang.ListLanguages(m_entries);
    // The active file is a copy: show the entry that carries its name.
    for (int i = 0; current < 0 && i < static_cast<int>(m_entries.size()); ++i)
        if (m_entries[i].name == lang.Current().name)
            current = i;
    // No language file chosen (or one that is gone): the texts are the
    // built-in English ones.
    for (int i = 0; current < 0 && i < static_cast<int>(m_entries.size()); ++i)
        if (QString::fromStdString(m_entries[i].name)
                .compare(QStringLiteral("English"), Qt::CaseInsensitive) == 0)
            current = i;
    for (const LangEntry& e : m_entries)
        m_languages->addItem(QString::fromStdString(e.name));
    m_languages->setCurrentIndex(current);

    auto* row = new QHBoxLayout;
    row->addWidget(m_languageLabel);
    row->addWidget(m_languages, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(m_note);
    layout->addStretch();
    Retranslate();

    connect(m_languages, &QComboBox::activated, this, [this] {
        SelectChosen();
        emit changed();
    });
}

void CPagePropMisc::SetBaseTexts() {
    m_languageLabel->setText(UiString(str::kLanguageLabel));
    m_note->setText(UiString(str::kRestartNote));
}

void CPagePropMisc::SelectChosen() {
    const int i = m_languages->currentIndex();
    if (i < 0 || i >= static_cast<int>(m_entries.size()))
        return;
    const std::filesystem::path& chosen = m_entries[i].path;
    if (chosen == m_lang.CurrentLanguagePath())
        return;
    // A failed copy over the active language file leaves the texts as they
    // were, and the next start keeps the language that file holds: the user
    // is told.
    const WriteResult copied = m_lang.SelectLanguage(chosen);
    if (!copied) {
        QMessageBox::warning(this, window()->windowTitle(),
                             QStringLiteral("The language file %1 could not be copied to %2: %3")
                                 .arg(QString::fromStdString(chosen.string()),
                                      QString::fromStdString(m_lang.FilePath().string()),
                                      QString::fromStdString(copied.error)));
    }
    m_changedLanguage = true;
    Retranslate();
    emit languageChanged();
}

void CPagePropMisc::Apply() {
    SelectChosen();
    emit applied();
}

} // namespace mienlore
