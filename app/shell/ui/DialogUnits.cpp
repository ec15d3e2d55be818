#include "shell/ui/DialogUnits.h"

#include <QFontMetrics>

#include <algorithm>

namespace mienlore {
namespace {

// a * b / c rounded to the nearest integer, as dialog-unit conversion does.
int MulDivRound(int a, int b, int c) {
    const long long n = static_cast<long long>(a) * b;
    return static_cast<int>(n >= 0 ? (n + c / 2) / c : (n - c / 2) / c);
}

} // namespace

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics fm(font);
    // The average width of the 52 Latin letters, rounded.
    const int letters = fm.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_baseX = std::max((letters / 26 + 1) / 2, 1);
    m_baseY = std::max(fm.height(), 1);
}

int DialogUnits::X(int du) const {
    return MulDivRound(du, m_baseX, 4);
}
int DialogUnits::Y(int du) const {
    return MulDivRound(du, m_baseY, 8);
}

QRect DialogUnits::Rect(int x, int y, int w, int h) const {
    // Convert the edges, not the size, so that adjacent rectangles stay
    // adjacent after rounding.
    const int left = X(x);
    const int top = Y(y);
    return QRect(left, top, X(x + w) - left, Y(y + h) - top);
}

} // namespace mienlore
