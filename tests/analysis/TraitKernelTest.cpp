#include "analysis/TraitKernel.h"
#include "analysis/FateFrame.h"
#include "analysis/TraitRules.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

using namespace mienlore;

namespace {

bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Random selections of rows, including rows a real face never combines, so
// that long clamped sums and single contributions all occur.
int RandomSelections(std::mt19937& gen, SlotRowSelection (&slots)[kRuleSlotCount]) {
    int count = 0;
    for (int j = 0; j < kRuleSlotCount; ++j) {
        if (gen() % 5 == 0)
            continue;
        SlotRowSelection& s = slots[count++];
        s.slot = j;
        s.rowCount = static_cast<int>(gen() % 6);
        for (int r = 0; r < s.rowCount; ++r)
            s.rows[r] = static_cast<int>(gen() % TraitRuleRowCount());
    }
    return count;
}

} // namespace

// The vector forms must give the plain loops' results to the last bit, for
// men and women (whose will power sums are not integers).
TEST(TraitKernel, VectorFormsMatchThePlainLoopsExactly) {
    std::mt19937 gen(77);
    int compared = 0;
    for (int round = 0; round < 20000; ++round) {
        SlotRowSelection slots[kRuleSlotCount];
        const int count = RandomSelections(gen, slots);
        const bool male = round % 2 == 0;
        TraitKernelResult plain;
        ASSERT_TRUE(ComputeTraitsWith(TraitKernelKind::Plain, slots, count, male, plain));
        for (TraitKernelKind kind : {TraitKernelKind::Sse2, TraitKernelKind::Avx}) {
            TraitKernelResult vector;
            if (!ComputeTraitsWith(kind, slots, count, male, vector))
                continue;
            ++compared;
            for (int t = 0; t < kTraitCount; ++t) {
                ASSERT_TRUE(SameBits(plain.score[t], vector.score[t])) << round << " " << t;
                ASSERT_TRUE(SameBits(plain.norm[t], vector.norm[t])) << round << " " << t;
                ASSERT_EQ(plain.level[t], vector.level[t]);
                ASSERT_TRUE(SameBits(plain.lastSlotDelta[t], vector.lastSlotDelta[t]));
            }
            ASSERT_TRUE(SameBits(plain.agreement, vector.agreement));
            ASSERT_TRUE(SameBits(plain.magnitude, vector.magnitude));
        }
    }
    EXPECT_GT(compared, 0);
}

TEST(TraitKernel, WomenSumInSlotOrder) {
    // Will power deltas of 0.7 from several slots: the magnitude is the sum
    // taken slot by slot.
    int heavRow = -1;
    const TraitRuleTables& rules = TraitRules();
    for (int r = 0; r < TraitRuleRowCount() && heavRow < 0; ++r) {
        bool onlyHeav = rules.male[r][kHeav] == 1;
        for (int t = 0; t < kTraitCount; ++t)
            if (t != kHeav && rules.male[r][t] != 0)
                onlyHeav = false;
        if (onlyHeav)
            heavRow = r;
    }
    // No row raises will power alone; use any row with heav +1 instead.
    if (heavRow < 0)
        for (int r = 0; r < TraitRuleRowCount() && heavRow < 0; ++r)
            if (rules.male[r][kHeav] == 1)
                heavRow = r;
    ASSERT_GE(heavRow, 0);
    EXPECT_EQ(rules.female[heavRow][kHeav], 0.7);
    EXPECT_EQ(rules.female[heavRow][kSexu], 0);

    SlotRowSelection slots[3] = {{0, {heavRow}, 1}, {3, {heavRow}, 1}, {7, {heavRow}, 1}};
    TraitKernelResult out;
    ComputeTraits(slots, 3, false, out);
    double expected = 0;
    for (int i = 0; i < 3; ++i)
        for (int t = 0; t < kTraitCount; ++t)
            expected += std::fabs(rules.female[heavRow][t]);
    EXPECT_EQ(out.magnitude, expected);
    EXPECT_EQ(out.lastSlotDelta[kHeav], 0.7);
}
