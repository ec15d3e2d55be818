#include "analysis/TraitKernel.h"

#include "analysis/TraitRules.h"

#include <algorithm>
#include <cmath>

#if defined(__SSE2__)
#include <emmintrin.h>

#include "analysis/TraitKernelSimd.h"
#endif

namespace mienlore {

#if defined(__x86_64__) || defined(__i386__)
// In TraitKernelAvx.cpp, built for AVX.
void ComputeTraitLanesAvx(const SlotRowSelection* slots, int count, const double (*rows)[16],
                          TraitKernelResult& out, double (&deltas)[kRuleSlotCount][16],
                          double (&deltaSum)[16], double (&magnitude)[16]);
#endif

namespace {

// Weights by slot, padded to 16 traits.
struct Weights {
    double w[kRuleSlotCount][16];
};

constexpr Weights MakeWeights() {
    Weights s{};
    for (int j = 0; j < kRuleSlotCount; ++j)
        for (int t = 0; t < kTraitCount; ++t)
            s.w[j][t] = kTraitWeights[t][j];
    return s;
}

constexpr Weights kWeights = MakeWeights();

double SumInOrder(const double (&lanes)[16]) {
    double sum = 0;
    for (int t = 0; t < kTraitCount; ++t)
        sum += lanes[t];
    return sum;
}

// For sums of integers, which are exact in any order.
double SumPairwise(const double (&lanes)[16]) {
    double quarter[4];
    for (int q = 0; q < 4; ++q)
        quarter[q] = (lanes[4 * q] + lanes[4 * q + 1]) + (lanes[4 * q + 2] + lanes[4 * q + 3]);
    return (quarter[0] + quarter[1]) + (quarter[2] + quarter[3]); // lane 15 is 0
}

// Agreement and magnitude sums and the ears' deltas. Men's deltas are
// integers, so their sums are exact in any order; women's will power is
// not, so their sums keep the slot-then-trait order.
void FinishSums(const SlotRowSelection* slots, int count, bool male,
                const double (&deltas)[kRuleSlotCount][16], const double (&deltaSum)[16],
                const double (&magnitudeLanes)[16], TraitKernelResult& out) {
    double absDeltaSum[16];
    for (int t = 0; t < 16; ++t)
        absDeltaSum[t] = std::fabs(deltaSum[t]);
    if (male) {
        out.agreement = SumPairwise(absDeltaSum);
        out.magnitude = SumPairwise(magnitudeLanes);
    } else {
        out.agreement = SumInOrder(absDeltaSum);
        double magnitude = 0;
        for (int i = 0; i < count; ++i)
            for (int t = 0; t < kTraitCount; ++t)
                magnitude += std::fabs(deltas[i][t]);
        out.magnitude = magnitude;
    }
    const bool earsPresent = count > 0 && slots[count - 1].slot == kRuleSlotCount - 1;
    for (int t = 0; t < 16; ++t)
        out.lastSlotDelta[t] = earsPresent ? deltas[count - 1][t] : 0.0;
}

#if defined(__SSE2__)
struct Sse2 {
    using V = __m128d;
    static constexpr int kLanes = 2;
    static V Zero() { return _mm_setzero_pd(); }
    static V Set1(double x) { return _mm_set1_pd(x); }
    static V Load(const double* p) { return _mm_load_pd(p); }
    static void Store(double* p, V v) { _mm_store_pd(p, v); }
    static V Add(V a, V b) { return _mm_add_pd(a, b); }
    static V Sub(V a, V b) { return _mm_sub_pd(a, b); }
    static V Mul(V a, V b) { return _mm_mul_pd(a, b); }
    static V Div(V a, V b) { return _mm_div_pd(a, b); }
    static V Min(V a, V b) { return _mm_min_pd(a, b); }
    static V Max(V a, V b) { return _mm_max_pd(a, b); }
    static V And(V a, V b) { return _mm_and_pd(a, b); }
    static V AndNot(V a, V b) { return _mm_andnot_pd(a, b); }
    static V Or(V a, V b) { return _mm_or_pd(a, b); }
    static V Abs(V a) { return _mm_andnot_pd(_mm_set1_pd(-0.0), a); }
    static V CmpNeq(V a, V b) { return _mm_cmpneq_pd(a, b); }
    static V CmpEq(V a, V b) { return _mm_cmpeq_pd(a, b); }
    static V CmpLe(V a, V b) { return _mm_cmple_pd(a, b); }
    static V CmpGe(V a, V b) { return _mm_cmpge_pd(a, b); }
    static V CmpLt(V a, V b) { return _mm_cmplt_pd(a, b); }
};
#endif

using LanesFunction = void (*)(const SlotRowSelection*, int, const double (*)[16],
                               TraitKernelResult&, double (&)[kRuleSlotCount][16], double (&)[16],
                               double (&)[16]);

void PlainLanes(const SlotRowSelection* slots, int count, const double (*rows)[16],
                TraitKernelResult& out, double (&deltas)[kRuleSlotCount][16],
                double (&deltaSum)[16], double (&magnitude)[16]) {
    double contributions[16] = {};
    double score[16] = {};
    std::fill(std::begin(deltaSum), std::end(deltaSum), 0.0);
    std::fill(std::begin(magnitude), std::end(magnitude), 0.0);
    for (int i = 0; i < count; ++i) {
        double* d = deltas[i];
        std::fill(d, d + 16, 0.0);
        for (int r = 0; r < slots[i].rowCount; ++r) {
            const double* row = rows[slots[i].rows[r]];
            // Clamp after every row: the order of the rows matters.
            for (int t = 0; t < 16; ++t)
                d[t] = std::min(2.0, std::max(-2.0, d[t] + row[t]));
        }
        const double* w = kWeights.w[slots[i].slot];
        for (int t = 0; t < 16; ++t) {
            if (d[t] == 0)
                continue;
            contributions[t] += 1;
            deltaSum[t] += d[t];
            score[t] += d[t] * w[t];
            magnitude[t] += std::fabs(d[t]);
        }
    }
    for (int t = 0; t < 16; ++t) {
        double s = score[t];
        if (contributions[t] > 0) {
            s = s / contributions[t];
            if (contributions[t] == 1) {
                // A single slot never decides a trait alone: pull it in.
                if (s <= kLevelThresholds[0])
                    s = kLevelThresholds[0] + 10;
                else if (s >= kLevelThresholds[5])
                    s = kLevelThresholds[5] - 10;
            }
        }
        out.score[t] = s;
        const double norm = (s - -100.0) / 200.0;
        out.norm[t] = norm < 0 ? 0 : norm > 1 ? 1 : norm;
        out.level[t] = ThresholdsBelow(s);
    }
}

#if defined(__SSE2__)
void Sse2Lanes(const SlotRowSelection* slots, int count, const double (*rows)[16],
               TraitKernelResult& out, double (&deltas)[kRuleSlotCount][16], double (&deltaSum)[16],
               double (&magnitude)[16]) {
    simd::ComputeTraitLanes<Sse2>(slots, count, rows, out, deltas, deltaSum, magnitude);
}
#endif

LanesFunction FastestLanes() {
#if defined(__x86_64__) || defined(__i386__)
    if (__builtin_cpu_supports("avx"))
        return &ComputeTraitLanesAvx;
#endif
#if defined(__SSE2__)
    return &Sse2Lanes;
#else
    return &PlainLanes;
#endif
}

void Run(LanesFunction lanes, const SlotRowSelection* slots, int count, bool male,
         TraitKernelResult& out) {
    const TraitRuleTables& rules = TraitRules();
    alignas(64) double deltas[kRuleSlotCount][16];
    alignas(64) double deltaSum[16];
    alignas(64) double magnitude[16];
    lanes(slots, count, male ? rules.male : rules.female, out, deltas, deltaSum, magnitude);
    FinishSums(slots, count, male, deltas, deltaSum, magnitude, out);
}

} // namespace

void ComputeTraits(const SlotRowSelection* slots, int count, bool male, TraitKernelResult& out) {
    static const LanesFunction lanes = FastestLanes();
    Run(lanes, slots, count, male, out);
}

bool ComputeTraitsWith(TraitKernelKind kind, const SlotRowSelection* slots, int count, bool male,
                       TraitKernelResult& out) {
    LanesFunction lanes = nullptr;
    switch (kind) {
    case TraitKernelKind::Plain:
        lanes = &PlainLanes;
        break;
    case TraitKernelKind::Sse2:
#if defined(__SSE2__)
        lanes = &Sse2Lanes;
#endif
        break;
    case TraitKernelKind::Avx:
#if defined(__x86_64__) || defined(__i386__)
        if (__builtin_cpu_supports("avx"))
            lanes = &ComputeTraitLanesAvx;
#endif
        break;
    }
    if (lanes == nullptr)
        return false;
    Run(lanes, slots, count, male, out);
    return true;
}

} // namespace mienlore
