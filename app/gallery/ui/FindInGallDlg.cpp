#include "gallery/ui/FindInGallDlg.h"

#include "resources/OwnStringIds.h"
#include "shell/ui/DialogTranslator.h"
#include "shell/ui/UiStrings.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QImageReader>
#include <QScrollBar>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace mienlore {

CFindInGallDlg::CFindInGallDlg(const CLang* lang, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("findInGallDlg"));
    setWindowTitle(QStringLiteral("Found in gallery"));
    SetDialogId(this, kDialogId);
    setModal(false);
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("list1044"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setColumnCount(3);
    m_list->setHeaderLabels({UiString(str::kFoundFaceHeader), UiString(str::kFoundLikeHeader),
                             QStringLiteral("   ") + QChar(0x00A0)});
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionsMovable(false);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, [this] {
        const QList<QTreeWidgetItem*> chosen = m_list->selectedItems();
        if (!chosen.isEmpty())
            emit faceChosen(chosen.first()->data(0, Qt::UserRole).toInt());
    });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_list);
    resize(400, 150);
    if (lang)
        TranslateDialog(*lang, this, kDialogId);
}

void CFindInGallDlg::FitColumns() {
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_list);
    const int u = std::max(1, (m_list->width() - scrollBar - 3) / 8);
    m_list->setColumnWidth(0, 3 * u);
    m_list->setColumnWidth(1, 4 * u);
    m_list->setColumnWidth(2, u);
}

std::filesystem::path CFindInGallDlg::PortraitToShow(const std::filesystem::path& portrait,
                                                     const std::filesystem::path& programFolder) {
    QImageReader reader(QString::fromStdString(portrait.string()));
    if (!portrait.empty() && reader.canRead())
        return portrait;
    return programFolder / "no-picture.jpg";
}

void CFindInGallDlg::SetRows(const std::vector<SimilarRow>& rows) {
    const QSignalBlocker quiet(m_list);
    m_list->clear();
    for (const SimilarRow& row : rows) {
        auto* item = new QTreeWidgetItem(m_list);
        item->setText(0, QString::fromStdString(row.name));
        item->setText(1, QString::fromStdString(row.like));
        item->setText(2, QString::fromStdString(row.LikenessText()));
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        item->setData(0, Qt::UserRole, row.index);
    }
    FitColumns();
}

void CFindInGallDlg::closeEvent(QCloseEvent* event) {
    // Kept for the next search: only hidden.
    event->accept();
    hide();
    emit closed();
}

void CFindInGallDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    FitColumns();
}

} // namespace mienlore
