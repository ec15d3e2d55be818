#pragma once

#include <cstdint>

namespace mienlore {

// A seeded source of pseudo-random numbers 0..32767: the classic linear
// congruential generator of the C run-time library (state * 214013 + 2531011,
// bits 16-30 of the new state), so a given seed always draws the same numbers.
class CRandomSource {
public:
    explicit CRandomSource(std::uint32_t seed = 1) : m_state(seed) {}
    int Next() {
        m_state = m_state * 214013u + 2531011u;
        return static_cast<int>((m_state >> 16) & 0x7FFF);
    }

private:
    std::uint32_t m_state;
};

} // namespace mienlore
