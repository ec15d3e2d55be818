#pragma once

#include "analysis/TraitTable.h"

namespace mienlore {

// The rule rows selected for one present slot, in the order they apply.
struct SlotRowSelection {
    int slot;    // 0..7
    int rows[5]; // row numbers of TraitRules()
    int rowCount;
};

// Trait results of one recompute, one lane per trait (lane 15 unused).
struct TraitKernelResult {
    alignas(64) double score[16];
    alignas(64) double norm[16];
    alignas(64) double level[16];
    alignas(64) double lastSlotDelta[16]; // the ears' deltas (0 when absent)
    double agreement;                     // sum over traits of |sum of the slot deltas|
    double magnitude;                     // sum over slots and traits of |slot delta|
};

// The arithmetic of a recompute: applies each present slot's rows (clamping
// the slot delta to [-2, 2] after every row), weights and averages the
// deltas, pulls in traits fed by a single slot, and gives normalised values
// and levels. Women's rows (no sexual activity, will power at 0.7) when male
// is false. Sums whose order could change a rounded result are taken in
// slot order, then trait order.
// Uses the widest vector instructions of the processor.
void ComputeTraits(const SlotRowSelection* slots, int count, bool male, TraitKernelResult& out);

// The same with one chosen form: plain loops, one trait at a time (the
// reference the vector forms must match exactly), two lanes (SSE2) or four
// (AVX). False when the processor or the build lacks that form.
enum class TraitKernelKind { Plain, Sse2, Avx };
bool ComputeTraitsWith(TraitKernelKind kind, const SlotRowSelection* slots, int count, bool male,
                       TraitKernelResult& out);

} // namespace mienlore
