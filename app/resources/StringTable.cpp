#include "resources/StringTable.h"

#include <algorithm>
#include <iterator>

namespace mienlore {
namespace {

struct Entry {
    unsigned id;
    const char* text;
};

// Sorted by id (checked by the tests).
constexpr Entry kStrings[] = {
    {128, "Mienlore"},
};

} // namespace

const char* ResourceString(unsigned id) {
    const auto it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                                     [](const Entry& e, unsigned v) { return e.id < v; });
    return (it != std::end(kStrings) && it->id == id) ? it->text : nullptr;
}

} // namespace mienlore
