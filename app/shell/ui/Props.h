#pragma once

#include <QDialog>

#include <vector>

class QDialogButtonBox;
class QTabWidget;

namespace mienlore {

class CLang;
class CParams;
class CPagePropFace;
class CPagePropFate;
class CPagePropMisc;
class CPropPage;
class ISettingsStore;

// The options sheet: pages "Face", "Fate" and "Misc" over the settings
// record. "Apply" and "OK" store the changed pages; whatever closes the
// sheet, the settings are then written to the store.
class CProps : public QDialog {
    Q_OBJECT
public:
    CProps(CParams& params, CLang& lang, ISettingsStore& store, QWidget* parent = nullptr);

    CPagePropFace* FacePage() const { return m_face; }
    CPagePropFate* FatePage() const { return m_fate; }
    CPagePropMisc* MiscPage() const { return m_misc; }
    QTabWidget* Tabs() const { return m_tabs; }
    QDialogButtonBox* Buttons() const { return m_buttons; }

    // Stores the pages changed since the last apply.
    void ApplyChanges();
    // Whether the language was changed while the sheet was open (the view's
    // own dialog is then translated again).
    bool LanguageChanged() const;
    // Whether the last write of the settings succeeded.
    bool Saved() const { return m_saved; }

    void done(int result) override;

signals:
    // The help button: the options chapter of the help.
    void helpRequested();
    // The face settings were stored: the view runs its full update cycle.
    void faceSettingsApplied();
    // The diagram settings were stored: the view repaints.
    void fateSettingsApplied();
    // The settings could not be written; the text says why.
    void saveFailed(const QString& message);

private:
    void AddPage(CPropPage* page);
    void MarkChanged(CPropPage* page);

    CParams& m_params;
    CLang& m_lang;
    ISettingsStore& m_store;
    QTabWidget* m_tabs;
    QDialogButtonBox* m_buttons;
    CPagePropFace* m_face;
    CPagePropFate* m_fate;
    CPagePropMisc* m_misc;
    std::vector<CPropPage*> m_changed;
    bool m_saved = false;
};

} // namespace mienlore
