#include "gallery/ui/SearchDialogControls.h"

#include "shell/ui/DialogTranslator.h"

#include <QProgressBar>
#include <QPushButton>

namespace mienlore {

QPushButton* MakeSearchButton(QWidget* dialog, int id, const char* text) {
    auto* b = new QPushButton(QString::fromUtf8(text), dialog);
    b->setObjectName(QStringLiteral("btn%1").arg(id));
    b->setAutoDefault(false);
    SetControlId(b, id);
    return b;
}

QProgressBar* MakeSearchProgress(QWidget* dialog, int id, int minimum, int maximum) {
    auto* p = new QProgressBar(dialog);
    p->setObjectName(QStringLiteral("prg%1").arg(id));
    SetControlId(p, id);
    p->setTextVisible(false);
    p->setRange(minimum, maximum);
    p->setValue(minimum);
    return p;
}

} // namespace mienlore
