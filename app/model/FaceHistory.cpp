#include "model/FaceHistory.h"

#include <algorithm>

namespace mienlore {

void CFaceHistory::Append(const CFaceFrame& face) {
    if (m_restoring)
        return;
    m_entries.push_back(face.Encode());
    m_cursor = Count() - 1;
}

bool CFaceHistory::Step(int delta, CFaceFrame& face, const std::function<void()>& onRestored) {
    if (m_entries.empty() || m_cursor < 0)
        return false;
    m_cursor = std::clamp(m_cursor + delta, 0, Count() - 1);
    std::string code = m_entries[m_cursor];
    // Reset the flag even if the caller's update cycle throws.
    struct Restoring {
        bool& flag;
        explicit Restoring(bool& f) : flag(f) { flag = true; }
        ~Restoring() { flag = false; }
    } restoring(m_restoring);
    face.DecodeAndStrip(code);
    if (onRestored)
        onRestored();
    return true;
}

} // namespace mienlore
