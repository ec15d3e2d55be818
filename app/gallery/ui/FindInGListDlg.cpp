#include "gallery/ui/FindInGListDlg.h"

#include "resources/OwnStringIds.h"
#include "shell/Lang.h"
#include "shell/ui/DialogTranslator.h"
#include "shell/ui/UiStrings.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace mienlore {

CFindInGListDlg::CFindInGListDlg(const CLang* lang, QWidget* parent) : QDialog(parent) {
    SetDialogId(this, kDialogId);
    setObjectName(QStringLiteral("dlg%1").arg(kDialogId));
    setWindowTitle(QStringLiteral("Gallery List"));
    setModal(false);

    auto* layout = new QVBoxLayout(this);
    m_list = new QListWidget(this);
    SetControlId(m_list, kListId);
    m_list->setObjectName(QStringLiteral("ctl%1").arg(kListId));
    layout->addWidget(m_list, 1);

    auto* row = new QHBoxLayout;
    m_search = new QLineEdit(this);
    SetControlId(m_search, kSearchId);
    m_search->setObjectName(QStringLiteral("ctl%1").arg(kSearchId));
    m_search->setMaxLength(kMaxSearchChars);
    m_search->setPlaceholderText(UiString(str::kNamePlaceholder));
    m_find = new QPushButton(QStringLiteral("Find"), this);
    SetControlId(m_find, kFindId);
    m_find->setObjectName(QStringLiteral("ctl%1").arg(kFindId));
    m_find->setAutoDefault(false);
    m_find->setDefault(true);
    row->addWidget(m_search, 1);
    row->addWidget(m_find);
    layout->addLayout(row);

    connect(m_find, &QPushButton::clicked, this, [this] { Find(); });
    // Enter in the search field presses the find button, the dialog's default.
    connect(m_list, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { Choose(m_list->row(item)); });
    connect(m_list, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { Choose(m_list->row(item)); });

    resize(260, 360);
    if (lang)
        TranslateDialog(*lang, this, kDialogId);
}

void CFindInGListDlg::SetNames(const std::vector<std::string>& names) {
    m_list->clear();
    for (std::size_t i = 0; i < names.size(); ++i) {
        auto* item = new QListWidgetItem(QString::fromStdString(names[i]), m_list);
        item->setData(Qt::UserRole, static_cast<int>(i));
    }
}

bool CFindInGListDlg::Find() {
    const QString text = m_search->text().left(kMaxSearchChars);
    if (text.isEmpty())
        return false;
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->item(row)->text().contains(text, Qt::CaseInsensitive)) {
            Choose(row);
            return true;
        }
    }
    return false;
}

void CFindInGListDlg::Choose(int row) {
    QListWidgetItem* item = m_list->item(row);
    if (!item)
        return;
    m_list->setCurrentRow(row);
    m_list->scrollToItem(item);
    emit chosen(item->data(Qt::UserRole).toInt());
}

} // namespace mienlore
