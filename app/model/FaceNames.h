#pragma once

#include "model/FaceItem.h"
#include "resources/LoadString.h"

#include <string>

namespace mienlore {

// Display name of shape i of a slot: the string (shape base + i), or
// "Set  %d" with i + 1 when the slot has no names or the string is missing.
std::string ShapeName(const CFaceItem& item, int shape, const StringOverride& strings = {});
// Display name of variant j, by the same rule with the variant base.
std::string VariantName(const CFaceItem& item, int variant, const StringOverride& strings = {});
// The current choice: the shape name, then ", " and the variant name when the
// slot has variant names; empty for an empty slot.
std::string ChoiceName(const CFaceItem& item, const StringOverride& strings = {});

} // namespace mienlore
