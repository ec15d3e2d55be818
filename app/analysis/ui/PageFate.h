#pragma once

#include "analysis/ui/FateColours.h"

#include <QWidget>

#include <array>
#include <functional>
#include <map>

class QLabel;
class QToolButton;

namespace mienlore {

class CFateFrame;
class CFateHist;
class CFateTemper;
class DialogUnits;

// The diagram page: a bar per shown trait with its labels, the temperament
// diagram with its nine labels, the temperament and profession names, the
// confidence, the summary and the man/woman switch.
class CPageFate : public QWidget {
    Q_OBJECT
public:
    CPageFate(const DialogUnits& units, QWidget* parent = nullptr);

    // The traits shown as bars: indicator id and whether the bar is
    // two-sided.
    struct BarDef {
        int indicator;
        bool twoSided;
    };
    static const std::array<BarDef, 12>& Bars();
    // The label text of a label control id of this page, or empty.
    static QString LabelText(int id);

    CFateHist* Bar(int indicator) const;
    CFateTemper* Diagram() const { return m_temper; }
    QLabel* Label(int id) const;
    QToolButton* MenButton() const { return m_men; }

    void SetTraitValue(int indicator, int value);
    // x = activity (`ener`), y = extroversion (`acti`).
    void SetTemperPoint(int x, int y);
    void SetTemperament(const QString& name);
    void SetProfession(const QString& name);
    void SetConfidence(int percent);
    void SetSummary(const QString& summary);
    void SetMale(bool male);
    // Reads the analysis' results into the page: bars and diagram where
    // their values changed (or were never shown), names, confidence, summary.
    void Refresh(const CFateFrame& fate, const QString& summary);
    bool IsMale() const { return m_male; }

    QString TemperamentText() const;
    QString ProfessionText() const;
    QString ConfidenceText() const;
    QString SummaryText() const;

    // Where the colours come from (asked at every paint).
    void SetColourSource(std::function<FateColours()> source);
    FateColours Colours() const { return m_colours(); }
    // Repaints the labels, every bar and the diagram in the current colours
    // (after the colours or the style changed).
    void RefreshColours();

signals:
    // The "Men" button: switch the analysis between man and woman.
    void maleToggled();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* MakeLabel(int id, const QString& text, QRect rect, Qt::Alignment align);
    void ApplyLabelColours();

    std::map<int, CFateHist*> m_bars;
    std::map<int, QLabel*> m_labels;
    CFateTemper* m_temper;
    QLabel* m_temperName;
    QLabel* m_profession;
    QLabel* m_confidence;
    QLabel* m_summary;
    QToolButton* m_men;
    bool m_male = true;
    std::function<FateColours()> m_colours;
};

} // namespace mienlore
