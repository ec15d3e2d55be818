// mienlore-cli figures: how strongly the features show in the face window.
// For the new face and a number of random faces (the faces of
// `render --sheet` with the same seed) it renders each face as the window
// shows it and prints, per feature, the median over the faces of the darkest
// grey inside the feature's drawn box, and for the cheeks the darkest and the
// mean grey of a patch of skin on each side between the eye, the nose and the
// mouth. With --bare the random faces wear no hair, moustache, beard or
// glasses, so that the figures show the features themselves.
#include "CliArgs.h"
#include "CliCommand.h"
#include "NumberArgs.h"

#include "base/CrtRandom.h"
#include "base/ProgramFolder.h"
#include "imaging/FaceCompositor.h"
#include "imaging/FacePictureLoader.h"
#include "model/FaceFrame.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace mienlore::cli {
namespace {

int Fail(const std::string& message) {
    std::fprintf(stderr, "mienlore-cli figures: %s\n", message.c_str());
    return 2;
}

// The measured features, in face order.
struct Feature {
    FaceSlot slot;
    const char* name;
};
constexpr Feature kFeatures[] = {
    {FaceSlot::Eyes, "eyes"},
    {FaceSlot::Eyebrows, "eyebrows"},
    {FaceSlot::Nose, "nose"},
    {FaceSlot::Lips, "mouth"},
};

// Skin patches of both cheeks at the default placement: below the eyes,
// beside the nose's wings and above the mouth corners (canvas pixels,
// right and bottom edges outside).
constexpr FaceRect kCheekPatches[] = {{70, 158, 96, 182}, {164, 158, 190, 182}};

int Median(std::vector<int> values) {
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2] + 1) / 2;
}

// Grey level at picture coordinates (y = 0 at the top; the image stores its
// bottom row first).
int Grey(const CDevib& image, int x, int y) {
    return LumaInt(image.GetPixel(x, image.Height() - 1 - y));
}

// Darkest grey inside a rectangle clipped to the image; -1 when it is empty.
int Darkest(const CDevib& image, const FaceRect& r) {
    int darkest = -1;
    for (int y = std::max(r.top, 0); y < std::min(r.bottom, image.Height()); ++y)
        for (int x = std::max(r.left, 0); x < std::min(r.right, image.Width()); ++x) {
            const int g = Grey(image, x, y);
            darkest = darkest < 0 ? g : std::min(darkest, g);
        }
    return darkest;
}

int Mean(const CDevib& image, const FaceRect& r) {
    long sum = 0;
    long count = 0;
    for (int y = std::max(r.top, 0); y < std::min(r.bottom, image.Height()); ++y)
        for (int x = std::max(r.left, 0); x < std::min(r.right, image.Width()); ++x) {
            sum += Grey(image, x, y);
            ++count;
        }
    return count > 0 ? static_cast<int>(sum / count) : -1;
}

struct Samples {
    std::vector<std::vector<int>> features{std::size(kFeatures)};
    std::vector<int> cheekDarkest;
    std::vector<int> cheekMean;
};

void Measure(const CDevib& image, const CFaceFrame& face, Samples& samples) {
    for (std::size_t f = 0; f < std::size(kFeatures); ++f) {
        const CFaceItem& item = face.Slot(static_cast<int>(kFeatures[f].slot));
        if (item.IsEmpty())
            continue;
        int darkest = -1;
        for (int which = 0; which < (item.IsPaired() ? 2 : 1); ++which) {
            const int d = Darkest(image, item.pict[which].drawnRect);
            if (d >= 0)
                darkest = darkest < 0 ? d : std::min(darkest, d);
        }
        if (darkest >= 0)
            samples.features[f].push_back(darkest);
    }
    if (face.Slot(static_cast<int>(FaceSlot::CheekBones)).IsEmpty())
        return;
    int darkest = 255;
    int mean = 0;
    for (const FaceRect& patch : kCheekPatches) {
        darkest = std::min(darkest, Darkest(image, patch));
        mean += Mean(image, patch);
    }
    samples.cheekDarkest.push_back(darkest);
    samples.cheekMean.push_back(mean / static_cast<int>(std::size(kCheekPatches)));
}

int Run(const std::vector<std::string>& args) {
    const CliArgs parsed =
        ParseCliArgs(args, {"--bare"}, {"--faces", "--seed", "--smooth", "--size"});
    if (!parsed.error.empty())
        return Fail(parsed.error);
    if (!parsed.operands.empty())
        return Fail("unexpected argument " + parsed.operands[0]);
    // A repeated option: every value must be good, the last one counts
    // (every --smooth level is measured).
    int faces = 24;
    for (const std::string& value : parsed.All("--faces")) {
        const auto n = ParseIntIn(value, 0, 1000);
        if (!n)
            return Fail("--faces needs a number 0..1000");
        faces = *n;
    }
    unsigned seed = 11;
    for (const std::string& value : parsed.All("--seed")) {
        const auto n = ParseIntIn(value, 0, 0x7FFFFFFF);
        if (!n)
            return Fail("--seed needs a number");
        seed = static_cast<unsigned>(*n);
    }
    std::vector<int> levels;
    for (const std::string& value : parsed.All("--smooth")) {
        const auto n = ParseIntIn(value, 0, 5);
        if (!n)
            return Fail("--smooth needs a level 0..5");
        levels.push_back(*n);
    }
    constexpr int kMinSide = 50;
    ImageSize size{300, 300};
    for (const std::string& value : parsed.All("--size")) {
        const auto given = ParseImageSize(value, kMinSide);
        if (!given)
            return Fail(ImageSizeNeeds(kMinSide));
        size = *given;
    }
    const int width = size.width;
    const int height = size.height;
    const bool bare = parsed.Has("--bare");
    if (levels.empty())
        levels = {0, 2};

    const std::filesystem::path folder = ExecutableFolder();
    const CFaceCompositor compositor(MakeFacePictureLoader(folder));
    std::printf("new face + %d random faces (seed %u%s) at %dx%d; median of the darkest grey "
                "in each feature's box\n",
                faces, seed, bare ? ", no hair, moustache, beard or glasses" : "", width, height);
    std::printf("%-10s", "smoothing");
    for (const Feature& f : kFeatures)
        std::printf(" %9s", f.name);
    std::printf(" %13s %11s\n", "cheeks-darkest", "cheeks-mean");
    for (int level : levels) {
        FaceLook look;
        look.smoothing = level;
        Samples samples;
        CCrtRandom random(seed);
        for (int n = 0; n <= faces; ++n) {
            CFaceFrame face(folder);
            if (n > 0)
                for (int i = 0; i < kFaceSlotCount; ++i) {
                    face.Item(i).Randomize(random);
                    if (bare && face.Item(i).IsAccessory())
                        face.Item(i).Hide();
                }
            CDevib image;
            compositor.Render(image, width, height, face, look);
            if (image.IsEmpty())
                return Fail("cannot render a face of that size");
            Measure(image, face, samples);
        }
        std::printf("%-10d", level);
        for (const std::vector<int>& values : samples.features)
            std::printf(" %9d", Median(values));
        std::printf(" %14d %11d\n", Median(samples.cheekDarkest), Median(samples.cheekMean));
    }
    return 0;
}

CliCommandRegistration reg{
    {"figures", "[--faces N] [--seed S] [--smooth 0..5]... [--size WxH] [--bare]",
     "how strongly the features show: per feature the median darkest grey in its box over the "
     "new face and N random faces (24, seed 11, smoothing 0 and 2, 300x300 by default)",
     &Run}};

} // namespace
} // namespace mienlore::cli
