// mienlore-typepics OUT_DIR PROGRAM_FOLDER: draws the pictures of the
// interpretation pages and of the about box as GIF files:
//   OUT_DIR/GIFS/i-rect-0.gif .. i-rect-10.gif   type bars, 101 x 14
//   OUT_DIR/GIFS/horo-<sign>.gif                  sign badges, 20 x 19
//   PROGRAM_FOLDER/Text|PType/lineb.gif, linew.gif  page backgrounds
//   PROGRAM_FOLDER/about.gif                      the about box's animation
// OUT_DIR becomes the resource pack "typepages.rcc".
#include "GifWriter.h"

#include "analysis/PType.h"
#include "base/AtomicFile.h"
#include "imaging/BitmapFont.h"
#include "imaging/Devib.h"
#include "imaging/FaceCompositor.h"
#include "imaging/FacePictureLoader.h"
#include "model/FaceFrame.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

using namespace typepics;
namespace fs = std::filesystem;

namespace {

bool g_failed = false;

void Write(const fs::path& path, int w, int h, const std::vector<Rgb>& palette,
           const std::vector<GifFrame>& frames, int transparent) {
    std::string error;
    if (!WriteGif(path, w, h, palette, frames, transparent, &error)) {
        std::fprintf(stderr, "mienlore-typepics: %s\n", error.c_str());
        g_failed = true;
    }
}

// The bar of one level: a rounded frame, filled from the left by level
// tenths with a warm gradient, empty part see-through so that the page's
// background shows (it reads on the dark and the light style alike).
void WriteBar(const fs::path& folder, int level) {
    constexpr int W = 101;
    constexpr int H = 14;
    // 0 transparent, 1 frame, 2 inner shade, 3.. gradient (top light to bottom dark)
    std::vector<Rgb> palette = {{255, 0, 255}, {128, 128, 136}, {96, 96, 104}};
    const int gradientBase = static_cast<int>(palette.size());
    constexpr int kSteps = 12; // left to right
    for (int i = 0; i < kSteps; ++i) {
        const double t = i / double(kSteps - 1);
        // gold to deep orange
        palette.push_back({static_cast<std::uint8_t>(240 - 20 * t),
                           static_cast<std::uint8_t>(190 - 100 * t),
                           static_cast<std::uint8_t>(70 - 40 * t)});
    }
    for (int i = 0; i < kSteps; ++i) { // lighter row for the top highlight
        const Rgb& c = palette[gradientBase + i];
        palette.push_back({static_cast<std::uint8_t>(std::min(255, c.r + 15)),
                           static_cast<std::uint8_t>(std::min(255, c.g + 45)),
                           static_cast<std::uint8_t>(std::min(255, c.b + 60))});
    }
    GifFrame frame;
    frame.indices.assign(W * H, 0);
    const int fill = 1 + (W - 2) * level / 10; // columns 1 .. fill-1 filled
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            const bool corner = (x == 0 || x == W - 1) && (y == 0 || y == H - 1);
            std::uint8_t& p = frame.indices[y * W + x];
            if (corner)
                p = 0;
            else if (x == 0 || x == W - 1 || y == 0 || y == H - 1)
                p = 1;
            else if (x < fill) {
                const int step = std::min(kSteps - 1, (x - 1) * kSteps / (W - 2));
                p = static_cast<std::uint8_t>(gradientBase + step + (y <= 4 ? kSteps : 0));
            } else
                p = (y == 1 || x == 1) ? 2 : 0;
        }
    }
    Write(folder / ("i-rect-" + std::to_string(level) + ".gif"), W, H, palette, {frame}, 0);
}

struct SignLook {
    const char* sign;
    const char* letters;
    Rgb colour; // by element: fire, earth, air, water
};

constexpr Rgb kFire{200, 60, 40};
constexpr Rgb kEarth{70, 130, 60};
constexpr Rgb kAir{190, 150, 30};
constexpr Rgb kWater{40, 90, 180};

const SignLook kSigns[] = {
    {"aries", "Ar", kFire},      {"taurus", "Ta", kEarth},  {"gemini", "Ge", kAir},
    {"cancer", "Cn", kWater},    {"leo", "Le", kFire},      {"virgo", "Vi", kEarth},
    {"libra", "Li", kAir},       {"scorpio", "Sc", kWater}, {"sagittarius", "Sg", kFire},
    {"capricorn", "Cp", kEarth}, {"aquarius", "Aq", kAir},  {"pisces", "Pi", kWater},
};

// A round badge in the element's colour with the sign's two letters.
void WriteSign(const fs::path& folder, const SignLook& s) {
    constexpr int W = 20;
    constexpr int H = 19;
    mienlore::CDevib img;
    img.Create(W, H);
    img.Fill(mienlore::MakePixel(255, 0, 255));
    const double cx = (W - 1) / 2.0;
    const double cy = (H - 1) / 2.0;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const double d = std::hypot(x - cx, y - cy);
            if (d <= 9.2) {
                const double shade = 1.15 - 0.3 * (y / double(H)); // lit from above
                const auto ch = [&](int v) {
                    return static_cast<int>(std::clamp(v * shade, 0.0, 255.0));
                };
                const bool rim = d > 8.2;
                const int r = rim ? 230 : ch(s.colour.r);
                const int g = rim ? 230 : ch(s.colour.g);
                const int b = rim ? 230 : ch(s.colour.b);
                img.SetPixel(x, H - 1 - y, mienlore::MakePixel(r, g, b));
            }
        }
    const int tw = mienlore::BitmapTextWidth(s.letters);
    mienlore::DrawBitmapText(img, (W - tw) / 2 + 1, 6, s.letters,
                             mienlore::MakePixel(255, 255, 255));
    // Palette: transparent, then the colours in order of appearance.
    std::vector<Rgb> palette = {{255, 0, 255}};
    GifFrame frame;
    frame.indices.resize(W * H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const auto p = img.GetPixel(x, H - 1 - y);
            const Rgb c{static_cast<std::uint8_t>(mienlore::RedOf(p)),
                        static_cast<std::uint8_t>(mienlore::GreenOf(p)),
                        static_cast<std::uint8_t>(mienlore::BlueOf(p))};
            std::size_t i = 0;
            while (i < palette.size() &&
                   (palette[i].r != c.r || palette[i].g != c.g || palette[i].b != c.b))
                ++i;
            if (i == palette.size())
                palette.push_back(c);
            frame.indices[y * W + x] = static_cast<std::uint8_t>(std::min<std::size_t>(i, 255));
        }
    Write(folder / (std::string("horo-") + s.sign + ".gif"), W, H, palette, {frame}, 0);
}

// A page background tile: the ground with a faint rule every 18 pixels, the
// height of one row of the type chart.
void WriteBackground(const fs::path& path, Rgb ground, Rgb rule) {
    constexpr int W = 16;
    constexpr int H = 18;
    GifFrame frame;
    frame.indices.assign(W * H, 0);
    for (int x = 0; x < W; ++x)
        frame.indices[(H - 1) * W + x] = 1;
    Write(path, W, H, {ground, rule}, {frame}, -1);
}

// Faces composed by the compositor, one feature changing per frame.
void WriteAboutAnimation(const fs::path& programFolder) {
    constexpr int kRender = 240;
    constexpr int kOut = 120;
    const mienlore::CFaceCompositor compositor(mienlore::MakeFacePictureLoader(programFolder));
    mienlore::FaceLook look;
    look.showInfo = false;
    look.smoothing = 0;
    mienlore::CFaceFrame face(programFolder);

    // Palette: a 6 x 6 x 6 cube and 40 greys.
    std::vector<Rgb> palette;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                palette.push_back({static_cast<std::uint8_t>(r * 51),
                                   static_cast<std::uint8_t>(g * 51),
                                   static_cast<std::uint8_t>(b * 51)});
    for (int i = 0; i < 40; ++i) {
        const auto v = static_cast<std::uint8_t>(3 + i * 252 / 39);
        palette.push_back({v, v, v});
    }
    const auto nearest = [&](int r, int g, int b) {
        int best = 0;
        int bestD = 1 << 30;
        for (std::size_t i = 0; i < palette.size(); ++i) {
            const int dr = palette[i].r - r, dg = palette[i].g - g, db = palette[i].b - b;
            const int d = dr * dr * 3 + dg * dg * 4 + db * db * 2;
            if (d < bestD) {
                bestD = d;
                best = static_cast<int>(i);
            }
        }
        return static_cast<std::uint8_t>(best);
    };

    const int order[] = {3, 5, 6, 4, 0, 2, 7, 1, 3, 6, 5, 2};
    std::vector<GifFrame> frames;
    for (int n = 0; n <= 12; ++n) {
        if (n > 0) {
            mienlore::CFaceItem& item = face.Item(order[n - 1]);
            int shape = item.GetShape() + 1;
            if (shape + 1 >= item.Shapes())
                shape = 0; // keep the feature visible
            item.SetShape(shape);
            item.Reload();
        }
        mienlore::CDevib image;
        compositor.Render(image, kRender, kRender, face, look);
        if (image.IsEmpty())
            return;
        GifFrame frame;
        frame.delayCs = 70;
        frame.indices.resize(kOut * kOut);
        const int sw = image.Width() / kOut;
        const int sh = image.Height() / kOut;
        for (int y = 0; y < kOut; ++y)
            for (int x = 0; x < kOut; ++x) {
                int r = 0, g = 0, b = 0;
                for (int dy = 0; dy < sh; ++dy)
                    for (int dx = 0; dx < sw; ++dx) {
                        const auto p =
                            image.GetPixel(x * sw + dx, image.Height() - 1 - (y * sh + dy));
                        r += mienlore::RedOf(p);
                        g += mienlore::GreenOf(p);
                        b += mienlore::BlueOf(p);
                    }
                const int k = sw * sh;
                frame.indices[y * kOut + x] = nearest(r / k, g / k, b / k);
            }
        frames.push_back(std::move(frame));
    }
    Write(programFolder / "about.gif", kOut, kOut, palette, frames, -1);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: mienlore-typepics OUT_DIR PROGRAM_FOLDER\n");
        return 2;
    }
    const fs::path out = fs::path(argv[1]) / "GIFS";
    const fs::path program = argv[2];
    std::error_code ec;
    fs::create_directories(out, ec);
    for (const char* folder : {"Text", "PType"})
        fs::create_directories(program / folder, ec);

    for (int level = 0; level <= 10; ++level)
        WriteBar(out, level);
    // Every sign the personality types use.
    std::vector<mienlore::CPType> types;
    mienlore::BuildPTypeTable(types, fs::path());
    std::set<std::string> used;
    for (const mienlore::CPType& t : types)
        used.insert(t.sign);
    for (const SignLook& s : kSigns)
        if (used.count(s.sign))
            WriteSign(out, s);
    for (const std::string& sign : used)
        if (std::none_of(std::begin(kSigns), std::end(kSigns),
                         [&](const SignLook& s) { return sign == s.sign; })) {
            std::fprintf(stderr, "mienlore-typepics: no badge for the sign %s\n", sign.c_str());
            g_failed = true;
        }

    // The type chart's rows sit on the rules; the text page's paragraphs do
    // not follow an 18-pixel grid, so its ground is plain.
    WriteBackground(program / "PType" / "lineb.gif", {22, 24, 30}, {34, 38, 50});
    WriteBackground(program / "PType" / "linew.gif", {252, 251, 246}, {232, 234, 240});
    WriteBackground(program / "Text" / "lineb.gif", {22, 24, 30}, {22, 24, 30});
    WriteBackground(program / "Text" / "linew.gif", {252, 251, 246}, {252, 251, 246});
    WriteAboutAnimation(program);
    return g_failed ? 1 : 0;
}
