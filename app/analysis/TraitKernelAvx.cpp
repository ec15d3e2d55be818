// The trait arithmetic with four lanes, for processors with AVX (chosen at
// run time). Everything in this file is built for AVX, so it includes only
// the intrinsics and the kernel body.
#if defined(__x86_64__) || defined(__i386__)

#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx")
#endif

#include <immintrin.h>

#include "analysis/TraitKernelSimd.h"

namespace mienlore {
namespace {

struct Avx {
    using V = __m256d;
    static constexpr int kLanes = 4;
    static V Zero() { return _mm256_setzero_pd(); }
    static V Set1(double x) { return _mm256_set1_pd(x); }
    static V Load(const double* p) { return _mm256_load_pd(p); }
    static void Store(double* p, V v) { _mm256_store_pd(p, v); }
    static V Add(V a, V b) { return _mm256_add_pd(a, b); }
    static V Sub(V a, V b) { return _mm256_sub_pd(a, b); }
    static V Mul(V a, V b) { return _mm256_mul_pd(a, b); }
    static V Div(V a, V b) { return _mm256_div_pd(a, b); }
    static V Min(V a, V b) { return _mm256_min_pd(a, b); }
    static V Max(V a, V b) { return _mm256_max_pd(a, b); }
    static V And(V a, V b) { return _mm256_and_pd(a, b); }
    static V AndNot(V a, V b) { return _mm256_andnot_pd(a, b); }
    static V Or(V a, V b) { return _mm256_or_pd(a, b); }
    static V Abs(V a) { return _mm256_andnot_pd(_mm256_set1_pd(-0.0), a); }
    static V CmpNeq(V a, V b) { return _mm256_cmp_pd(a, b, _CMP_NEQ_UQ); }
    static V CmpEq(V a, V b) { return _mm256_cmp_pd(a, b, _CMP_EQ_OQ); }
    static V CmpLe(V a, V b) { return _mm256_cmp_pd(a, b, _CMP_LE_OQ); }
    static V CmpGe(V a, V b) { return _mm256_cmp_pd(a, b, _CMP_GE_OQ); }
    static V CmpLt(V a, V b) { return _mm256_cmp_pd(a, b, _CMP_LT_OQ); }
};

} // namespace

void ComputeTraitLanesAvx(const SlotRowSelection* slots, int count, const double (*rows)[16],
                          TraitKernelResult& out, double (&deltas)[kRuleSlotCount][16],
                          double (&deltaSum)[16], double (&magnitude)[16]) {
    simd::ComputeTraitLanes<Avx>(slots, count, rows, out, deltas, deltaSum, magnitude);
}

} // namespace mienlore

#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif

#endif
