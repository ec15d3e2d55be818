#include "imaging/MulDiv.h"

#include <limits>

namespace mienlore {

int MulDiv(int a, int b, int c) {
    if (c == 0)
        return -1;
    const std::int64_t num = static_cast<std::int64_t>(a) * b;
    const bool negative = (num < 0) != (c < 0);
    const std::uint64_t n = num < 0 ? 0 - static_cast<std::uint64_t>(num) : num;
    const std::uint64_t d = c < 0 ? 0 - static_cast<std::uint64_t>(static_cast<std::int64_t>(c))
                                  : static_cast<std::uint64_t>(c);
    const std::uint64_t q = (n + d / 2) / d;
    if (q > static_cast<std::uint64_t>(std::numeric_limits<int>::max()))
        return -1;
    return negative ? -static_cast<int>(q) : static_cast<int>(q);
}

} // namespace mienlore
