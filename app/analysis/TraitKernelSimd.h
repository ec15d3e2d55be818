#pragma once

// The vector form of the trait arithmetic, written once over a lane policy
// (two lanes with SSE2, four with AVX). Every policy operation is a single
// IEEE operation per lane and no multiply-add is fused, so every lane
// computes exactly what the plain loops of ComputeTraitsPlain compute.
// Included by the files that instantiate it for one instruction set; it
// must not include standard headers (their inline functions would be built
// for that instruction set).

#include "analysis/TraitKernel.h"
#include "analysis/TraitRules.h"

namespace mienlore::simd {

// Weights by slot, padded to 16 traits.
struct SlotWeights {
    alignas(64) double w[kRuleSlotCount][16];
};

constexpr SlotWeights MakeSlotWeights() {
    SlotWeights s{};
    for (int j = 0; j < kRuleSlotCount; ++j)
        for (int t = 0; t < kTraitCount; ++t)
            s.w[j][t] = kTraitWeights[t][j];
    return s;
}

inline constexpr SlotWeights kSlotWeights = MakeSlotWeights();

// The level thresholds as a plain array (no library calls at run time).
inline constexpr double kThresholds[6] = {kLevelThresholds[0], kLevelThresholds[1],
                                          kLevelThresholds[2], kLevelThresholds[3],
                                          kLevelThresholds[4], kLevelThresholds[5]};

// Fills out.score, norm, level and lastSlotDelta, and the per-trait lanes
// of the delta sums and magnitudes (the caller adds those up in order).
template <typename P>
void ComputeTraitLanes(const SlotRowSelection* slots, int count, const double (*rows)[16],
                       TraitKernelResult& out, double (&deltas)[kRuleSlotCount][16],
                       double (&deltaSum)[16], double (&magnitude)[16]) {
    using V = typename P::V;
    constexpr int kVectors = 16 / P::kLanes;
    const V zero = P::Zero();
    const V low = P::Set1(-2.0);
    const V high = P::Set1(2.0);
    for (int i = 0; i < count; ++i) {
        V d[kVectors];
        for (V& v : d)
            v = zero;
        for (int r = 0; r < slots[i].rowCount; ++r) {
            const double* row = rows[slots[i].rows[r]];
            for (int k = 0; k < kVectors; ++k)
                d[k] = P::Min(P::Max(P::Add(d[k], P::Load(row + P::kLanes * k)), low), high);
        }
        for (int k = 0; k < kVectors; ++k)
            P::Store(deltas[i] + P::kLanes * k, d[k]);
    }

    const V one = P::Set1(1.0);
    const V lowest = P::Set1(kThresholds[0]);
    const V highest = P::Set1(kThresholds[5]);
    const V pulledLow = P::Set1(kThresholds[0] + 10);
    const V pulledHigh = P::Set1(kThresholds[5] - 10);
    const V scaleMin = P::Set1(-100.0);
    const V scaleRange = P::Set1(200.0);
    for (int k = 0; k < kVectors; ++k) {
        const int lane = P::kLanes * k;
        V contributions = zero;
        V sum = zero;
        V score = zero;
        V absSum = zero;
        for (int i = 0; i < count; ++i) {
            const V d = P::Load(deltas[i] + lane);
            const V w = P::Load(kSlotWeights.w[slots[i].slot] + lane);
            // A delta of 0 adds nothing to any sum.
            contributions = P::Add(contributions, P::And(P::CmpNeq(d, zero), one));
            sum = P::Add(sum, d);
            score = P::Add(score, P::Mul(d, w));
            absSum = P::Add(absSum, P::Abs(d));
        }
        P::Store(deltaSum + lane, sum);
        P::Store(magnitude + lane, absSum);

        // Average; dividing by 1 leaves a score as it is, so traits without
        // contributions and with one share the division.
        V s = P::Div(score, P::Max(contributions, one));
        const V single = P::CmpEq(contributions, one);
        const V pullLow = P::And(single, P::CmpLe(s, lowest));
        const V pullHigh = P::And(single, P::CmpGe(s, highest));
        s = P::Or(P::AndNot(pullLow, s), P::And(pullLow, pulledLow));
        s = P::Or(P::AndNot(pullHigh, s), P::And(pullHigh, pulledHigh));
        P::Store(out.score + lane, s);
        const V norm = P::Div(P::Sub(s, scaleMin), scaleRange);
        P::Store(out.norm + lane, P::Min(P::Max(norm, zero), one));
        V level = zero;
        for (int i = 0; i < 6; ++i)
            level = P::Add(level, P::And(P::CmpLt(P::Set1(kThresholds[i]), s), one));
        P::Store(out.level + lane, level);
    }
}

} // namespace mienlore::simd
