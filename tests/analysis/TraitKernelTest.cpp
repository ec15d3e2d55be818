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

TEST(TraitKernel, MagnitudeSumsTheSizeOfEveryIncrement) {
    // Worked example: the forehead row "With Small M" raises activity and
    // lowers energy, confidence and will power by 1. For a man each slot that
    // applies it adds 4 to the magnitude; for a woman will power counts 0.7,
    // so each adds 3.7.
    const int row = 4;
    const TraitRuleTables& rules = TraitRules();
    ASSERT_EQ(rules.male[row][kActi], 1);
    ASSERT_EQ(rules.male[row][kEner], -1);
    ASSERT_EQ(rules.male[row][kConf], -1);
    ASSERT_EQ(rules.male[row][kHeav], -1);

    SlotRowSelection slots[3] = {{0, {row}, 1}, {3, {row}, 1}, {7, {row}, 1}};
    TraitKernelResult man;
    ComputeTraits(slots, 3, true, man);
    EXPECT_EQ(man.magnitude, 12.0);
    EXPECT_EQ(man.lastSlotDelta[kHeav], -1.0);
    TraitKernelResult woman;
    ComputeTraits(slots, 3, false, woman);
    EXPECT_DOUBLE_EQ(woman.magnitude, 11.1);
    EXPECT_DOUBLE_EQ(woman.lastSlotDelta[kHeav], -0.7);
    EXPECT_EQ(woman.lastSlotDelta[kSexu], 0.0);
}
