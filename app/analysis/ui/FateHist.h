#pragma once

#include "analysis/ui/FateColours.h"

#include <QWidget>

#include <functional>

namespace mienlore {

// One trait bar of the diagram page. One-sided bars grow from the left edge;
// two-sided bars grow from the centre towards the low or the high label.
class CFateHist : public QWidget {
    Q_OBJECT
public:
    // indicator: the trait's indicator id; its labels have ids +2 and +4.
    CFateHist(int indicator, bool twoSided, QWidget* parent = nullptr);

    int Indicator() const { return m_indicator; }
    int LowLabelId() const { return m_indicator + 2; }
    int HighLabelId() const { return m_indicator + 4; }
    bool IsTwoSided() const { return m_twoSided; }

    // -1 shows no bar; other values are clamped to 0..100.
    void SetValue(int value);
    int Value() const { return m_value; }

    // Where the colours come from; asked at every paint.
    void SetColourSource(std::function<FateColours()> source);

    // The bar's line along x in widget pixels: from the left edge (or the
    // centre of a two-sided bar) to the value's end, which is not drawn.
    // Both are equal when no bar is drawn.
    std::pair<int, int> BarLine() const;
    // The same as an interval [from, to), from <= to.
    std::pair<int, int> BarSpan() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect InnerRect() const;

    int m_indicator;
    bool m_twoSided;
    int m_value = -1;
    std::function<FateColours()> m_colours;
};

} // namespace mienlore
