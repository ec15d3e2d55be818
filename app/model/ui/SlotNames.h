#pragma once

#include <QString>

namespace mienlore {

class CFaceItem;

// Display names of a slot's shapes and variants: the interface string of
// (name base + index), or "Set  %d" with index + 1 when the slot has no names
// or the string is missing.
QString ShapeName(const CFaceItem& item, int shape);
QString VariantName(const CFaceItem& item, int variant);

// The name of the slot's current choice: the shape name, then ", " and the
// variant name when that is not empty; empty for an absent main feature.
QString ChoiceName(const CFaceItem& item);

// The slot's caption (its FaceSlot string, at most 31 characters), a space
// and the name of its current choice.
QString SlotTitle(const CFaceItem& item);

} // namespace mienlore
