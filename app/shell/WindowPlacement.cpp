#include "shell/WindowPlacement.h"

#include <cctype>
#include <cstdio>
#include <limits>

namespace mienlore {
namespace {

// One number as scanf's %d or %u reads it: leading white space, an optional
// sign, at least one digit. Values beyond the 32-bit range saturate.
bool ScanNumber(std::string_view& text, long long& value) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    const std::size_t firstDigit = i;
    long long v = 0;
    constexpr long long kLimit = std::numeric_limits<std::uint32_t>::max();
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        v = v * 10 + (text[i] - '0');
        if (v > kLimit)
            v = kLimit;
        ++i;
    }
    if (i == firstDigit)
        return false;
    value = negative ? -v : v;
    text.remove_prefix(i);
    return true;
}

int ToInt(long long v) {
    if (v > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (v < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(v);
}

} // namespace

std::string FormatPlacement(const WindowPlacement& p) {
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d", p.flags, p.showCommand,
                  p.minX, p.minY, p.maxX, p.maxY, p.left, p.top, p.right, p.bottom);
    return buffer;
}

WindowPlacement ParsePlacement(std::string_view text) {
    long long values[10] = {};
    int count = 0;
    while (count < 10) {
        if (count > 0) {
            if (text.empty() || text.front() != ',')
                break;
            text.remove_prefix(1);
        }
        if (!ScanNumber(text, values[count]))
            break;
        ++count;
    }
    WindowPlacement p;
    if (count != 10)
        return p;
    // Nothing but spaces may follow: an eleventh number or other text means
    // the value was not written by this program.
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    if (!text.empty())
        return p;
    p.length = kPlacementLength;
    p.flags = static_cast<std::uint32_t>(values[0]);
    p.showCommand = static_cast<std::uint32_t>(values[1]);
    p.minX = ToInt(values[2]);
    p.minY = ToInt(values[3]);
    p.maxX = ToInt(values[4]);
    p.maxY = ToInt(values[5]);
    p.left = ToInt(values[6]);
    p.top = ToInt(values[7]);
    p.right = ToInt(values[8]);
    p.bottom = ToInt(values[9]);
    p.valid = true;
    return p;
}

namespace {

long long Overlap(long long a0, long long a1, long long b0, long long b1) {
    const long long lo = a0 > b0 ? a0 : b0;
    const long long hi = a1 < b1 ? a1 : b1;
    return hi > lo ? hi - lo : 0;
}

// The screen the rectangle overlaps most; the first one when it overlaps none.
const ScreenArea& HomeScreen(const WindowPlacement& p, const std::vector<ScreenArea>& screens) {
    const ScreenArea* best = &screens.front();
    long long bestArea = 0;
    for (const ScreenArea& s : screens) {
        const long long right = static_cast<long long>(s.left) + s.width;
        const long long bottom = static_cast<long long>(s.top) + s.height;
        const long long area =
            Overlap(p.left, p.right, s.left, right) * Overlap(p.top, p.bottom, s.top, bottom);
        if (area > bestArea) {
            bestArea = area;
            best = &s;
        }
    }
    return *best;
}

} // namespace

bool FitPlacementToScreens(WindowPlacement& p, const std::vector<ScreenArea>& screens) {
    const long long width = static_cast<long long>(p.right) - p.left;
    const long long height = static_cast<long long>(p.bottom) - p.top;
    if (screens.empty() || width < kMinRestoreSize || height < kMinRestoreSize)
        return false;
    const ScreenArea& screen = HomeScreen(p, screens);
    if (width > screen.width || height > screen.height)
        return false;
    const long long screenRight = static_cast<long long>(screen.left) + screen.width;
    const long long screenBottom = static_cast<long long>(screen.top) + screen.height;
    long long left = p.left < screen.left ? screen.left : p.left;
    long long top = p.top < screen.top ? screen.top : p.top;
    // The edges are compared as stored; only the origin moves.
    if (p.right > screenRight)
        left = screenRight - width;
    if (p.bottom > screenBottom)
        top = screenBottom - height;
    p.left = ToInt(left);
    p.top = ToInt(top);
    p.right = ToInt(left + width);
    p.bottom = ToInt(top + height);
    p.showCommand = kShowNormal;
    return true;
}

bool FitPlacementToScreen(WindowPlacement& p, int screenWidth, int screenHeight) {
    return FitPlacementToScreens(p, {ScreenArea{0, 0, screenWidth, screenHeight}});
}

} // namespace mienlore
