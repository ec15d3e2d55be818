#include "shell/ui/PageDesc.h"

#include "shell/ui/CommandIds.h"
#include "shell/ui/DialogUnits.h"
#include "shell/ui/ToolbarIcons.h"
#include "shell/ui/UiStrings.h"

#include <QToolButton>

namespace mienlore {
namespace {

struct ButtonDef {
    int id;
    const char* text;
    int command; // page id for page buttons, frame command otherwise
    bool page;
};

constexpr ButtonDef kButtons[] = {
    {cmd::kPagePict, "Pict", cmd::kPagePict, true},
    {cmd::kPageHist, "Hist", cmd::kPageHist, true},
    {cmd::kPageText, "Text", cmd::kPageText, true},
    {cmd::kPageType, "PType", cmd::kPageType, true},
    {cmd::kPageBarPrint, "Print", cmd::kFilePrint, false},
    {cmd::kPageBarWeb, "Web", cmd::kSaveWebPage, false},
    {cmd::kPageBarProps, "Prop", cmd::kOptions, false},
};

} // namespace

CPageDesc::CPageDesc(const DialogUnits& du, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pageDesc"));
    // Seven buttons across the bar, the page buttons first.
    constexpr int kWidth = 26;
    constexpr int kGap = 1;
    int x = 2;
    for (const ButtonDef& def : kButtons) {
        auto* b = new QToolButton(this);
        b->setObjectName(QStringLiteral("ctl%1").arg(def.id));
        b->setProperty("ctrlId", def.id);
        b->setText(QString::fromLatin1(def.text));
        b->setIcon(CommandIcon(def.command));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setFocusPolicy(Qt::NoFocus);
        b->setGeometry(du.Rect(x, 1, kWidth, 22));
        const QString tip = ToolTipText(def.command);
        b->setToolTip(tip.isEmpty() ? StatusText(def.command) : tip);
        x += kWidth + kGap + (def.id == cmd::kPageType ? 4 : 0);
        const int command = def.command;
        if (def.page) {
            b->setCheckable(true);
            connect(b, &QToolButton::clicked, this, [this, command, b] {
                b->setChecked(!b->isChecked()); // the view decides the look
                emit pageRequested(command);
            });
        } else {
            connect(b, &QToolButton::clicked, this,
                    [this, command] { emit commandRequested(command); });
        }
    }
}

QToolButton* CPageDesc::Button(int id) const {
    return findChild<QToolButton*>(QStringLiteral("ctl%1").arg(id), Qt::FindDirectChildrenOnly);
}

void CPageDesc::ShowActive(int pageId) {
    for (int id : kPageIds)
        if (QToolButton* b = Button(id))
            b->setChecked(id == pageId);
}

} // namespace mienlore
