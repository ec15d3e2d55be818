#pragma once

#include "gallery/SimilarSearch.h"

#include <QDialog>

#include <filesystem>
#include <vector>

class QTreeWidget;

namespace mienlore {

class CLang;

// "Found in gallery": the rows of a similar-face search (name, the two
// best-agreeing features, the likeness). Modeless; closing only hides it.
// Choosing a row reports the row's gallery index.
class CFindInGallDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 266;
    static constexpr int kListId = 1044;

    explicit CFindInGallDlg(const CLang* lang, QWidget* parent = nullptr);

    // Empties the list and adds the rows.
    void SetRows(const std::vector<SimilarRow>& rows);
    QTreeWidget* List() const { return m_list; }
    // Column widths from the list's width: 3u, 4u and u, u = (width - scroll
    // bar width - 3) / 8.
    void FitColumns();

    // The picture to show for a chosen face: its portrait when that can be
    // read as a picture, else "no-picture.jpg" of the program folder.
    static std::filesystem::path PortraitToShow(const std::filesystem::path& portrait,
                                                const std::filesystem::path& programFolder);

signals:
    // A row was chosen: its face's index in the gallery face files.
    void faceChosen(int index);
    // The dialog was closed (hidden).
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QTreeWidget* m_list;
};

} // namespace mienlore
