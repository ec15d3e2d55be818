#pragma once

#include "analysis/ui/FateColours.h"

#include <QWidget>

#include <array>
#include <functional>

namespace mienlore {

// The temperament diagram: a round field with a pointer from the centre
// towards (activity, extroversion), a ring of the pointer's length and a
// polar grid.
class CFateTemper : public QWidget {
    Q_OBJECT
public:
    explicit CFateTemper(QWidget* parent = nullptr);

    // The ids of the nine companion labels: the diagram's own 2680, then
    // "Depression", "Activity", "Introvert", "Extrovert", "Choleric",
    // "Sanguine ", "Phlegmatic", "Melancholy".
    static constexpr std::array<int, 9> kLabelIds = {2680, 2542, 2544, 2532, 2534,
                                                     2694, 2692, 2690, 2696};

    // x: the activity indicator (`ener`), y: extroversion (`acti`). Accepted
    // only when both lie in 0..100 and differ from the stored pair; returns
    // whether the pair was taken (and a repaint scheduled).
    bool SetPoint(int x, int y);
    int X() const { return m_x; }
    int Y() const { return m_y; }

    // Pointer width; a negative value means the default 3.
    void SetPointerWidth(int width) { m_pointerWidth = width < 0 ? 3 : width; }

    void SetColourSource(std::function<FateColours()> source);

    // Geometry used by the paint, exposed for checking: the circle box, and
    // the pointer's tip for the stored point.
    QRect CircleBox() const;
    QPoint PointerTip() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_x = -1;
    int m_y = -1;
    int m_pointerWidth = 3;
    std::function<FateColours()> m_colours;
};

} // namespace mienlore
