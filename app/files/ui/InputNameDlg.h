#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace mienlore {

class CLang;

// The name dialog: "Enter the name" with an edit field that starts with
// "Noname", and a "Save image" check box shown only where a picture can be
// saved with the name.
class CInputNameDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 265;
    static constexpr int kNameId = 1172;
    static constexpr int kMaxNameChars = 255;

    // The texts are translated through lang when one is given.
    explicit CInputNameDlg(const CLang* lang, QWidget* parent = nullptr,
                           bool showSaveImage = false);

    QString Name() const;
    void SetName(const QString& name);
    bool SaveImage() const;

    QLineEdit* NameEdit() const { return m_name; }
    QCheckBox* SaveImageBox() const { return m_saveImage; }

private:
    QLabel* m_prompt;
    QLineEdit* m_name;
    QCheckBox* m_saveImage;
};

} // namespace mienlore
