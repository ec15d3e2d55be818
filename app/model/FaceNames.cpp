#include "model/FaceNames.h"

#include <cstdio>

namespace mienlore {
namespace {

constexpr std::size_t kNameBuffer = 81; // names of at most 80 characters

std::string NameOf(int base, int index, const StringOverride& strings) {
    if (base != 0) {
        std::string name =
            LoadInterfaceString(static_cast<unsigned>(base + index), kNameBuffer, strings);
        if (!name.empty())
            return name;
    }
    char fallback[32];
    std::snprintf(fallback, sizeof fallback, "Set  %d", index + 1);
    return fallback;
}

} // namespace

std::string ShapeName(const CFaceItem& item, int shape, const StringOverride& strings) {
    return NameOf(item.ShapeNameBase(), shape, strings);
}

std::string VariantName(const CFaceItem& item, int variant, const StringOverride& strings) {
    return NameOf(item.VariantNameBase(), variant, strings);
}

std::string ChoiceName(const CFaceItem& item, const StringOverride& strings) {
    if (item.IsEmpty())
        return {};
    std::string name = ShapeName(item, item.GetShape(), strings);
    const std::string variant = VariantName(item, item.GetVariant(), strings);
    if (!variant.empty()) {
        name += ", ";
        name += variant;
    }
    return name;
}

} // namespace mienlore
