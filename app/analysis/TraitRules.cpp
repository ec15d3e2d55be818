#include "analysis/TraitRules.h"

namespace mienlore {
namespace {

using Sel = RuleSelector;

struct RuleRow {
    int slot; // 0..7: forehead .. ears
    RuleSelector selector;
    int value;
    int increments[kTraitCount];
};

// The rule rows of the eight contributing slots. A selector value that has no
// row adds nothing.
// clang-format off
constexpr RuleRow kRows[] = {
    // heal sexu acti ener conf soci peop life myse heav work inte humo chan cowa
    // Forehead
    {0, Sel::Shape, 0, { 1,  0,  1, -1,  1,  0,  0,  0,  0,  0, -1, -1, -1,  0,  0}}, // shape 0 "Round"
    {0, Sel::Shape, 1, { 1,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0}}, // shape 1 "Oval"
    {0, Sel::Shape, 2, { 0,  0,  0,  0,  1,  1,  1,  0,  1,  1,  0,  1,  1, -1,  0}}, // shape 2 "Square"
    {0, Sel::Shape, 3, { 0,  0, -1,  0,  0,  0,  0,  1,  0,  0,  1,  1,  0,  0,  0}}, // shape 3 "Triangular"
    {0, Sel::Shape, 4, { 0,  0,  1, -1, -1,  0,  0,  0,  0, -1,  0,  0,  0,  0,  0}}, // shape 4 "With Small M"
    {0, Sel::Shape, 5, { 0,  0,  0,  0, -1,  0,  0,  0,  0, -1,  1,  0,  0,  0,  0}}, // shape 5 "M - Symmetrical"
    {0, Sel::Shape, 6, {-1, -1,  0,  0, -2,  0,  0,  0,  0, -2,  2,  0,  0,  0,  0}}, // shape 6 "Partially Bald"
    {0, Sel::Shape, 7, {-2, -2, -1,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0}}, // shape 7 "Bald"
    {0, Sel::Variant, 0, { 0,  0,  0,  0,  1, -1,  0,  0, -1,  0,  0, -1,  0,  0,  0}}, // variant 0 "Wide"
    {0, Sel::Variant, 2, { 0,  0,  0,  1,  0,  0,  0,  0,  0, -1,  1,  0,  0,  0,  0}}, // variant 2 "Narrow"
    {0, Sel::Vert, 1, {-1,  0,  0, -2,  0,  0,  0,  0,  0,  0, -1, -1, -1, -1,  0}}, // vertical class 1
    {0, Sel::Vert, 2, { 0,  0,  0, -1,  0,  0,  0,  0,  0,  0,  0,  2,  0,  1,  0}}, // vertical class 2
    {0, Sel::Vert, 4, { 0,  0,  0,  0,  1,  0,  0,  0,  0,  0,  1, -1, -1,  0,  1}}, // vertical class 4
    {0, Sel::Vert, 5, { 0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  1, -2,  0,  0,  1}}, // vertical class 5
    // Cheek-bones
    {1, Sel::Shape, 0, {-1,  0,  0, -2,  0,  0, -1,  0,  0,  1, -2, -1,  0,  0,  0}}, // shape 0 "Wide Round"
    {1, Sel::Shape, 1, {-1,  0,  0, -1,  0,  0, -1,  0,  0,  1, -2, -1,  0,  0,  0}}, // shape 1 "Thick"
    {1, Sel::Shape, 2, { 0,  0,  0,  0,  0,  0, -1,  0,  0,  0, -1, -1, -1,  0,  0}}, // shape 2 "Puffy"
    {1, Sel::Shape, 3, { 0,  0,  2,  0,  0,  0, -1,  0,  0, -2,  2, -1,  1,  0,  0}}, // shape 3 "Very Express"
    {1, Sel::Shape, 4, {-1,  0,  1,  0, -1,  0, -1,  0,  0, -1,  2,  0,  1,  0,  0}}, // shape 4 "Raised Upper Eyes"
    {1, Sel::Shape, 5, { 0,  0,  1,  0, -2,  0, -1,  0,  0, -1,  1,  0,  1,  0,  0}}, // shape 5 "Below Eyes"
    {1, Sel::Shape, 6, { 0,  0,  1,  0, -1,  0,  0,  0,  0, -1,  1,  1,  0,  0,  0}}, // shape 6 "Hardly Express"
    {1, Sel::Shape, 7, { 1,  0,  1, -1,  0,  0,  0,  0, -1, -1,  1,  1,  0,  0,  0}}, // shape 7 "Round Oval"
    {1, Sel::Shape, 8, { 1,  0,  0, -1,  0,  0,  0,  0, -1, -1,  0,  1,  0,  0,  0}}, // shape 8 "Oval"
    {1, Sel::Shape, 9, { 1,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  1,  0,  0,  0}}, // shape 9 "Straight-forward"
    {1, Sel::Shape, 10, { 1,  0,  0,  1,  0,  0,  1,  0,  0,  0,  1,  1,  0,  0,  0}}, // shape 10 "Rectangular"
    {1, Sel::Shape, 11, { 0,  0,  0,  1,  0,  0,  1,  0,  0,  0,  1,  1, -1,  0,  0}}, // shape 11 "Lean"
    {1, Sel::Shape, 12, { 0,  0,  0,  1,  0,  0,  1,  0,  0,  0,  1,  0, -1,  0,  0}}, // shape 12 "Slightly Sunken Cheeks"
    {1, Sel::Shape, 13, {-1,  0, -1,  1,  0,  0,  1,  0,  1,  0,  1,  0, -1,  0,  0}}, // shape 13 "Sunken Cheeks"
    {1, Sel::Shape, 14, {-1,  0, -1,  1,  0,  0,  1,  0,  1,  0,  1,  0, -1,  0,  0}}, // shape 14 "Very Sunken Cheeks"
    // Chin
    {2, Sel::Shape, 0, { 0,  0,  1,  0,  0, -1,  0,  0,  0, -1,  0,  1, -1,  0,  0}}, // shape 0 "Square Jaw"
    {2, Sel::Shape, 1, { 0,  0, -1,  0,  0,  0,  0,  0,  0,  1,  0,  1,  0,  0,  0}}, // shape 1 "Oval Jaw"
    {2, Sel::Shape, 3, { 0,  0,  0,  0, -1,  0,  0,  0,  0,  1,  1, -1,  0,  0,  0}}, // shape 3 "Round Jaw"
    {2, Sel::Shape, 4, { 0,  0,  0,  0,  0,  0,  0,  0,  1,  0,  0,  1, -1,  0,  0}}, // shape 4 "Pointed Jaw"
    {2, Sel::ShapeDimple, 0, { 0,  0,  2,  0,  0, -2,  0,  0,  0,  1,  0,  1, -2,  0,  0}}, // shape with dimple 0 "Square Jaw"
    {2, Sel::ShapeDimple, 1, { 0,  0, -1,  0,  0,  0,  1,  0,  0,  2,  0,  1,  0,  0,  0}}, // shape with dimple 1 "Oval Jaw"
    {2, Sel::ShapeDimple, 2, { 0,  0,  1,  0,  0,  0,  0,  0,  0,  1,  0,  0,  0,  0,  0}}, // shape with dimple 2 "Average Jaw"
    {2, Sel::ShapeDimple, 3, { 0,  0,  1,  0, -1,  0,  0,  0,  0,  2,  1,  1,  0,  0,  0}}, // shape with dimple 3 "Round Jaw"
    {2, Sel::ShapeDimple, 4, { 0,  0,  1,  0,  0,  0,  0,  0,  1,  1,  0,  1, -1,  0,  0}}, // shape with dimple 4 "Pointed Jaw"
    {2, Sel::Width, 0, { 0,  0,  0,  1,  0,  0, -1,  0,  0,  0,  0,  0,  1,  0,  0}}, // chin width 0
    {2, Sel::Width, 2, { 0,  1,  1,  0,  0,  0,  1,  0,  0, -1,  0,  0, -1,  0,  0}}, // chin width 2
    {2, Sel::Vert, 1, { 0,  0, -1, -1,  0,  0,  0,  0,  1,  1,  0,  0,  0,  0, -1}}, // vertical class 1
    {2, Sel::Vert, 3, { 0,  1,  1,  1,  0,  0,  0,  0, -1, -1,  0,  0,  0,  0,  1}}, // vertical class 3
    // Eyes
    {3, Sel::Shape, 0, { 0,  0,  1, -1,  0,  0,  0,  0,  0,  1, -1,  1,  0,  0,  0}}, // shape 0 "Large Eyes"
    {3, Sel::Shape, 1, { 1,  1,  0,  0,  0,  0, -1,  0,  0,  0,  0,  0,  1,  0,  0}}, // shape 1 "Almond-shaped"
    {3, Sel::Shape, 4, {-1, -1,  0, -1,  0,  0,  0,  0,  1,  0,  0,  0,  0,  0,  0}}, // shape 4 "Heavy Lids"
    {3, Sel::Shape, 5, { 0,  0,  0,  0,  0,  0,  1,  0, -1,  1,  0,  1, -1,  0,  0}}, // shape 5 "Round Small"
    {3, Sel::Shape, 6, { 0,  0,  1,  1,  0,  0,  0,  0,  0,  0,  0,  1,  0,  0,  0}}, // shape 6 "Triangular"
    {3, Sel::Shape, 7, { 0,  0,  0,  0,  0,  0,  0,  1,  0, -1,  0,  0, -1,  0,  0}}, // shape 7 "Narrow"
    {3, Sel::Shape, 8, { 0,  0,  0, -1,  0,  0,  1,  0,  0, -1,  0,  0, -1,  0,  0}}, // shape 8 "Very Narrow"
    {3, Sel::Shape, 9, { 0,  0,  0,  0,  0,  0,  1,  0,  1,  0,  0,  1, -1,  0,  0}}, // shape 9 "Small eyes"
    {3, Sel::Variant, 1, { 0,  0,  0,  1, -1,  1,  0, -1,  0,  0,  0,  0,  0,  0,  0}}, // variant 1 "Raised Outside"
    {3, Sel::Variant, 2, { 0,  0,  0,  0,  0, -1,  0,  1,  0,  0,  1,  1,  0,  0,  0}}, // variant 2 "Lowered Outside"
    {3, Sel::Horz, 1, { 0,  0,  0,  0,  0,  0, -1,  0,  0,  0,  0,  1,  0,  0,  0}}, // horizontal class 1
    {3, Sel::Horz, 3, { 0,  0,  0,  0,  0,  0,  1,  0,  0,  0,  0, -1,  0,  0,  0}}, // horizontal class 3
    {3, Sel::Vert, 1, { 0,  0,  1,  0,  0,  0,  0,  0, -1,  0,  1,  0,  0,  0,  0}}, // vertical class 1
    {3, Sel::Vert, 2, { 0,  0, -1,  0,  0,  0,  0,  0,  1,  0,  0,  0,  0,  0,  0}}, // vertical class 2
    {3, Sel::Vert, 3, { 0,  0, -1,  0,  0,  0,  0,  0,  1,  0,  0,  0,  0,  0,  0}}, // vertical class 3
    // Eyebrows
    {4, Sel::Shape, 0, { 0,  0,  0,  1,  0,  0,  0,  0,  0,  0,  1,  1, -1,  0,  0}}, // shape 0 "Short Thin"
    {4, Sel::Shape, 1, { 0,  0,  0,  1,  1,  0,  0,  0,  0,  0,  1,  0,  0,  0,  0}}, // shape 1 "Short"
    {4, Sel::Shape, 2, { 0,  0,  0,  1,  1,  0, -1,  0,  0,  1,  1, -1,  0,  0,  0}}, // shape 2 "Short Wide"
    {4, Sel::Shape, 3, { 0,  0,  0,  0, -1,  0,  0,  0,  0,  0,  1,  1, -1,  0,  0}}, // shape 3 "Average Thin"
    {4, Sel::Shape, 4, { 0,  0,  0,  0,  0,  0,  0,  0,  0, -1,  0,  0, -1,  0,  0}}, // shape 4 "Average Straight"
    {4, Sel::Shape, 5, { 0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  1,  0, -1,  0,  0}}, // shape 5 "Average Arched"
    {4, Sel::Shape, 6, { 0,  0,  0,  0,  0,  0,  0,  0,  0,  1,  1,  0, -1,  0,  0}}, // shape 6 "Average Curved"
    {4, Sel::Shape, 7, { 0,  0,  0,  0,  1,  0,  0,  0,  0,  1,  0,  1,  1,  0,  0}}, // shape 7 "Average Broken"
    {4, Sel::Shape, 8, { 0,  0,  0, -1,  0,  0, -1,  0,  0,  1,  0,  0,  0,  0,  0}}, // shape 8 "Widen to Temples"
    {4, Sel::Shape, 9, { 0,  0,  0,  1,  0,  0, -1,  0,  0,  1,  0,  0,  0,  0,  0}}, // shape 9 "Narrowed down to Temples"
    {4, Sel::Shape, 10, { 0,  0,  0,  0,  0,  0, -1,  0,  0,  1,  0, -1,  0,  0,  0}}, // shape 10 "Heavy Arched"
    {4, Sel::Shape, 11, { 0,  0,  0,  0, -1,  1,  1,  0,  0,  0,  1,  0, -1,  0,  0}}, // shape 11 "Long Thin"
    {4, Sel::Shape, 12, { 0,  0,  0,  0,  0,  1,  1,  0,  0,  0,  0, -1,  0,  0,  0}}, // shape 12 "Long Arched"
    {4, Sel::Shape, 13, { 0,  0,  0,  0,  0,  1,  0,  0,  1,  1,  0, -2,  0,  0,  0}}, // shape 13 "Long Wide"
    {4, Sel::Variant, 1, { 0,  0,  0,  0,  0,  0,  1, -1, -1, -1,  0, -1,  1,  0,  0}}, // variant 1 "Raised Outside"
    {4, Sel::Variant, 2, { 0,  0,  1, -1,  0,  0,  0,  1,  1,  1,  0,  1,  0,  0,  0}}, // variant 2 "Lowered Outside"
    {4, Sel::Horz, 1, { 0,  1,  1,  1,  1,  0,  0,  0,  1,  0,  0,  0,  0,  0,  0}}, // horizontal class 1
    {4, Sel::Vert, 1, { 0,  0,  1,  0,  0,  0,  0,  0,  0,  1,  0,  0,  0,  1,  0}}, // vertical class 1
    {4, Sel::Vert, 3, { 0,  0, -1,  0,  0,  0,  0,  0,  0, -1,  0,  0,  0, -1,  0}}, // vertical class 3
    // Nose
    {5, Sel::Shape, 0, { 0,  0,  1,  1,  0,  0,  1, -1,  1,  0,  0,  0, -1,  0,  0}}, // shape 0 "Short Nose"
    {5, Sel::Shape, 1, { 0,  0, -1,  0,  0,  0,  1,  0,  0,  0,  0,  0, -1,  0,  0}}, // shape 1 "Narrow Nose"
    {5, Sel::Shape, 2, { 0,  0,  1,  0,  0,  0,  0,  0,  0,  0,  0,  1,  1,  0,  0}}, // shape 2 "Straight"
    {5, Sel::Shape, 3, { 0,  0,  0,  0,  1,  1, -1,  0, -1,  0,  1,  0, -1,  0,  0}}, // shape 3 "Widen Down"
    {5, Sel::Shape, 4, { 0,  0,  1,  0,  0,  1, -1, -1,  1,  0, -1,  0,  0,  0,  0}}, // shape 4 "Pointed"
    {5, Sel::Shape, 5, { 0,  0,  0,  0,  0,  0,  0,  0, -1, -1,  0,  0,  0,  0,  0}}, // shape 5 "Rhombic"
    {5, Sel::Shape, 6, { 0,  0,  0,  0,  0,  0, -1,  0,  0,  0,  1, -2,  0,  0,  0}}, // shape 6 "Wide"
    {5, Sel::Shape, 7, { 0,  1,  1,  1,  0, -1,  1,  0, -1,  0,  0,  1,  0,  0,  0}}, // shape 7 "Large"
    {5, Sel::Variant, 0, { 0,  0,  1, -1,  0,  0,  1,  0,  1,  1,  0,  0,  0, -1,  0}}, // variant 0 "Narrow Base"
    {5, Sel::Variant, 1, { 0,  0,  0,  0,  1,  0,  0,  0,  0, -1,  1,  0,  0, -1,  0}}, // variant 1 "Short Base"
    {5, Sel::Variant, 3, { 0,  1,  1,  1,  0, -1, -1,  0,  0,  0,  0,  0,  0,  0,  0}}, // variant 3 "Hooked, Nostrils Showing"
    {5, Sel::Variant, 4, { 0,  0, -1,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0}}, // variant 4 "High Base"
    {5, Sel::Variant, 5, { 0,  0,  1,  1,  0,  0, -1,  0, -1,  0,  0, -1,  0,  0,  0}}, // variant 5 "Wide Base"
    // Lips
    {6, Sel::Shape, 0, { 0,  0,  0, -1,  0, -1,  1,  0,  0, -1,  0,  0, -1,  0,  0}}, // shape 0 "Thin Lips"
    {6, Sel::Shape, 2, { 0,  0,  0,  1,  1,  0,  0,  0,  1,  0,  0, -1,  0,  0,  0}}, // shape 2 "Thick Upper Lip"
    {6, Sel::Shape, 3, { 0,  0,  1, -1,  0, -1,  0,  0,  0, -1,  0, -1,  0,  0,  0}}, // shape 3 "Thick Lower Lip"
    {6, Sel::Shape, 4, {-1,  0,  1,  0,  0,  0,  0,  0,  0,  1,  0,  1,  0,  0,  1}}, // shape 4 "Wide Lips"
    {6, Sel::Variant, 0, { 0,  0,  1,  0,  0,  0,  0,  0, -1,  0,  0,  0,  0,  0,  0}}, // variant 0 "Without Shape"
    {6, Sel::Variant, 2, { 0,  0,  0,  0,  1,  0,  0,  0,  0, -1,  0,  0,  0,  0,  0}}, // variant 2 "Arched downwards"
    {6, Sel::Variant, 3, { 0,  1,  0,  1,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0}}, // variant 3 "Heart-shaped"
    {6, Sel::Horz, 1, { 0,  0,  0,  0,  0,  0, -1,  0, -1,  1,  1,  1,  1,  0,  0}}, // size class 1
    {6, Sel::Horz, 3, { 0,  1,  1,  1,  0,  0,  1,  0,  0,  0,  0, -1, -1,  0,  0}}, // size class 3
    // Ears
    {7, Sel::Shape, 0, { 0,  1,  0,  0,  0, -1,  1,  0, -1,  0,  0, -1,  0,  0,  1}}, // shape 0 "Adpressed Ears"
    {7, Sel::Shape, 2, { 0,  0,  1,  0,  0,  0,  0,  0,  1,  0,  1,  0, -1,  1,  0}}, // shape 2 "Sticked out Ears"
    {7, Sel::Shape, 3, { 0,  0,  0, -1,  0,  1,  0,  0,  0, -1,  0,  0, -1,  1, -1}}, // shape 3 "Sticked out Down Ears"
    {7, Sel::Shape, 4, { 0,  0,  0,  1,  0,  0,  0,  0,  0,  0,  0,  1,  0,  1,  0}}, // shape 4 "Sticked out Curved Ears"
    {7, Sel::Shape, 5, { 0,  0,  1,  0, -1, -1,  0,  0,  0,  0,  0,  1, -1,  1,  0}}, // shape 5 "Sticked out Round Ears"
    {7, Sel::Variant, 0, { 0,  0,  1,  1,  0,  0,  0,  0,  1,  0,  0,  0,  0,  0,  0}}, // variant 0 "Without Lobe"
    {7, Sel::Variant, 1, { 0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  1,  0,  0,  0}}, // variant 1 "With Lobe"
    {7, Sel::Variant, 2, { 0,  0,  0,  0,  0,  0, -1,  0,  0,  1,  0,  1,  0,  0,  0}}, // variant 2 "With Large Lobe"
    {7, Sel::Horz, 1, { 0,  1,  1,  0,  0,  0,  0,  0,  1,  0,  1, -1, -1,  0,  0}}, // size class 1
    {7, Sel::Horz, 3, { 1,  0,  0,  1,  0,  0, -1, -1,  0,  1,  0,  1,  0,  0,  0}}, // size class 3
};
// clang-format on

constexpr int kRowCount = static_cast<int>(sizeof kRows / sizeof kRows[0]);

constexpr TraitRuleTables BuildTables() {
    TraitRuleTables tables{};
    for (auto& slot : tables.slots)
        for (auto& selector : slot.rowOf)
            for (auto& row : selector)
                row = -1;
    for (int r = 0; r < kRowCount; ++r) {
        const RuleRow& row = kRows[r];
        tables.slots[row.slot].rowOf[static_cast<int>(row.selector)][row.value] =
            static_cast<signed char>(r);
        for (int t = 0; t < kTraitCount; ++t) {
            const double inc = row.increments[t];
            tables.male[r][t] = inc;
            // Women: no sexual-activity increments, will power at 0.7.
            tables.female[r][t] = t == kSexu ? 0.0 : t == kHeav ? inc * 0.7 : inc;
        }
    }
    return tables;
}

constexpr TraitRuleTables kTables = BuildTables();

} // namespace

const TraitRuleTables& TraitRules() {
    return kTables;
}

int TraitRuleRowCount() {
    return kRowCount;
}

} // namespace mienlore
