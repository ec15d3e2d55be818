// The character analysis as the searches and the console tool use it: one
// recompute per face, thousands per search, a whole file of codes.
#include "analysis/AnalysisJson.h"
#include "analysis/FateFrame.h"
#include "model/FaceFrame.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <new>
#include <string>
#include <vector>

// Counts every allocation of the program, so that the recompute loops can
// report how many they make (none is the goal). The replacement pairs malloc
// with free, which the compiler cannot see through once inlined.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
namespace {
std::atomic<long long> g_allocations{0};
}

void* operator new(std::size_t size) {
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

using namespace mienlore;

FateTextFiles ProgramFiles() {
    FateTextFiles files;
    files.programFolder = MIENLORE_PROGRAM_FOLDER;
    return files;
}

// Faces with every main slot present, drawn with a fixed seed.
std::vector<CFaceFrame> TypicalFaces(int count) {
    std::vector<CFaceFrame> faces;
    CCrtRandom random(2024);
    for (int n = 0; n < count; ++n) {
        CFaceFrame face(MIENLORE_PROGRAM_FOLDER);
        for (int i = 0; i < kMainSlotCount; ++i) {
            CFaceItem& item = face.Item(i);
            item.Randomize(random);
            if (item.IsEmpty())
                item.SetShape(0);
            item.SetHorzValue(item.HorzMin() +
                              random.Next() % (item.HorzMax() - item.HorzMin() + 1));
            item.SetPosY(item.YMin() + random.Next() % (item.YMax() - item.YMin() + 1));
        }
        faces.push_back(face);
    }
    return faces;
}

void BM_RecomputeInitialFace(benchmark::State& state) {
    CFaceFrame face(MIENLORE_PROGRAM_FOLDER);
    CFateFrame fate(ProgramFiles());
    fate.BindFace(&face);
    const bool withTypes = state.range(0) != 0;
    const long long before = g_allocations.load();
    for (auto _ : state)
        benchmark::DoNotOptimize(fate.Recompute(withTypes));
    state.counters["allocs/iter"] =
        benchmark::Counter(static_cast<double>(g_allocations.load() - before) /
                           static_cast<double>(state.iterations()));
}
BENCHMARK(BM_RecomputeInitialFace)->Arg(0)->Arg(1);

void BM_RecomputeTypicalFaces(benchmark::State& state) {
    std::vector<CFaceFrame> faces = TypicalFaces(64);
    CFateFrame fate(ProgramFiles());
    const bool withTypes = state.range(0) != 0;
    std::size_t n = 0;
    const long long before = g_allocations.load();
    for (auto _ : state) {
        fate.BindFace(&faces[n++ & 63]);
        benchmark::DoNotOptimize(fate.Recompute(withTypes));
    }
    state.counters["allocs/iter"] =
        benchmark::Counter(static_cast<double>(g_allocations.load() - before) /
                           static_cast<double>(state.iterations()));
}
BENCHMARK(BM_RecomputeTypicalFaces)->Arg(0)->Arg(1);

void BM_RecomputeTypicalFacesFemale(benchmark::State& state) {
    std::vector<CFaceFrame> faces = TypicalFaces(64);
    CFateFrame fate(ProgramFiles());
    fate.SetMale(false);
    std::size_t n = 0;
    for (auto _ : state) {
        fate.BindFace(&faces[n++ & 63]);
        benchmark::DoNotOptimize(fate.Recompute(true));
    }
}
BENCHMARK(BM_RecomputeTypicalFacesFemale);

// One search by traits: 3,700 recomputes with types, each after a change of
// one slot of the face.
void BM_SearchSizedRecomputes(benchmark::State& state) {
    CFaceFrame face(MIENLORE_PROGRAM_FOLDER);
    CFateFrame fate(ProgramFiles());
    fate.BindFace(&face);
    for (auto _ : state) {
        for (int n = 0; n < 3700; ++n) {
            CFaceItem& item = face.Item(n & 7);
            item.SetShape(n % (item.Shapes() - 1));
            benchmark::DoNotOptimize(fate.Recompute(true));
        }
    }
    state.SetItemsProcessed(state.iterations() * 3700);
}
BENCHMARK(BM_SearchSizedRecomputes)->Unit(benchmark::kMicrosecond);

// The console tool over a file of 100,000 codes.
void BM_AnalyseCommand100k(benchmark::State& state) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    const std::filesystem::path codes = folder / "mienlore_bench_codes.txt";
    {
        std::ofstream out(codes, std::ios::binary);
        std::vector<CFaceFrame> faces = TypicalFaces(1000);
        for (int n = 0; n < 100000; ++n)
            out << faces[n % 1000].Encode("Face " + std::to_string(n)) << "\r\n";
    }
    const std::string command = std::string(MIENLORE_PROGRAM_FOLDER) +
                                "/mienlore-cli analyse - < " + codes.string() + " > /dev/null";
    for (auto _ : state) {
        const int status = std::system(command.c_str());
        if (status != 0)
            state.SkipWithError("mienlore-cli analyse failed");
    }
    std::filesystem::remove(codes);
    state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(BM_AnalyseCommand100k)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_AnalysisJsonPerCode(benchmark::State& state) {
    std::vector<CFaceFrame> faces = TypicalFaces(64);
    std::vector<std::string> codes;
    for (const CFaceFrame& f : faces)
        codes.push_back(f.Encode("name"));
    CFaceFrame prototype(MIENLORE_PROGRAM_FOLDER);
    CFaceFrame face(prototype);
    CFateFrame fate(ProgramFiles());
    std::string out;
    std::size_t n = 0;
    for (auto _ : state) {
        out.clear();
        AppendAnalysisJson(out, codes[n++ & 63], prototype, face, fate);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_AnalysisJsonPerCode);

} // namespace
