#pragma once

// Hot integer loops are compiled twice, for AVX2 and for the baseline, and the
// matching version is picked when the program starts. Integer arithmetic gives
// the same results in both. Left out under the sanitizers, which do not mix
// well with the start-up selection, and under clang, which cannot clone the
// templates.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && \
    !defined(__SANITIZE_ADDRESS__)
#define MIENLORE_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define MIENLORE_VECTOR_CLONES
#endif
