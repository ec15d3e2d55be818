// mienlore-cli photo: the photo page's view of a picture file, with its
// effects, zoom, pan and rotation, written as PNG, JPEG or BMP.
#include "CliArgs.h"
#include "CliCommand.h"
#include "NumberArgs.h"
#include "PhotoArgs.h"

#include "imaging/ImageFile.h"
#include "imaging/PhotoView.h"
#include "imaging/PngFile.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace mienlore::cli {
namespace {

// The page's background colour behind the view.
constexpr ColorRef kPageBackground = 0xEFEFEF;

int Fail(const std::string& message) {
    std::fprintf(stderr, "mienlore-cli photo: %s\n", message.c_str());
    return 2;
}

int Run(const std::vector<std::string>& args) {
    CPhotoView view;
    int width = 400, height = 600;
    std::filesystem::path input, output;
    bool operandsOnly = false; // after "--": a picture file whose name begins with "-"
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (IsOperand(a, operandsOnly)) {
            if (!input.empty())
                return Fail("only one picture file is taken");
            input = a;
            continue;
        }
        if (a == "--") {
            operandsOnly = true;
            continue;
        }
        const std::string* value = i + 1 < args.size() ? &args[i + 1] : nullptr;
        std::string problem;
        bool used = false;
        if (TakePhotoOption(a, value, used, view, problem)) {
            if (!problem.empty())
                return Fail(problem);
            i += used ? 1 : 0;
        } else if (a == "--size") {
            const auto size = value ? ParseImageSize(*value, 1) : std::nullopt;
            if (!size)
                return Fail(ImageSizeNeeds(1));
            width = size->width;
            height = size->height;
            ++i;
        } else if (a == "-o" || a == "--output") {
            if (!value || value->empty())
                return Fail("-o needs a file name");
            output = *value;
            ++i;
        } else {
            return Fail("unknown option " + a);
        }
    }
    if (input.empty())
        return Fail("no picture file");
    if (output.empty())
        return Fail("no output file (-o FILE)");
    std::string error;
    if (!view.Load(input, &error)) {
        std::string ext = input.extension().string();
        std::transform(ext.begin(), ext.end(), ext.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (ext == ".wmf" || ext == ".emf")
            error += " (the console tool reads BMP, GIF, JPEG and PNG; the program also reads "
                     "Windows metafiles)";
        return Fail(input.string() + ": " + error);
    }
    std::string ext = output.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ext == ".png") {
        CDevib image;
        if (!image.Create(width, height))
            return Fail("cannot draw a view of that size");
        image.Fill(PixelWordFromColor(kPageBackground) | kOpaque);
        view.DrawPhoto(image, ImageRect{0, 0, width, height}, false);
        if (!WritePng(image, output, &error))
            return Fail(error);
        return 0;
    }
    if (!SavePhotoView(view, output, width, height, kPageBackground, &error))
        return Fail(error);
    return 0;
}

CliCommandRegistration reg{
    {"photo",
     "FILE [--size WxH] [--effects bw,inv,gray,median,edge,smooth] [--zoom N] [--pan X,Y] "
     "[--rotate D] -o OUT",
     "draw the photo page's view of a picture (BMP, GIF, JPEG, PNG) with its effects; PNG, JPEG "
     "or BMP by extension",
     &Run}};

} // namespace
} // namespace mienlore::cli
