// Speed of the working image's operations on a window-size face (300 x 300)
// and a photograph (1000 x 1000). Goals: point operations 500 Mpixel/s,
// PyramidBlur (2, 0) 60 Mpixel/s, RankFilter (1, 0) 40 Mpixel/s, GlowSmooth
// (5, 6) under 3 ms and (8, 9) under 8 ms on 300 x 300, smooth Rotate and
// Resample 100 Mpixel/s. Items per second are pixels per second.
#include "imaging/Devib.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

using mienlore::CDevib;

// A face-like picture: smooth shading with some sharp detail.
CDevib Picture(int size) {
    CDevib d;
    d.Create(size, size);
    std::uint32_t noise = 12345;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            noise = noise * 1664525u + 1013904223u;
            const int base = (x * 255 / size + y * 128 / size) & 0xFF;
            const int detail = ((x / 7 + y / 5) % 9 == 0) ? 90 : 0;
            const int r = (base + detail + static_cast<int>(noise >> 28)) & 0xFF;
            d.SetRGB(x, y, r, (r * 3 / 4) & 0xFF, (255 - r) & 0xFF);
        }
    return d;
}

template <typename Op> void RunOn(benchmark::State& state, Op op) {
    CDevib d = Picture(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        op(d);
        benchmark::DoNotOptimize(d.Pixels());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * d.Count());
}

#define SIZES ->Arg(300)->Arg(1000)->Unit(benchmark::kMicrosecond)

void BM_ToGray(benchmark::State& s) {
    RunOn(s, [](CDevib& d) { d.ToGray(); });
}
BENCHMARK(BM_ToGray) SIZES;
void BM_Invert(benchmark::State& s) {
    RunOn(s, [](CDevib& d) { d.Invert(); });
}
BENCHMARK(BM_Invert) SIZES;
void BM_Lighten(benchmark::State& s) {
    RunOn(s, [](CDevib& d) { d.Lighten(40); });
}
BENCHMARK(BM_Lighten) SIZES;
void BM_ToBlackWhite(benchmark::State& s) {
    CDevib src = Picture(static_cast<int>(s.range(0)));
    CDevib d;
    for (auto _ : s) {
        s.PauseTiming();
        src.CopyTo(d); // a second pass would only see black and white
        s.ResumeTiming();
        d.ToBlackWhite(0);
        benchmark::ClobberMemory();
    }
    s.SetItemsProcessed(s.iterations() * src.Count());
}
BENCHMARK(BM_ToBlackWhite) SIZES;
void BM_ReplaceColor(benchmark::State& s) {
    RunOn(s, [](CDevib& d) { d.ReplaceColor(0x00FFFFFF, 0, 0); });
}
BENCHMARK(BM_ReplaceColor) SIZES;

void BM_EdgeMax(benchmark::State& s) {
    RunOn(s, [](CDevib& d) { d.EdgeMax(0); });
}
BENCHMARK(BM_EdgeMax) SIZES;
void BM_RankFilterMedian(benchmark::State& s) {
    RunOn(s, [](CDevib& d) { d.RankFilter(1, 0); });
}
BENCHMARK(BM_RankFilterMedian) SIZES;
void BM_RankFilterMax(benchmark::State& s) {
    RunOn(s, [](CDevib& d) { d.RankFilter(1, -1); });
}
BENCHMARK(BM_RankFilterMax) SIZES;
void BM_PyramidBlur2(benchmark::State& s) {
    RunOn(s, [](CDevib& d) { d.PyramidBlur(2, 0); });
}
BENCHMARK(BM_PyramidBlur2) SIZES;
void BM_GlowSmooth5x6(benchmark::State& s) {
    RunOn(s, [](CDevib& d) { d.GlowSmooth(5, 6, 0, false); });
}
BENCHMARK(BM_GlowSmooth5x6) SIZES;
void BM_GlowSmooth8x9(benchmark::State& s) {
    RunOn(s, [](CDevib& d) { d.GlowSmooth(8, 9, 20, true); });
}
BENCHMARK(BM_GlowSmooth8x9) SIZES;

void BM_RotateSmooth(benchmark::State& s) {
    RunOn(s, [](CDevib& d) { d.Rotate(12, true); });
}
BENCHMARK(BM_RotateSmooth) SIZES;
void BM_RotateNearest(benchmark::State& s) {
    RunOn(s, [](CDevib& d) { d.Rotate(12, false); });
}
BENCHMARK(BM_RotateNearest) SIZES;
// Stretches a picture of size * num / den to the view's size.
void ResampleFrom(benchmark::State& s, int num, int den) {
    const int size = static_cast<int>(s.range(0));
    CDevib src = Picture(size * num / den);
    CDevib target;
    target.Create(size, size);
    for (auto _ : s) {
        CDevib::Resample(target, src);
        benchmark::ClobberMemory();
    }
    s.SetItemsProcessed(s.iterations() * target.Count());
}
void BM_ResampleUp(benchmark::State& s) {
    ResampleFrom(s, 2, 3); // a photograph of 2/3 the size stretched to the view
}
BENCHMARK(BM_ResampleUp) SIZES;
void BM_ResampleDown(benchmark::State& s) {
    ResampleFrom(s, 3, 2);
}
BENCHMARK(BM_ResampleDown) SIZES;

void BM_BlockAverage3(benchmark::State& s) {
    CDevib src = Picture(static_cast<int>(s.range(0)));
    CDevib d;
    for (auto _ : s) {
        s.PauseTiming();
        src.CopyTo(d);
        s.ResumeTiming();
        d.BlockAverage(3, 3);
        benchmark::ClobberMemory();
    }
    s.SetItemsProcessed(s.iterations() * src.Count());
}
BENCHMARK(BM_BlockAverage3) SIZES;

} // namespace
