// Reading profile files and converting 8-bit text, as the language and text
// files are read at start-up and when pages are built.
#include "base/ProfileFile.h"
#include "base/TextEncoding.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string SampleProfile() {
    std::string text = "[Main]\r\nlang=English\r\n";
    for (int s = 0; s < 20; ++s) {
        text += "[Dialog_" + std::to_string(100 + s) + "]\r\n";
        for (int k = 0; k < 30; ++k)
            text +=
                std::to_string(1000 + k) + "=Some caption text \xE9 " + std::to_string(k) + "\r\n";
    }
    return text;
}

void BM_ProfileParse(benchmark::State& state) {
    const std::string text = SampleProfile();
    for (auto _ : state) {
        mienlore::CProfileFile f;
        f.LoadFromText(text);
        benchmark::DoNotOptimize(f);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * text.size());
}
BENCHMARK(BM_ProfileParse);

void BM_ProfileLookup(benchmark::State& state) {
    mienlore::CProfileFile f;
    f.LoadFromText(SampleProfile());
    for (auto _ : state)
        benchmark::DoNotOptimize(f.GetString("dialog_119", "1029", ""));
}
BENCHMARK(BM_ProfileLookup);

} // namespace
