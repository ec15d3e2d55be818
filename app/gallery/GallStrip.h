#pragma once

#include <optional>

namespace mienlore {

// The positions of a thumbnail strip: the first visible position (the scroll
// position), the selected cell counted from the first visible cell, and the
// item applied last. Selecting takes the item under the selected cell and
// hands it out to be applied, unless it is the item applied last.
class CGallStrip {
public:
    static constexpr int kPageStep = 5;

    // A new list of count items: back to the start, nothing applied.
    void Reset(int count);
    int Count() const { return m_count; }

    int First() const { return m_first; }
    int SelectedCell() const { return m_cell; }
    // The item the selected cell shows (capped at the last item); -1 when the
    // strip is empty.
    int SelectedPosition() const;
    std::optional<int> AppliedLast() const { return m_applied; }
    // The highest first visible position.
    int MaxFirst() const { return m_count > 0 ? m_count - 1 : 0; }

    // Moves the first visible position, clamped to 0..MaxFirst().
    void ScrollTo(int first);
    void ScrollBy(int delta) { ScrollTo(m_first + delta); }
    void SetSelectedCell(int cell);

    // The position to apply now, or nothing when the strip is empty or the
    // position is the one applied last (which it then stays).
    std::optional<int> Select();
    // Prev / Next: first visible position -1 / +1, then Select.
    std::optional<int> Step(int delta);
    // Shows position as the first cell, selected, and selects it.
    std::optional<int> Show(int position);

private:
    int m_count = 0;
    int m_first = 0;
    int m_cell = 0;
    std::optional<int> m_applied;
};

} // namespace mienlore
