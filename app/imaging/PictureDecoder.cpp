#include "imaging/PictureDecoder.h"

#include "imaging/BmpFile.h"

#include <gif_lib.h>
#include <png.h>
#include <turbojpeg.h>

#include <cstring>
#include <fstream>
#include <vector>

namespace mienlore {
namespace {

constexpr std::uintmax_t kMaxFileBytes = 256u << 20;

void SetError(std::string* error, const std::string& text) {
    if (error)
        *error = text;
}

bool StartsWith(std::string_view bytes, std::string_view prefix) {
    return bytes.size() >= prefix.size() && bytes.substr(0, prefix.size()) == prefix;
}

bool SizeAllowed(long long w, long long h) {
    return w > 0 && h > 0 && w <= kMaxPictureSide && h <= kMaxPictureSide;
}

// Rows handed over top row first; the image stores the bottom row first.
PixelWord* PictureRow(CDevib& bitmap, int topRow) {
    return bitmap.Pixels() + static_cast<std::size_t>(bitmap.Height() - 1 - topRow) *
                                 static_cast<std::size_t>(bitmap.Width());
}

bool DecodeJpeg(std::string_view bytes, CDevib& bitmap, std::string* error) {
    tjhandle handle = tjInitDecompress();
    if (!handle) {
        SetError(error, "The JPEG decoder cannot be started.");
        return false;
    }
    auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto size = static_cast<unsigned long>(bytes.size());
    int w = 0, h = 0, subsampling = 0, colourspace = 0;
    bool ok = tjDecompressHeader3(handle, data, size, &w, &h, &subsampling, &colourspace) == 0;
    if (!ok)
        SetError(error, std::string("The JPEG picture is damaged or incomplete: ") +
                            tjGetErrorStr2(handle));
    else if (w <= 0 || h <= 0) {
        SetError(error, "The JPEG picture is damaged or incomplete: it has no size.");
        ok = false;
    } else if (!SizeAllowed(w, h) || !bitmap.Create(w, h)) {
        SetError(error, "The JPEG picture is too large.");
        ok = false;
    }
    if (ok) {
        // BGRX bytes are the pixel words; the bottom-up flag fills the rows
        // in storage order.
        ok = tjDecompress2(handle, data, size, reinterpret_cast<unsigned char*>(bitmap.Pixels()), w,
                           w * 4, h, TJPF_BGRX, TJFLAG_BOTTOMUP) == 0;
        if (!ok)
            SetError(error, std::string("The JPEG picture is damaged or incomplete: ") +
                                tjGetErrorStr2(handle));
    }
    tjDestroy(handle);
    if (!ok) {
        bitmap.Release();
        return false;
    }
    for (int i = 0; i < bitmap.Count(); ++i)
        bitmap.Pixels()[i] |= kOpaque;
    return true;
}

bool DecodePng(std::string_view bytes, CDevib& bitmap, std::string* error) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) {
        SetError(error, std::string("The PNG picture is damaged or incomplete: ") + image.message);
        return false;
    }
    if (!SizeAllowed(image.width, image.height) ||
        !bitmap.Create(static_cast<int>(image.width), static_cast<int>(image.height))) {
        png_image_free(&image);
        SetError(error, "The PNG picture is too large.");
        return false;
    }
    // Decoded with alpha and laid on white by hand below (transparent parts
    // look as they do on a page). A negative row stride delivers the rows
    // bottom-up, the storage order.
    image.format = PNG_FORMAT_BGRA;
    const auto stride = -static_cast<png_int_32>(image.width * 4);
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(image.width) * image.height * 4);
    if (!png_image_finish_read(&image, nullptr, rgba.data(), stride, nullptr)) {
        SetError(error, std::string("The PNG picture is damaged or incomplete: ") + image.message);
        bitmap.Release();
        return false;
    }
    PixelWord* out = bitmap.Pixels();
    for (int i = 0; i < bitmap.Count(); ++i) {
        const std::uint8_t* p = &rgba[static_cast<std::size_t>(i) * 4];
        const int a = p[3];
        const auto mix = [a](int c) { return (c * a + 255 * (255 - a)) / 255; };
        out[i] = MakePixel(mix(p[2]), mix(p[1]), mix(p[0]));
    }
    return true;
}

// giflib's text for an error code; it has none for some codes.
std::string GifText(int code) {
    const char* text = GifErrorString(code);
    return text ? text : "damaged data";
}

struct GifReader {
    std::string_view bytes;
    std::size_t pos = 0;
};

int ReadGifBytes(GifFileType* gif, GifByteType* out, int n) {
    auto* reader = static_cast<GifReader*>(gif->UserData);
    const std::size_t left = reader->bytes.size() - reader->pos;
    const std::size_t take = std::min(left, static_cast<std::size_t>(n < 0 ? 0 : n));
    std::memcpy(out, reader->bytes.data() + reader->pos, take);
    reader->pos += take;
    return static_cast<int>(take);
}

bool DecodeGif(std::string_view bytes, CDevib& bitmap, std::string* error) {
    GifReader reader{bytes};
    int code = 0;
    GifFileType* gif = DGifOpen(&reader, ReadGifBytes, &code);
    if (!gif) {
        SetError(error, "The GIF picture is damaged or incomplete: " + GifText(code));
        return false;
    }
    // The screen size is known before any pixel is read: refuse huge ones
    // before the reader reserves memory for them.
    bool ok = SizeAllowed(gif->SWidth, gif->SHeight);
    if (!ok) {
        SetError(error, "The GIF picture has no usable size.");
    } else if (DGifSlurp(gif) != GIF_OK || gif->ImageCount <= 0) {
        SetError(error, "The GIF picture is damaged or incomplete: " + GifText(gif->Error));
        ok = false;
    }
    if (ok &&
        (!SizeAllowed(gif->SWidth, gif->SHeight) || !bitmap.Create(gif->SWidth, gif->SHeight))) {
        SetError(error, "The GIF picture has no usable size.");
        ok = false;
    }
    if (ok) {
        bitmap.Fill(0xFFFFFFFFu);
        const SavedImage& frame = gif->SavedImages[0];
        const GifImageDesc& d = frame.ImageDesc;
        const ColorMapObject* map = d.ColorMap ? d.ColorMap : gif->SColorMap;
        GraphicsControlBlock gcb{};
        gcb.TransparentColor = NO_TRANSPARENT_COLOR;
        DGifSavedExtensionToGCB(gif, 0, &gcb);
        if (!map) {
            SetError(error, "The GIF picture has no colour table.");
            ok = false;
        } else {
            for (int y = 0; y < d.Height; ++y) {
                const int py = d.Top + y;
                if (py < 0 || py >= bitmap.Height())
                    continue;
                PixelWord* row = PictureRow(bitmap, py);
                for (int x = 0; x < d.Width; ++x) {
                    const int px = d.Left + x;
                    if (px < 0 || px >= bitmap.Width())
                        continue;
                    const int index = frame.RasterBits[static_cast<std::size_t>(y) * d.Width + x];
                    if (index == gcb.TransparentColor || index >= map->ColorCount)
                        continue;
                    const GifColorType& c = map->Colors[index];
                    row[px] = MakePixel(c.Red, c.Green, c.Blue);
                }
            }
        }
    }
    int closeError = 0;
    DGifCloseFile(gif, &closeError);
    if (!ok)
        bitmap.Release();
    return ok;
}

} // namespace

bool KnownPictureSignature(std::string_view bytes) {
    return StartsWith(bytes, "BM") || StartsWith(bytes, "GIF87a") || StartsWith(bytes, "GIF89a") ||
           StartsWith(bytes, "\xFF\xD8\xFF") || StartsWith(bytes, "\x89PNG\r\n\x1A\n");
}

bool DecodeRasterPicture(std::string_view bytes, DecodedPicture& picture, std::string* error) {
    picture.bitmap.Release();
    picture.himetricWidth = picture.himetricHeight = 0;
    if (StartsWith(bytes, "BM")) {
        if (!DecodeBmp(bytes, picture.bitmap, error))
            return false;
        if (picture.bitmap.Width() > kMaxPictureSide || picture.bitmap.Height() > kMaxPictureSide) {
            picture.bitmap.Release();
            SetError(error, "The BMP picture is too large.");
            return false;
        }
        return true;
    }
    if (StartsWith(bytes, "GIF87a") || StartsWith(bytes, "GIF89a"))
        return DecodeGif(bytes, picture.bitmap, error);
    if (StartsWith(bytes, "\xFF\xD8\xFF"))
        return DecodeJpeg(bytes, picture.bitmap, error);
    if (StartsWith(bytes, "\x89PNG\r\n\x1A\n"))
        return DecodePng(bytes, picture.bitmap, error);
    SetError(error, "The file is not a picture this program reads.");
    return false;
}

bool ReadPictureFile(const std::filesystem::path& path, std::string& bytes, std::string* error) {
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec) {
        SetError(error, "The file cannot be opened: " + path.string());
        return false;
    }
    if (size > kMaxFileBytes) {
        SetError(error, "The file is too large for a picture: " + path.string());
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        SetError(error, "The file cannot be opened: " + path.string());
        return false;
    }
    bytes.assign(static_cast<std::size_t>(size), '\0');
    if (size > 0 && !in.read(bytes.data(), static_cast<std::streamsize>(size))) {
        SetError(error, "The file cannot be read: " + path.string());
        return false;
    }
    return true;
}

} // namespace mienlore
