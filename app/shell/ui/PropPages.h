#pragma once

#include "shell/Lang.h"

#include <QWidget>

#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace mienlore {

class CColorButton;
class CParams;

// A page of the options sheet: it shows the settings when it is made, tells
// when the user changed something, and stores its controls on Apply.
class CPropPage : public QWidget {
    Q_OBJECT
public:
    CPropPage(int dialogId, CLang& lang, QWidget* parent);

    int DialogId() const { return m_dialogId; }
    // The tab title: the language file's, else the built-in one.
    QString TabTitle() const;
    virtual void Apply() = 0;

signals:
    // The user changed a control of the page.
    void changed();
    // The page stored its values.
    void applied();

protected:
    // Sets the built-in English texts, then the language file's.
    void Retranslate();
    virtual void SetBaseTexts() = 0;
    virtual QString BaseTitle() const = 0;

    CLang& m_lang;

private:
    int m_dialogId;
};

// "Face": smoothing, information, gradient fill, tooltips, the info and fill
// colours and the colour of the face.
class CPagePropFace : public CPropPage {
    Q_OBJECT
public:
    CPagePropFace(CParams& params, CLang& lang, QWidget* parent = nullptr);
    void Apply() override;

    QComboBox* SmoothBox() const { return m_smooth; }
    QComboBox* FaceColourBox() const { return m_faceColour; }
    QCheckBox* InfoCheck() const { return m_info; }
    QCheckBox* FillCheck() const { return m_fill; }
    QCheckBox* TooltipCheck() const { return m_tooltips; }
    CColorButton* InfoColourButton() const { return m_infoColour; }
    CColorButton* FillColourButton() const { return m_fillColour; }
    QPushButton* DefaultButton() const { return m_default; }

protected:
    void SetBaseTexts() override;
    QString BaseTitle() const override { return QStringLiteral("Face"); }

private:
    void Defaults();

    CParams& m_params;
    QComboBox* m_smooth;
    QComboBox* m_faceColour;
    QCheckBox* m_info;
    QCheckBox* m_fill;
    QCheckBox* m_tooltips;
    CColorButton* m_infoColour;
    CColorButton* m_fillColour;
    QLabel* m_smoothLabel;
    QLabel* m_faceLabel;
    QLabel* m_infoLabel;
    QLabel* m_fillLabel;
    QPushButton* m_default;
};

// "Fate": the five diagram colours and the black or white style.
class CPagePropFate : public CPropPage {
    Q_OBJECT
public:
    CPagePropFate(CParams& params, CLang& lang, QWidget* parent = nullptr);
    void Apply() override;

    // By control id: 1080 diagram, 1083 background, 1086 text, 1102 min,
    // 1104 max.
    CColorButton* ColourButton(int controlId) const;
    QRadioButton* BlackRadio() const { return m_black; }
    QRadioButton* WhiteRadio() const { return m_white; }
    QPushButton* DefaultButton() const { return m_default; }

protected:
    void SetBaseTexts() override;
    QString BaseTitle() const override { return QStringLiteral("Fate"); }

private:
    struct Row {
        int id;
        const char* label;
        CColorButton* button;
        QLabel* caption;
    };

    CParams& m_params;
    std::vector<Row> m_rows;
    QRadioButton* m_black;
    QRadioButton* m_white;
    QPushButton* m_default;
};

// "Misc": the language. Choosing another language makes it current at once
// and shows this page in it.
class CPagePropMisc : public CPropPage {
    Q_OBJECT
public:
    explicit CPagePropMisc(CLang& lang, QWidget* parent = nullptr);
    void Apply() override;

    QComboBox* LanguageBox() const { return m_languages; }
    // Whether the language was changed while the sheet was open.
    bool LanguageChanged() const { return m_changedLanguage; }

signals:
    void languageChanged();

protected:
    void SetBaseTexts() override;
    QString BaseTitle() const override { return QStringLiteral("Misc"); }

private:
    void SelectChosen();

    std::vector<LangEntry> m_entries;
    QComboBox* m_languages;
    QLabel* m_languageLabel;
    QLabel* m_note;
    bool m_changedLanguage = false;
};

} // namespace mienlore
