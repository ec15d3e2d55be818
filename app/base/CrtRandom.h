#pragma once

#include <cstdint>

namespace mienlore {

// The classic C runtime generator (the linear congruential rand() of the
// Microsoft C library: state = state * 214013 + 2531011, result = bits 16..30
// of the state, 0..32767). Kept as an object so that callers own the seed and
// tests get repeatable sequences.
class CCrtRandom {
public:
    static constexpr int kMax = 0x7FFF;

    explicit CCrtRandom(std::uint32_t seed = 1) : m_state(seed) {}

    void Seed(std::uint32_t seed) { m_state = seed; }
    int Next() {
        m_state = m_state * 214013u + 2531011u;
        return static_cast<int>((m_state >> 16) & 0x7FFF);
    }

private:
    std::uint32_t m_state;
};

} // namespace mienlore
