#pragma once

#include <QDialog>

#include <string>
#include <vector>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace mienlore {

class CLang;

// The Gallery List: the names of the Gallery faces in collection order, a
// search field and a find button. Modeless; closing only hides it.
class CFindInGListDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 270;
    static constexpr int kListId = 1044;
    static constexpr int kSearchId = 1106;
    static constexpr int kFindId = 2020;
    static constexpr int kMaxSearchChars = 63;

    explicit CFindInGListDlg(const CLang* lang, QWidget* parent = nullptr);

    // The names, each standing for its index in the Gallery faces.
    void SetNames(const std::vector<std::string>& names);

    // Selects the first name that holds the search text, ignoring case, as
    // if it was chosen. False when the text is empty or nothing holds it.
    bool Find();

    QListWidget* List() const { return m_list; }
    QLineEdit* SearchField() const { return m_search; }
    QPushButton* FindButton() const { return m_find; }

signals:
    // A name was chosen: its index in the Gallery faces.
    void chosen(int index);

private:
    void Choose(int row);

    QListWidget* m_list;
    QLineEdit* m_search;
    QPushButton* m_find;
};

} // namespace mienlore
