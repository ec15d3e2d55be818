// Reading gallery folders: file names, descriptions and face files of large
// generated folders (no pictures are decoded when a folder is read).
#include "files/StoredFace.h"
#include "gallery/GallCollection.h"
#include "gallery/SimilarSearchFaces.h"
#include "model/FaceFrame.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// A folder of count portraits below the temporary folder, made once per size:
// every tenth without a description, the others with ".phy" and ".fac".
std::filesystem::path GeneratedFolder(int count) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                         ("mienlore-bench-gallery-" + std::to_string(count));
    if (std::filesystem::exists(folder / "done"))
        return folder;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    mienlore::CFaceFrame face(MIENLORE_PROGRAM_FOLDER);
    const std::string jpeg(2048, '\xAB'); // the size is all that matters here
    for (int i = 0; i < count; ++i) {
        const std::string base = "drawme-Given" + std::to_string(i) + "-Family";
        face.Slot(mienlore::FaceSlot::Nose).SetShape(i % 40);
        const std::string line = face.Encode("Given" + std::to_string(i) + " Family");
        std::ofstream(folder / (base + ".jpg"), std::ios::binary) << jpeg;
        if (i % 10 != 9)
            std::ofstream(folder / (base + ".phy"), std::ios::binary) << line << "\r\n";
        std::ofstream(folder / (base + ".fac"), std::ios::binary)
            << mienlore::ToFacLine(line) << "\r\n";
    }
    std::ofstream(folder / "done") << "";
    return folder;
}

void BM_LoadShippedGalleryFolder(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const std::filesystem::path folder = GeneratedFolder(count);
    mienlore::CGallery gallery(MIENLORE_PROGRAM_FOLDER);
    for (auto _ : state) {
        const std::size_t shown = gallery.LoadFolder(mienlore::GallFolder::Gallery, folder);
        benchmark::DoNotOptimize(shown);
    }
    state.counters["portraits"] = count;
    state.counters["faces"] = static_cast<double>(gallery.GalleryFaces().size());
}
BENCHMARK(BM_LoadShippedGalleryFolder)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_LoadMyGalleryFolder(benchmark::State& state) {
    const std::filesystem::path folder = GeneratedFolder(static_cast<int>(state.range(0)));
    mienlore::CGallery gallery(MIENLORE_PROGRAM_FOLDER);
    for (auto _ : state)
        benchmark::DoNotOptimize(gallery.LoadFolder(mienlore::GallFolder::My, folder));
}
BENCHMARK(BM_LoadMyGalleryFolder)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_GalleryFaceFilesForSearch(benchmark::State& state) {
    const std::filesystem::path folder = GeneratedFolder(10000);
    mienlore::CGallery gallery(MIENLORE_PROGRAM_FOLDER);
    gallery.LoadFolder(mienlore::GallFolder::Gallery, folder);
    for (auto _ : state)
        benchmark::DoNotOptimize(mienlore::FaceFilesOf(gallery));
}
BENCHMARK(BM_GalleryFaceFilesForSearch)->Unit(benchmark::kMillisecond);

} // namespace
