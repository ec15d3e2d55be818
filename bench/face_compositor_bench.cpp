// The face picture: composing a full face, and the window's smoothed view,
// at the face window's usual size. Goals: DrawFace under 3 ms, Render at
// smoothing 2 under 8 ms and at smoothing 5 under 16 ms (one 60 Hz frame).
#include "imaging/FaceCompositor.h"
#include "imaging/FacePictureLoader.h"
#include "model/FaceFrame.h"

#include <benchmark/benchmark.h>

namespace {

using namespace mienlore;

constexpr int kSide = 300;

// Every slot filled, with hair, moustache, beard and glasses.
CFaceFrame FullFace() {
    CFaceFrame face(MIENLORE_PROGRAM_FOLDER);
    face.Slot(FaceSlot::Hair).SetShape(3);
    face.Slot(FaceSlot::Hair).SetVariant(2);
    face.Slot(FaceSlot::Moustache).SetShape(2);
    face.Slot(FaceSlot::Beard).SetShape(1);
    face.Slot(FaceSlot::Beard).SetVariant(1);
    face.Slot(FaceSlot::Glasses).SetShape(1);
    for (int i = 0; i < kFaceSlotCount; ++i)
        face.Item(i).Reload();
    return face;
}

FaceLook Look(int smoothing) {
    FaceLook look;
    look.faceColor = kFaceYellow;
    look.fillColor = 0xC0D0E0; // not the face colour: the surroundings are flooded
    look.smoothing = smoothing;
    return look;
}

// False (and the benchmark skipped) when the picture store is not built.
bool HasPictures(benchmark::State& state, const CFaceFrame& face) {
    CFacePictureCache store(MIENLORE_PROGRAM_FOLDER);
    if (store.Picture(face.Slot(FaceSlot::Forehead), 0) &&
        store.Picture(face.Slot(FaceSlot::Hair), 0))
        return true;
    state.SkipWithError("no feature pictures in the program folder (build the picture store)");
    return false;
}

void BM_DrawFaceFull(benchmark::State& state) {
    const CFaceCompositor compositor(MakeFacePictureLoader(MIENLORE_PROGRAM_FOLDER));
    CFaceFrame face = FullFace();
    if (!HasPictures(state, face))
        return;
    const FaceLook look = Look(static_cast<int>(state.range(0)));
    CDevib canvas;
    canvas.Create(kSide, kSide);
    for (auto _ : state) {
        compositor.DrawFace(canvas, ImageRect{0, 0, kSide, kSide}, face, look);
        benchmark::DoNotOptimize(canvas.Pixels());
    }
}
BENCHMARK(BM_DrawFaceFull)->Arg(0)->Arg(2)->Unit(benchmark::kMillisecond);

// The first drawing: every picture read from its file, scaled and blurred.
void BM_DrawFaceCold(benchmark::State& state) {
    CFaceFrame face = FullFace();
    if (!HasPictures(state, face))
        return;
    const FaceLook look = Look(2);
    CDevib canvas;
    canvas.Create(kSide, kSide);
    for (auto _ : state) {
        const CFaceCompositor compositor(MakeFacePictureLoader(MIENLORE_PROGRAM_FOLDER));
        compositor.DrawFace(canvas, ImageRect{0, 0, kSide, kSide}, face, look);
        benchmark::DoNotOptimize(canvas.Pixels());
    }
}
BENCHMARK(BM_DrawFaceCold)->Unit(benchmark::kMillisecond);

void BM_RenderFull(benchmark::State& state) {
    const CFaceCompositor compositor(MakeFacePictureLoader(MIENLORE_PROGRAM_FOLDER));
    CFaceFrame face = FullFace();
    if (!HasPictures(state, face))
        return;
    const FaceLook look = Look(static_cast<int>(state.range(0)));
    CDevib cache;
    for (auto _ : state) {
        compositor.Render(cache, kSide, kSide, face, look);
        benchmark::DoNotOptimize(cache.Pixels());
    }
}
BENCHMARK(BM_RenderFull)->Arg(2)->Arg(5)->Unit(benchmark::kMillisecond);

} // namespace
