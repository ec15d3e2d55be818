#include "shell/ui/WaitDlg.h"

#include "shell/ui/DialogTranslator.h"
#include "shell/ui/WidgetPlacement.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QTimer>
#include <QVBoxLayout>

namespace mienlore {

CWaitDlg::CWaitDlg(std::function<void()> job, QWidget* parent)
    : QDialog(parent), m_job(std::move(job)) {
    setObjectName(QStringLiteral("waitDialog"));
    SetDialogId(this, kDialogId);
    setWindowTitle(QStringLiteral("Mienlore"));
    setWindowFlags((windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint) &
                   ~(Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint));
    setModal(true);

    m_text = new QLabel(QStringLiteral("Please wait..."), this);
    m_text->setObjectName(QStringLiteral("waitText"));
    SetControlId(m_text, kTextId);
    m_text->setAlignment(Qt::AlignCenter);
    m_text->setAutoFillBackground(true);
    QPalette pal = m_text->palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    m_text->setPalette(pal);
    m_text->setMinimumSize(220, 48);
    m_text->setFrameShape(QFrame::StyledPanel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(m_text);
    setFixedSize(sizeHint());
}

void CWaitDlg::Translate(const CLang& lang) {
    TranslateDialog(lang, this, kDialogId);
}

void CWaitDlg::reject() {
    if (m_done)
        QDialog::reject();
}

void CWaitDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnOwner(*this);
    if (!m_started) {
        m_started = true;
        QTimer::singleShot(kDelayMs, this, &CWaitDlg::RunJob);
    }
}

void CWaitDlg::RunJob() {
    if (m_job)
        m_job();
    m_done = true;
    done(1);
}

} // namespace mienlore
