#pragma once

#include <QFrame>

class QLabel;
class QPushButton;

namespace mienlore {

class DialogUnits;

// The search bar below the face: buttons for the three searches ("Find
// Face" 2024, "Find in Gallery" 2023, "Find on Map" 2026) and the "Find Face
// factor" display, which shows the best match of a running search by traits
// and is hidden otherwise.
class CPageCoef : public QFrame {
    Q_OBJECT
public:
    static constexpr int kFindFaceButton = 2024;
    static constexpr int kFindInGalleryButton = 2023;
    static constexpr int kFindOnMapButton = 2026;

    explicit CPageCoef(const DialogUnits& units, QWidget* parent = nullptr);

    // Shows the factor when above 0, hides it otherwise.
    void SetFactor(int factor);
    int Factor() const { return m_factor; }
    bool FactorShown() const;

    // While the search by traits is open.
    void SetSearching(bool on) { m_searching = on; }
    bool IsSearching() const { return m_searching; }

    QPushButton* Button(int id) const;
    // Texts in the language of the run.
    void Retranslate();

signals:
    void commandRequested(int id);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Place();

    const DialogUnits& m_units;
    QPushButton* m_buttons[3];
    QLabel* m_factorCaption;
    QLabel* m_factorValue;
    int m_factor = 0;
    bool m_searching = false;
};

} // namespace mienlore
