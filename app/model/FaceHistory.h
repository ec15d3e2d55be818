#pragma once

#include "model/FaceFrame.h"

#include <functional>
#include <string>
#include <vector>

namespace mienlore {

// Undo and redo of face changes: a list of face codes (with empty trailing
// text) and a cursor. Entries are never removed: a change made after an undo
// is appended behind the later entries.
class CFaceHistory {
public:
    // Appends the face's code and moves the cursor to it; does nothing
    // while a step is being restored.
    void Append(const CFaceFrame& face);

    // Moves the cursor by delta (-1 undo, +1 redo), clamped to the list, and
    // applies the entry under it to the face. While the entry is applied and
    // onRestored runs (the caller's update cycle), Append adds nothing.
    // Returns false when the list is empty or the cursor is negative.
    bool Step(int delta, CFaceFrame& face, const std::function<void()>& onRestored = {});
    bool Undo(CFaceFrame& face, const std::function<void()>& onRestored = {}) {
        return Step(-1, face, onRestored);
    }
    bool Redo(CFaceFrame& face, const std::function<void()>& onRestored = {}) {
        return Step(+1, face, onRestored);
    }

    bool CanUndo() const { return !m_entries.empty() && m_cursor > 0; }
    bool CanRedo() const { return m_cursor < Count() - 1; }
    bool IsRestoring() const { return m_restoring; }

    int Count() const { return static_cast<int>(m_entries.size()); }
    int Cursor() const { return m_cursor; }
    const std::string& Entry(int index) const { return m_entries.at(index); }

private:
    std::vector<std::string> m_entries;
    int m_cursor = -1;
    bool m_restoring = false;
};

} // namespace mienlore
