// The photo view: redrawing the page's view at 400 x 600 with the effects off
// (goal under 8 ms) and with median and edge on (under 16 ms), and the face
// drawn over the sketch of the photograph at 300 x 300 (under 8 ms). The
// photograph is the shipped sample, decoded once.
#include "imaging/FaceCompositor.h"
#include "imaging/FacePictureLoader.h"
#include "imaging/PhotoView.h"
#include "model/FaceFrame.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

using namespace mienlore;

const std::filesystem::path kSample =
    std::filesystem::path(MIENLORE_PROGRAM_FOLDER) / "SAMPLES" / "face.gif";

bool LoadSample(benchmark::State& state, CPhotoView& view) {
    std::string error;
    if (view.Load(kSample, &error))
        return true;
    state.SkipWithError(("cannot load the sample photograph: " + error).c_str());
    return false;
}

void BM_PhotoView(benchmark::State& state) {
    CPhotoView view;
    if (!LoadSample(state, view))
        return;
    view.effects.median = state.range(0) != 0;
    view.effects.edge = state.range(0) != 0;
    view.SetZoom(static_cast<int>(state.range(1)));
    CDevib surface;
    surface.Create(400, 600);
    for (auto _ : state) {
        surface.Fill(0xFFEFEFEFu);
        view.DrawPhoto(surface, ImageRect{0, 0, 400, 600}, false);
        benchmark::DoNotOptimize(surface.Pixels());
    }
    state.counters["decodes"] = view.DecodeCount();
}
// (effects median+edge, zoom value): fitted, and zoomed to 500 %.
BENCHMARK(BM_PhotoView)
    ->Args({0, 100})
    ->Args({1, 100})
    ->Args({0, 20})
    ->Args({1, 20})
    ->Unit(benchmark::kMillisecond);

void BM_FaceOverPhoto(benchmark::State& state) {
    CPhotoView view;
    if (!LoadSample(state, view))
        return;
    view.backgroundFace = true;
    CFaceCompositor compositor(MakeFacePictureLoader(MIENLORE_PROGRAM_FOLDER));
    compositor.SetPhotoPainter(
        [&view](CDevib& canvas, const ImageRect& rect) { view.DrawPhoto(canvas, rect, true); });
    CFaceFrame face(MIENLORE_PROGRAM_FOLDER);
    FaceLook look;
    look.faceColor = kFaceYellow;
    look.photoBackground = true;
    CDevib canvas;
    canvas.Create(300, 300);
    for (auto _ : state) {
        compositor.DrawFace(canvas, ImageRect{0, 0, 300, 300}, face, look);
        benchmark::DoNotOptimize(canvas.Pixels());
    }
    state.counters["decodes"] = view.DecodeCount();
}
BENCHMARK(BM_FaceOverPhoto)->Unit(benchmark::kMillisecond);

} // namespace
