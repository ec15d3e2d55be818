#include "gallery/GallStrip.h"

#include <algorithm>

namespace mienlore {

void CGallStrip::Reset(int count) {
    m_count = std::max(count, 0);
    m_first = 0;
    m_cell = 0;
    m_applied.reset();
}

int CGallStrip::SelectedPosition() const {
    if (m_count == 0)
        return -1;
    return std::min(m_first + m_cell, m_count - 1);
}

void CGallStrip::ScrollTo(int first) {
    m_first = std::clamp(first, 0, MaxFirst());
}

void CGallStrip::SetSelectedCell(int cell) {
    m_cell = std::max(cell, 0);
}

std::optional<int> CGallStrip::Select() {
    const int position = SelectedPosition();
    if (position < 0 || m_applied == position)
        return std::nullopt;
    m_applied = position;
    return position;
}

std::optional<int> CGallStrip::Step(int delta) {
    ScrollBy(delta);
    return Select();
}

std::optional<int> CGallStrip::Show(int position) {
    m_cell = 0;
    ScrollTo(position);
    return Select();
}

} // namespace mienlore
