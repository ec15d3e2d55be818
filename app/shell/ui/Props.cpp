#include "shell/ui/Props.h"

#include "resources/OwnStringIds.h"
#include "shell/Lang.h"
#include "shell/Params.h"
#include "shell/ui/PropPages.h"
#include "shell/ui/UiStrings.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace mienlore {
namespace {

constexpr unsigned kOptionsCaption = 32782;

} // namespace

CProps::CProps(CParams& params, CLang& lang, ISettingsStore& store, QWidget* parent)
    : QDialog(parent), m_params(params), m_lang(lang), m_store(store) {
    const std::string caption = lang.LoadString(kOptionsCaption);
    setWindowTitle(QString::fromStdString(caption));

    m_tabs = new QTabWidget(this);
    m_face = new CPagePropFace(params, lang);
    m_fate = new CPagePropFate(params, lang);
    m_misc = new CPagePropMisc(lang);
    for (CPropPage* page : {static_cast<CPropPage*>(m_face), static_cast<CPropPage*>(m_fate),
                            static_cast<CPropPage*>(m_misc)})
        AddPage(page);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                                         QDialogButtonBox::Apply | QDialogButtonBox::Help,
                                     this);
    m_buttons->button(QDialogButtonBox::Cancel)->setText(UiString(str::kCancelButton));
    m_buttons->button(QDialogButtonBox::Apply)->setText(UiString(str::kApplyButton));
    m_buttons->button(QDialogButtonBox::Help)->setText(UiString(str::kHelpButton));
    m_buttons->button(QDialogButtonBox::Apply)->setEnabled(false);
    connect(m_buttons, &QDialogButtonBox::helpRequested, this, &CProps::helpRequested);
    connect(m_buttons, &QDialogButtonBox::accepted, this, [this] {
        ApplyChanges();
        accept();
    });
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_buttons->button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
            &CProps::ApplyChanges);

    connect(m_face, &CPropPage::applied, this, &CProps::faceSettingsApplied);
    connect(m_fate, &CPropPage::applied, this, &CProps::fateSettingsApplied);
    connect(m_misc, &CPagePropMisc::languageChanged, this, [this] {
        const int i = m_tabs->indexOf(m_misc);
        m_tabs->setTabText(i, m_misc->TabTitle());
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(m_buttons);
}

void CProps::AddPage(CPropPage* page) {
    m_tabs->addTab(page, page->TabTitle());
    connect(page, &CPropPage::changed, this, [this, page] { MarkChanged(page); });
}

void CProps::MarkChanged(CPropPage* page) {
    if (std::find(m_changed.begin(), m_changed.end(), page) == m_changed.end())
        m_changed.push_back(page);
    m_buttons->button(QDialogButtonBox::Apply)->setEnabled(true);
}

void CProps::ApplyChanges() {
    // In page order, so that the face settings are in place before the
    // diagram repaints.
    for (CPropPage* page : {static_cast<CPropPage*>(m_face), static_cast<CPropPage*>(m_fate),
                            static_cast<CPropPage*>(m_misc)})
        if (std::find(m_changed.begin(), m_changed.end(), page) != m_changed.end())
            page->Apply();
    m_changed.clear();
    m_buttons->button(QDialogButtonBox::Apply)->setEnabled(false);
}

bool CProps::LanguageChanged() const {
    return m_misc->LanguageChanged();
}

void CProps::done(int result) {
    // Whatever closed the sheet, the settings are written now.
    m_saved = m_params.Save(m_store, &m_lang);
    if (!m_saved)
        emit saveFailed(QStringLiteral("The settings could not be saved."));
    QDialog::done(result);
}

} // namespace mienlore
