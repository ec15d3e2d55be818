#include "model/FaceCode.h"

namespace mienlore {
namespace {

bool IsScanSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// One "%Nd" conversion; false (nothing stored) when no digit is read.
bool ScanNumber(std::string_view text, std::size_t& pos, int width, int& value) {
    while (pos < text.size() && IsScanSpace(text[pos]))
        ++pos;
    std::size_t p = pos;
    int left = width;
    bool negative = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
        negative = text[p] == '-';
        ++p;
        --left;
    }
    int result = 0;
    int digits = 0;
    while (left > 0 && p < text.size() && IsDigit(text[p])) {
        result = result * 10 + (text[p] - '0');
        ++p;
        --left;
        ++digits;
    }
    if (digits == 0)
        return false;
    pos = p;
    value = negative ? -result : result;
    return true;
}

} // namespace

int ScanSlotNumbers(std::string_view text, std::size_t pos, std::array<int, 4>& numbers) {
    static constexpr int kWidths[4] = {2, 2, 3, 3};
    if (pos > text.size())
        return 0;
    for (int i = 0; i < 4; ++i) {
        if (!ScanNumber(text, pos, kWidths[i], numbers[i]))
            return i;
    }
    return 4;
}

} // namespace mienlore
