#include "shell/ui/TipDayDlg.h"

#include "shell/Lang.h"
#include "shell/Params.h"
#include "shell/ui/DialogTranslator.h"
#include "shell/ui/WebPaneLoader.h"
#include "shell/ui/WidgetPlacement.h"
#include "webpane/WebPaneInterface.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace mienlore {

CTipDayDlg::RunState& CTipDayDlg::Run() {
    static RunState state;
    return state;
}

CTipDayDlg::CTipDayDlg(TipsParams& tips, const CLang& lang, std::filesystem::path programFolder,
                       QWidget* parent)
    : QDialog(parent), m_tips(tips), m_lang(lang), m_folder(std::move(programFolder)),
      m_loader(std::make_unique<CWebPaneLoader>(QString::fromStdString(m_folder.string()))) {
    setObjectName(QStringLiteral("tipDayDialog"));
    SetDialogId(this, kDialogId);
    setWindowTitle(QStringLiteral("Tip of the Day"));
    if (m_tips.nextTip < 0 || m_tips.nextTip >= kTipCount)
        m_tips.nextTip = 0; // a stored number from elsewhere

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    if (IWebPane* pane = m_loader->Pane()) {
        m_view = pane->CreatePane(this);
    } else {
        // Without the web view module the tip still reads as plain HTML.
        m_browser = new QTextBrowser(this);
        m_browser->setOpenLinks(false);
        m_view = m_browser;
    }
    SetControlId(m_view, kWebViewId);
    m_view->setMinimumSize(400, 170);
    layout->addWidget(m_view, 1);

    auto* row = new QHBoxLayout;
    m_check = new QCheckBox(QStringLiteral("Show tips at startup"), this);
    SetControlId(m_check, kShowAtStartId);
    m_next = new QPushButton(QStringLiteral("Next Tip"), this);
    SetControlId(m_next, kNextId);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    SetControlId(close, 2);
    close->setDefault(true);
    row->addWidget(m_check, 1);
    row->addWidget(m_next);
    row->addWidget(close);
    layout->addLayout(row);

    connect(m_next, &QPushButton::clicked, this, &CTipDayDlg::NextTip);
    connect(m_check, &QCheckBox::toggled, this, [](bool on) { Run().showAtStart = on; });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    TranslateDialog(m_lang, this, kDialogId);
    m_check->setChecked(Run().showAtStart);
    ShowTip();
}

CTipDayDlg::~CTipDayDlg() = default;

std::filesystem::path CTipDayDlg::TipFile(int n) const {
    const std::string base = m_lang.ReadMainValue("tips", "tip");
    return m_folder / "Tips" / (base + std::to_string(n) + ".htm");
}

void CTipDayDlg::AdvanceTip(TipsParams& tips) {
    tips.nextTip = (tips.nextTip + 1) % kTipCount;
    if (tips.nextTip < 0)
        tips.nextTip = 0;
}

void CTipDayDlg::NextTip() {
    AdvanceTip(m_tips);
    ShowTip();
}

void CTipDayDlg::ShowTip() {
    m_shown = TipFile(m_tips.nextTip);
    const QString path = QString::fromStdString(m_shown.string());
    if (m_browser)
        m_browser->setSource(QUrl::fromLocalFile(path));
    else
        m_loader->Pane()->Navigate(m_view, path);
}

void CTipDayDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_placed)
        return;
    m_placed = true;
    const QPoint remembered = Run().position;
    if (remembered.y() < -9)
        CentreOnOwner(*this);
    else
        move(remembered);
}

void CTipDayDlg::done(int result) {
    Run().position = pos();
    m_tips.showAtStartup = m_check->isChecked() ? 1 : 0;
    QDialog::done(result);
}

void CTipDayDlg::ShowAtStartup(TipsParams& tips, const CLang& lang,
                               const std::filesystem::path& programFolder, QWidget* owner) {
    if (!tips.showAtStartup)
        return;
    CTipDayDlg dlg(tips, lang, programFolder, owner);
    dlg.exec();
    AdvanceTip(tips);
}

void CTipDayDlg::ShowOnDemand(TipsParams& tips, const CLang& lang,
                              const std::filesystem::path& programFolder, QWidget* owner) {
    tips.showAtStartup = 1;
    CTipDayDlg dlg(tips, lang, programFolder, owner);
    dlg.exec();
    AdvanceTip(tips);
}

void CTipDayDlg::ShowKeys(TipsParams& tips, const CLang& lang,
                          const std::filesystem::path& programFolder, QWidget* owner) {
    tips.showAtStartup = 1;
    tips.nextTip = kTipCount - 2;
    CTipDayDlg dlg(tips, lang, programFolder, owner);
    dlg.exec();
    AdvanceTip(tips);
}

} // namespace mienlore
