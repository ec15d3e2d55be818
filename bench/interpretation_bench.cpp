// The interpretation pages after a face change: building the document from
// the analysis and writing "text.htm" (through a temporary file renamed into
// place). Goal: under 0.2 ms for build and write together.
#include "analysis/FateFrame.h"
#include "model/FaceFrame.h"
#include "reports/Interpretation.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

namespace {

using namespace mienlore;

struct Setup {
    Setup() : face(MIENLORE_PROGRAM_FOLDER), fate(FateTextFiles{MIENLORE_PROGRAM_FOLDER}) {
        fate.BindFace(&face);
        fate.Recompute(true);
        folder =
            std::filesystem::temp_directory_path() / ("mienlore-bench-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder);
    }
    ~Setup() {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
    CFaceFrame face;
    CFateFrame fate;
    std::filesystem::path folder;
};

void BM_BuildAndWrite(benchmark::State& state) {
    Setup s;
    CInterpretationPage page(s.folder, static_cast<int>(state.range(0)));
    int style = 0;
    for (auto _ : state) {
        // A changed document each time (the style alternates), so that
        // every round writes the file.
        page.Build(s.fate, s.face, style);
        page.Write();
        style ^= 1;
    }
}
BENCHMARK(BM_BuildAndWrite)
    ->Arg(kInterpretationText)
    ->Arg(kInterpretationType)
    ->Unit(benchmark::kMicrosecond);

void BM_BuildOnly(benchmark::State& state) {
    Setup s;
    CInterpretationPage page(s.folder, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        page.Build(s.fate, s.face, kPageStyleWhite);
        benchmark::DoNotOptimize(page.Document().Lines().data());
    }
}
BENCHMARK(BM_BuildOnly)
    ->Arg(kInterpretationText)
    ->Arg(kInterpretationType)
    ->Unit(benchmark::kMicrosecond);

} // namespace
