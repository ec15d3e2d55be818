#include "files/ui/InputNameDlg.h"

#include "shell/ui/DialogTranslator.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace mienlore {

CInputNameDlg::CInputNameDlg(const CLang* lang, QWidget* parent, bool showSaveImage)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Save File as"));
    m_prompt = new QLabel(QStringLiteral("Enter the name"), this);
    SetStaticTextId(m_prompt);
    m_name = new QLineEdit(QStringLiteral("Noname"), this);
    m_name->setMaxLength(kMaxNameChars);
    SetControlId(m_name, kNameId);
    m_saveImage = new QCheckBox(QStringLiteral("Save image"), this);
    m_saveImage->setVisible(showSaveImage);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    SetControlId(buttons->button(QDialogButtonBox::Ok), 1);
    SetControlId(buttons->button(QDialogButtonBox::Cancel), 2);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_prompt);
    layout->addWidget(m_name);
    layout->addWidget(m_saveImage);
    layout->addWidget(buttons);
    setMinimumWidth(260);

    if (lang)
        TranslateDialog(*lang, this, kDialogId);
    m_name->selectAll();
}

QString CInputNameDlg::Name() const {
    return m_name->text().left(kMaxNameChars);
}

void CInputNameDlg::SetName(const QString& name) {
    m_name->setText(name);
}

bool CInputNameDlg::SaveImage() const {
    return m_saveImage->isVisible() && m_saveImage->isChecked();
}

} // namespace mienlore
