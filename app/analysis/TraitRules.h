#pragma once

#include "analysis/TraitTable.h"

namespace mienlore {

// What a rule row of a slot is selected by. Rows of a slot apply in this
// order: shape (for the chin: by its dimple flag), variant or chin width,
// horizontal or size class, vertical class.
enum class RuleSelector : int {
    Shape,       // shape index (the chin's shape without a dimple)
    ShapeDimple, // the chin's shape with a dimple (odd variant)
    Variant,     // variant index
    Width,       // the chin's width: variant / 2
    Horz,        // horizontal or size class
    Vert,        // vertical class
};
constexpr int kRuleSelectorCount = 6;
constexpr int kMaxSelectorValue = 16;
constexpr int kMaxRuleRows = 128;

// The rule rows in a form ready for the engine: per slot and selector, the
// row of each value (-1: none); per row the fifteen increments (padded to
// 16) for men and for women.
struct TraitRuleTables {
    struct Slot {
        signed char rowOf[kRuleSelectorCount][kMaxSelectorValue];
    };
    Slot slots[kRuleSlotCount];
    alignas(64) double male[kMaxRuleRows][16];
    alignas(64) double female[kMaxRuleRows][16];
};

const TraitRuleTables& TraitRules();
int TraitRuleRowCount();

} // namespace mienlore
