// mienlore-cli render: the face picture of a face code, or a review sheet of
// random faces, written as PNG, JPEG or BMP.
#include "CliArgs.h"
#include "CliCommand.h"
#include "NumberArgs.h"
#include "PhotoArgs.h"

#include "base/CrtRandom.h"
#include "base/ProgramFolder.h"
#include "imaging/BitmapFont.h"
#include "imaging/FaceCompositor.h"
#include "imaging/FaceImageFile.h"
#include "imaging/FacePictureLoader.h"
#include "model/FaceFrame.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace mienlore::cli {
namespace {

struct RenderOptions {
    int width = 300;
    int height = 300;
    FaceLook look;
    int reduce = 0; // 0: the window's view; >= 1: the saved picture of that save mode
    int sheet = 0;
    unsigned seed = 1;
    std::string code;
    std::filesystem::path output;
    std::filesystem::path photo; // drawn under the face as a sketch
    CPhotoView photoView;
    bool photoOptions = false;
};

// Most pixels one run may draw: the face, or all faces of a sheet together
// (each is kept until the sheet is drawn) - about 160 MB of picture memory.
constexpr long long kMaxRenderPixels = 40'000'000;

int Fail(const std::string& message) {
    std::fprintf(stderr, "mienlore-cli render: %s\n", message.c_str());
    return 2;
}

// "RRGGBB" as a platform colour value (red in the low byte).
bool ParseColour(const std::string& text, ColorRef& colour) {
    if (text.size() != 6 || text.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
        return false;
    const unsigned long rgb = std::strtoul(text.c_str(), nullptr, 16);
    colour = static_cast<ColorRef>(((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16));
    return true;
}

// Returns an error message, or an empty text when the arguments are fine.
std::string ParseArgs(const std::vector<std::string>& args, RenderOptions& o) {
    bool operandsOnly = false; // after "--"
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (IsOperand(a, operandsOnly)) {
            if (!o.code.empty())
                return "only one face code is taken";
            o.code = a;
            continue;
        }
        if (a == "--") {
            operandsOnly = true;
            continue;
        }
        auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= args.size())
                return std::nullopt;
            return args[++i];
        };
        std::string photoProblem;
        bool usedValue = false;
        const std::string* next = i + 1 < args.size() ? &args[i + 1] : nullptr;
        if (TakePhotoOption(a, next, usedValue, o.photoView, photoProblem)) {
            if (!photoProblem.empty())
                return photoProblem;
            i += usedValue ? 1 : 0;
            o.photoOptions = true;
        } else if (a == "--photo") {
            const auto v = value();
            if (!v || v->empty())
                return "--photo needs a picture file";
            o.photo = *v;
        } else if (a == "--female") {
            continue; // the picture is the same for both; accepted like analyse
        } else if (a == "--size") {
            const auto v = value();
            const auto size = v ? ParseImageSize(*v, 1) : std::nullopt;
            if (!size)
                return ImageSizeNeeds(1);
            o.width = size->width;
            o.height = size->height;
        } else if (a == "--smooth") {
            const auto v = value();
            const auto n = v ? ParseIntIn(*v, 0, 5) : std::nullopt;
            if (!n)
                return "--smooth needs a level 0..5";
            o.look.smoothing = *n;
        } else if (a == "--colour" || a == "--color") {
            const auto v = value();
            if (v == "yellow")
                o.look.faceColor = kFaceYellow;
            else if (v == "gray" || v == "grey")
                o.look.faceColor = kFaceGray;
            else if (v == "white")
                o.look.faceColor = kFaceWhite;
            else
                return "--colour needs yellow, gray or white";
        } else if (a == "--fill") {
            const auto v = value();
            if (!v || !ParseColour(*v, o.look.fillColor))
                return "--fill needs a colour RRGGBB in hexadecimal";
        } else if (a == "--reduce") {
            const auto v = value();
            const auto n = v ? ParseIntIn(*v, 1, 8) : std::nullopt;
            if (!n)
                return "--reduce needs a save mode 1..8";
            o.reduce = *n;
        } else if (a == "--sheet") {
            const auto v = value();
            const auto n = v ? ParseIntIn(*v, 1, 400) : std::nullopt;
            if (!n)
                return "--sheet needs a number of faces 1..400";
            o.sheet = *n;
        } else if (a == "--seed") {
            const auto v = value();
            const auto n = v ? ParseIntIn(*v, 0, 0x7FFFFFFF) : std::nullopt;
            if (!n)
                return "--seed needs a number";
            o.seed = static_cast<unsigned>(*n);
        } else if (a == "-o" || a == "--output") {
            const auto v = value();
            if (!v || v->empty())
                return "-o needs a file name";
            o.output = *v;
        } else {
            return "unknown option " + a;
        }
    }
    if (o.output.empty())
        return "no output file (-o FILE)";
    if (o.sheet == 0 && o.code.empty())
        return "no face code (or \"new\" for the new face)";
    if (o.sheet > 0 && !o.code.empty())
        return "--sheet draws random faces and takes no face code";
    if (o.photoOptions && o.photo.empty())
        return "--zoom, --pan, --rotate and --effects need --photo FILE";
    const long long pixels = static_cast<long long>(o.width) * o.height * std::max(o.sheet, 1);
    if (pixels > kMaxRenderPixels)
        return "the picture would have " + std::to_string(pixels / 1'000'000) +
               " million pixels; at most " + std::to_string(kMaxRenderPixels / 1'000'000) +
               " million are drawn (smaller --size or fewer --sheet faces)";
    return {};
}

bool WriteByExtension(const CDevib& image, const std::filesystem::path& path, bool reduced,
                      std::string& error) {
    // PNG, JPEG or BMP by the extension, JPEG as the saved face picture is.
    return WriteFaceImageFile(image, path, reduced, &error);
}

// The face as the window shows it, or as it is saved with a save mode.
bool RenderOne(const CFaceCompositor& compositor, CFaceFrame& face, const RenderOptions& o,
               CDevib& image) {
    if (o.reduce > 0)
        return RenderFaceImage(compositor, face, o.look, o.reduce, o.width, o.height, image);
    compositor.Render(image, o.width, o.height, face, o.look);
    return !image.IsEmpty();
}

// The code of a face in lines of at most four slot codes, glasses last.
std::vector<std::string> CodeLines(const CFaceFrame& face) {
    std::vector<std::string> lines(1);
    for (int i = 0; i < kFaceSlotCount; ++i) {
        if (lines.back().size() >= 4 * 13)
            lines.emplace_back();
        if (!lines.back().empty())
            lines.back() += ' ';
        lines.back() += EncodeSlot(face.Item(i));
    }
    return lines;
}

int RunSheet(const CFaceCompositor& compositor, const std::filesystem::path& folder,
             const RenderOptions& o) {
    const int columns = std::min(o.sheet, 6);
    const int rows = (o.sheet + columns - 1) / columns;
    constexpr int kLineHeight = kGlyphCellHeight + 2;
    const int labelHeight = 3 * kLineHeight + 6;
    CDevib sheet;
    std::vector<CDevib> faces;
    CCrtRandom random(o.seed);
    int faceW = 0;
    int faceH = 0;
    std::vector<std::vector<std::string>> labels;
    for (int n = 0; n < o.sheet; ++n) {
        CFaceFrame face(folder);
        for (int i = 0; i < kFaceSlotCount; ++i)
            face.Item(i).Randomize(random);
        CDevib image;
        if (!RenderOne(compositor, face, o, image))
            return Fail("cannot render a face of that size");
        faceW = image.Width();
        faceH = image.Height();
        labels.push_back(CodeLines(face));
        faces.push_back(std::move(image));
    }
    const int cellWidth = std::max(faceW, BitmapTextWidth(labels[0][0])) + 8;
    const int cellHeight = faceH + labelHeight;
    if (!sheet.Create(columns * cellWidth, rows * cellHeight))
        return Fail("the sheet is too large");
    sheet.Fill(0xFFFFFFFFu);
    for (int n = 0; n < o.sheet; ++n) {
        const int x = (n % columns) * cellWidth + 4;
        const int y = (n / columns) * cellHeight;
        faces[n].DrawTo(sheet, x, y, faces[n].Width(), faces[n].Height());
        int ly = y + faceH + 3;
        for (const std::string& line : labels[n]) {
            DrawBitmapText(sheet, x, ly, line, MakePixel(0, 0, 0));
            ly += kLineHeight;
        }
    }
    std::string error;
    if (!WriteByExtension(sheet, o.output, false, error))
        return Fail(error);
    return 0;
}

int Run(const std::vector<std::string>& args) {
    RenderOptions o;
    const std::string problem = ParseArgs(args, o);
    if (!problem.empty())
        return Fail(problem);

    const std::filesystem::path folder = ExecutableFolder();
    CFaceCompositor compositor(MakeFacePictureLoader(folder));
    if (!o.photo.empty()) {
        std::string error;
        if (!o.photoView.Load(o.photo, &error))
            return Fail(o.photo.string() + ": " + error);
        // The face over the sketch of the photograph.
        o.photoView.backgroundFace = true;
        o.look.photoBackground = true;
        compositor.SetPhotoPainter([&o](CDevib& canvas, const ImageRect& rect) {
            o.photoView.DrawPhoto(canvas, rect, true);
        });
    }
    if (o.sheet > 0)
        return RunSheet(compositor, folder, o);

    CFaceFrame face(folder);
    if (!face.Decode(FaceArgumentCode(o.code, folder), true))
        return Fail("not a face code: " + o.code);
    CDevib image;
    if (!RenderOne(compositor, face, o, image))
        return Fail("cannot render a face of that size");
    std::string error;
    if (!WriteByExtension(image, o.output, o.reduce > 1, error))
        return Fail(error);
    return 0;
}

CliCommandRegistration reg{
    {"render",
     "[--female] [--size WxH] [--smooth 0..5] [--colour yellow|gray|white] [--fill RRGGBB] "
     "[--reduce N] [--photo FILE [--zoom N] [--pan X,Y] [--rotate D]] CODE|new -o FILE  |  "
     "--sheet N --seed S [options] -o FILE.png",
     "draw the face picture of a face code (PNG, JPEG or BMP by extension), over the sketch of "
     "a photograph with --photo, or a sheet of N random faces with their codes",
     &Run}};

} // namespace
} // namespace mienlore::cli
