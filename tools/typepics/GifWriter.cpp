#include "GifWriter.h"

#include <gif_lib.h>

#include <cstring>

namespace typepics {

namespace {

bool Fail(GifFileType* gif, std::string* error, const std::string& what) {
    int code = 0;
    if (gif)
        EGifCloseFile(gif, &code);
    if (error)
        *error = what;
    return false;
}

} // namespace

bool WriteGif(const std::filesystem::path& path, int width, int height,
              const std::vector<Rgb>& palette, const std::vector<GifFrame>& frames, int transparent,
              std::string* error) {
    if (frames.empty() || palette.empty() || palette.size() > 256)
        return Fail(nullptr, error, "bad picture for " + path.string());
    // The colour table's size must be a power of two.
    int bits = 1;
    while ((1 << bits) < static_cast<int>(palette.size()))
        ++bits;
    std::vector<GifColorType> colours(static_cast<std::size_t>(1) << bits, GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < palette.size(); ++i)
        colours[i] = GifColorType{palette[i].r, palette[i].g, palette[i].b};

    int code = 0;
    GifFileType* gif = EGifOpenFileName(path.c_str(), false, &code);
    if (!gif)
        return Fail(nullptr, error, "cannot create " + path.string());
    EGifSetGifVersion(gif, true);
    ColorMapObject* map = GifMakeMapObject(1 << bits, colours.data());
    const int screen = EGifPutScreenDesc(gif, width, height, bits, 0, map);
    GifFreeMapObject(map);
    if (screen == GIF_ERROR)
        return Fail(gif, error, "cannot write " + path.string());

    if (frames.size() > 1) {
        // Loop for ever.
        const unsigned char loop[3] = {1, 0, 0};
        if (EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_ERROR ||
            EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0") == GIF_ERROR ||
            EGifPutExtensionBlock(gif, 3, loop) == GIF_ERROR ||
            EGifPutExtensionTrailer(gif) == GIF_ERROR)
            return Fail(gif, error, "cannot write " + path.string());
    }
    for (const GifFrame& frame : frames) {
        if (frame.indices.size() != static_cast<std::size_t>(width) * height)
            return Fail(gif, error, "bad frame for " + path.string());
        GraphicsControlBlock gcb{};
        gcb.DisposalMode = DISPOSE_DO_NOT;
        gcb.UserInputFlag = false;
        gcb.DelayTime = frame.delayCs;
        gcb.TransparentColor = transparent;
        GifByteType ext[4];
        const std::size_t len = EGifGCBToExtension(&gcb, ext);
        if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(len), ext) ==
                GIF_ERROR ||
            EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) == GIF_ERROR)
            return Fail(gif, error, "cannot write " + path.string());
        std::vector<GifPixelType> row(static_cast<std::size_t>(width));
        for (int y = 0; y < height; ++y) {
            std::memcpy(row.data(), frame.indices.data() + static_cast<std::size_t>(y) * width,
                        static_cast<std::size_t>(width));
            if (EGifPutLine(gif, row.data(), width) == GIF_ERROR)
                return Fail(gif, error, "cannot write " + path.string());
        }
    }
    if (EGifCloseFile(gif, &code) == GIF_ERROR) {
        if (error)
            *error = "cannot finish " + path.string();
        return false;
    }
    return true;
}

} // namespace typepics
