// The three searches over gallery-sized inputs: the search by traits (a full
// run of about 3,700 recomputes), the similar-face search over 10,000
// gallery faces, and the character map (statistics, training and mapping)
// over 1,000 and 10,000 faces.
#include "analysis/FateFrame.h"
#include "gallery/CharacterMap.h"
#include "gallery/SimilarSearch.h"
#include "gallery/TraitSearch.h"
#include "model/FaceFrame.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using namespace mienlore;

// Gallery faces drawn with a fixed seed, every main slot present, with
// names that repeat now and then.
std::vector<StoredFace> Gallery(int count) {
    std::vector<StoredFace> faces;
    faces.reserve(count);
    CFaceFrame face(MIENLORE_PROGRAM_FOLDER);
    CCrtRandom random(77);
    for (int n = 0; n < count; ++n) {
        for (int i = 0; i < kMainSlotCount; ++i) {
            CFaceItem& item = face.Item(i);
            item.Randomize(random);
            if (item.IsEmpty())
                item.SetShape(0);
            item.SetPosY(item.YMin() + random.Next() % (item.YMax() - item.YMin() + 1));
        }
        const std::string name = "Face " + std::to_string(n / 3);
        faces.push_back({face.Encode(name), name});
    }
    return faces;
}

FateTextFiles Files() {
    FateTextFiles files;
    files.programFolder = MIENLORE_PROGRAM_FOLDER;
    return files;
}

void BM_TraitSearchFullRun(benchmark::State& state) {
    const CFaceFrame start(MIENLORE_PROGRAM_FOLDER);
    const PreparedTargets targets = PrepareTargets(PresetTargets(4));
    CFateFrame fate(Files());
    unsigned seed = 1;
    for (auto _ : state) {
        state.PauseTiming();
        CFaceFrame face = start;
        fate.BindFace(&face);
        CCrtRandom random(seed++);
        state.ResumeTiming();
        const TraitSearchResult result = SearchByTraits(face, fate, targets, random);
        benchmark::DoNotOptimize(result.finalScore);
    }
}
BENCHMARK(BM_TraitSearchFullRun)->Unit(benchmark::kMillisecond);

void BM_SimilarSearch(benchmark::State& state) {
    const CSimilarSearch search(Gallery(static_cast<int>(state.range(0))));
    CFaceFrame face(MIENLORE_PROGRAM_FOLDER);
    for (auto _ : state) {
        const std::vector<SimilarRow> rows = search.Search(face);
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_SimilarSearch)->Arg(10000)->Unit(benchmark::kMillisecond);

// Reading the collection once (decoding every face code).
void BM_SimilarSearchLoad(benchmark::State& state) {
    const std::vector<StoredFace> gallery = Gallery(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const CSimilarSearch search(gallery);
        benchmark::DoNotOptimize(search.Size());
    }
}
BENCHMARK(BM_SimilarSearchLoad)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_CharacterMap(benchmark::State& state) {
    const std::vector<StoredFace> gallery = Gallery(static_cast<int>(state.range(0)));
    const std::vector<int> dims = MapDimensions(ChooseMapTraits({}));
    for (auto _ : state) {
        const GalleryStatistics stats =
            ComputeGalleryStatistics(gallery, {}, MIENLORE_PROGRAM_FOLDER);
        CSon map;
        BuildCharacterMap(map, stats, dims);
        benchmark::DoNotOptimize(map.Nodes().data());
    }
}
BENCHMARK(BM_CharacterMap)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
