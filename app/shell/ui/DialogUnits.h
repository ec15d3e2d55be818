#pragma once

#include <QFont>
#include <QRect>

namespace mienlore {

// Dialog units of a font: a horizontal unit is a quarter of the font's
// average character width, a vertical unit an eighth of its height, so that a
// layout given in dialog units scales with the font and the screen.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    DialogUnits(int baseX, int baseY) : m_baseX(baseX), m_baseY(baseY) {}

    int BaseX() const { return m_baseX; }
    int BaseY() const { return m_baseY; }

    int X(int du) const;
    int Y(int du) const;
    QRect Rect(int x, int y, int w, int h) const;

private:
    int m_baseX;
    int m_baseY;
};

} // namespace mienlore
