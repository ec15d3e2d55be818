#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace mienlore {

// Length of one slot code: tag, shape "%02d", variant "%02d", size or x
// "%03d", y "%03d".
constexpr std::size_t kSlotCodeLength = 12;

// Reads the four numbers of a slot code starting at pos, as the C library's
// scanf reads "%02d%02d%03d%03d": each number may be preceded by white space
// (not counted in its width) and takes an optional sign and digits within
// its width (2, 2, 3, 3). Returns how many numbers were read (0..4); reading
// stops at the first number that has no digit.
int ScanSlotNumbers(std::string_view text, std::size_t pos, std::array<int, 4>& numbers);

} // namespace mienlore
