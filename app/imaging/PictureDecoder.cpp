#include "imaging/PictureDecoder.h"

#include "imaging/BmpFile.h"

#include <gif_lib.h>
#include <png.h>
#include <turbojpeg.h>

#include <csetjmp>
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

// The largest sides the formats can state; the pixel count is the picture
// limit's business (larger pictures are shrunk).
bool SizeAllowed(long long w, long long h) {
    return w > 0 && h > 0 && w <= 65535 && h <= 65535;
}

// Rows handed over top row first; the image stores the bottom row first.
PixelWord* PictureRow(CDevib& bitmap, int topRow) {
    return bitmap.Pixels() + static_cast<std::size_t>(bitmap.Height() - 1 - topRow) *
                                 static_cast<std::size_t>(bitmap.Width());
}

int Shrunk(int side, int factor) {
    return (side + factor - 1) / factor;
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
    if (!ok) {
        SetError(error, std::string("The JPEG picture is damaged or incomplete: ") +
                            tjGetErrorStr2(handle));
    } else if (w <= 0 || h <= 0) {
        SetError(error, "The JPEG picture is damaged or incomplete: it has no size.");
        ok = false;
    }
    if (ok && SizeAllowed(w, h) && PictureShrinkFactor(w, h) > 1) {
        // The decoder shrinks by 1/2, 1/4 or 1/8 (and more factors) while it
        // decodes: take the largest scale within the limit.
        int count = 0;
        const tjscalingfactor* factors = tjGetScalingFactors(&count);
        int bestW = 0, bestH = 0;
        for (int i = 0; factors && i < count; ++i) {
            const int sw = TJSCALED(w, factors[i]);
            const int sh = TJSCALED(h, factors[i]);
            if (sw <= w && sh <= h && PictureShrinkFactor(sw, sh) == 1 &&
                static_cast<long long>(sw) * sh > static_cast<long long>(bestW) * bestH) {
                bestW = sw;
                bestH = sh;
            }
        }
        w = bestW;
        h = bestH;
    }
    if (ok && (!SizeAllowed(w, h) || PictureShrinkFactor(w, h) != 1 || !bitmap.Create(w, h))) {
        SetError(error, "The JPEG picture is too large.");
        ok = false;
    }
    if (ok) {
        // BGRX bytes are the pixel words; the bottom-up flag fills the rows
        // in storage order.
        ok = tjDecompress2(handle, data, size, reinterpret_cast<unsigned char*>(bitmap.Pixels()), w,
                           w * 4, h, TJPF_BGRX, TJFLAG_BOTTOMUP) == 0;
        if (!ok)
            SetError(error,
                     std::string("The JPEG picture is damaged or incomplete: ") + tjGetErrorStr2(handle));
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

// libpng reads the file's bytes from memory through this state, and reports
// errors into it before it jumps back.
struct PngSource {
    std::string_view bytes;
    std::size_t pos = 0;
    std::string message;
};

void ReadPngBytes(png_structp png, png_bytep out, png_size_t n) {
    auto* source = static_cast<PngSource*>(png_get_io_ptr(png));
    if (source->bytes.size() - source->pos < n)
        png_error(png, "The picture data ends early");
    std::memcpy(out, source->bytes.data() + source->pos, n);
    source->pos += n;
}

void PngError(png_structp png, png_const_charp message) {
    auto* source = static_cast<PngSource*>(png_get_error_ptr(png));
    source->message = message ? message : "damaged data";
    png_longjmp(png, 1);
}

void PngWarning(png_structp, png_const_charp) {}

// Decodes row by row: a picture beyond the limit is shrunk by averaging
// boxes of factor x factor pixels as the rows arrive, so that only one row of
// the full picture is ever held. Transparent parts are laid on white.
bool DecodePng(std::string_view bytes, CDevib& bitmap, std::string* error) {
    PngSource source{bytes, 0, {}};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &source, PngError, PngWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info) {
        png_destroy_read_struct(png ? &png : nullptr, nullptr, nullptr);
        SetError(error, "The PNG decoder cannot be started.");
        return false;
    }
    // Every object the rows need lives outside the jump's reach.
    std::vector<std::uint8_t> row;
    std::vector<std::uint32_t> sums;
    std::vector<std::uint8_t> whole; // an interlaced picture, only when it is not shrunk
    // Volatile: changed after setjmp and read after the jump back.
    const char* volatile failure = "The PNG picture is damaged or incomplete: ";
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        bitmap.Release();
        SetError(error, std::string(failure) + source.message + ".");
        return false;
    }
    png_set_read_fn(png, &source, ReadPngBytes);
    failure = "The PNG picture is damaged or incomplete: ";
    png_read_info(png, info);
    const png_uint_32 w = png_get_image_width(png, info);
    const png_uint_32 h = png_get_image_height(png, info);
    const int factor = SizeAllowed(w, h) ? PictureShrinkFactor(w, h) : 0;
    const int passes = factor > 0 ? png_set_interlace_handling(png) : 1;
    if (factor == 0 || (passes > 1 && factor > 1) ||
        !bitmap.Create(Shrunk(static_cast<int>(w), factor), Shrunk(static_cast<int>(h), factor))) {
        png_destroy_read_struct(&png, &info, nullptr);
        SetError(error, "The PNG picture is too large.");
        return false;
    }
    // Every kind of PNG as 8-bit red, green, blue, alpha.
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_read_update_info(png, info);
    failure = "The PNG picture is damaged or incomplete: ";
    const auto onWhite = [](const std::uint8_t* p, int c) {
        return p[3] == 255 ? p[c] : (p[c] * p[3] + 255 * (255 - p[3])) / 255;
    };
    if (passes > 1) {
        whole.resize(static_cast<std::size_t>(w) * h * 4);
        for (int pass = 0; pass < passes; ++pass)
            for (png_uint_32 y = 0; y < h; ++y)
                png_read_row(png, &whole[static_cast<std::size_t>(y) * w * 4], nullptr);
        for (png_uint_32 y = 0; y < h; ++y) {
            PixelWord* out = PictureRow(bitmap, static_cast<int>(y));
            for (png_uint_32 x = 0; x < w; ++x) {
                const std::uint8_t* p = &whole[(static_cast<std::size_t>(y) * w + x) * 4];
                out[x] = MakePixel(onWhite(p, 0), onWhite(p, 1), onWhite(p, 2));
            }
        }
    } else {
        const int outW = bitmap.Width();
        row.resize(static_cast<std::size_t>(w) * 4);
        sums.assign(static_cast<std::size_t>(outW) * 4, 0);
        for (png_uint_32 y = 0; y < h; ++y) {
            png_read_row(png, row.data(), nullptr);
            for (png_uint_32 x = 0; x < w; ++x) {
                const std::uint8_t* p = &row[static_cast<std::size_t>(x) * 4];
                std::uint32_t* s = &sums[static_cast<std::size_t>(x / factor) * 4];
                s[0] += onWhite(p, 0);
                s[1] += onWhite(p, 1);
                s[2] += onWhite(p, 2);
                s[3] += 1;
            }
            if ((y + 1) % factor != 0 && y + 1 != h)
                continue;
            PixelWord* out = PictureRow(bitmap, static_cast<int>(y / factor));
            for (int x = 0; x < outW; ++x) {
                std::uint32_t* s = &sums[static_cast<std::size_t>(x) * 4];
                out[x] = MakePixel(static_cast<int>(s[0] / s[3]), static_cast<int>(s[1] / s[3]),
                                   static_cast<int>(s[2] / s[3]));
                s[0] = s[1] = s[2] = s[3] = 0;
            }
        }
    }
    png_destroy_read_struct(&png, &info, nullptr);
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

// Reads up to the first frame and no further: the frame's rows are drawn as
// they arrive (every factor-th row and column of a screen beyond the limit),
// the later frames are never decoded.
bool DecodeFirstGifFrame(GifFileType* gif, CDevib& bitmap, int factor, std::string* error) {
    GraphicsControlBlock gcb{};
    gcb.TransparentColor = NO_TRANSPARENT_COLOR;
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif, &type) != GIF_OK)
            break;
        if (type == TERMINATE_RECORD_TYPE)
            break;
        if (type == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType* block = nullptr;
            if (DGifGetExtension(gif, &code, &block) != GIF_OK)
                break;
            if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] >= 4)
                DGifExtensionToGCB(block[0], block + 1, &gcb);
            while (block) {
                if (DGifGetExtensionNext(gif, &block) != GIF_OK) {
                    SetError(error, "The GIF picture is damaged or incomplete: " + GifText(gif->Error));
                    return false;
                }
            }
            continue;
        }
        if (type != IMAGE_DESC_RECORD_TYPE || DGifGetImageDesc(gif) != GIF_OK)
            break;
        const GifImageDesc& d = gif->Image;
        const ColorMapObject* map = d.ColorMap ? d.ColorMap : gif->SColorMap;
        if (!map) {
            SetError(error, "The GIF picture has no colour table.");
            return false;
        }
        if (d.Width <= 0 || d.Height <= 0 || d.Width > 65535 || d.Height > 65535) {
            SetError(error, "The GIF picture has no usable size.");
            return false;
        }
        std::vector<GifPixelType> line(static_cast<std::size_t>(d.Width));
        // Interlaced frames deliver their rows in four passes.
        static constexpr int kStart[] = {0, 4, 2, 1};
        static constexpr int kStep[] = {8, 8, 4, 2};
        const int passes = d.Interlace ? 4 : 1;
        for (int pass = 0; pass < passes; ++pass)
            for (int y = d.Interlace ? kStart[pass] : 0; y < d.Height;
                 y += d.Interlace ? kStep[pass] : 1) {
                if (DGifGetLine(gif, line.data(), d.Width) != GIF_OK) {
                    SetError(error, "The GIF picture is damaged or incomplete: " + GifText(gif->Error));
                    return false;
                }
                const int py = d.Top + y;
                if (py % factor != 0 || py / factor >= bitmap.Height())
                    continue;
                PixelWord* row = PictureRow(bitmap, py / factor);
                for (int x = 0; x < d.Width; ++x) {
                    const int px = d.Left + x;
                    if (px % factor != 0 || px / factor >= bitmap.Width())
                        continue;
                    const int index = line[static_cast<std::size_t>(x)];
                    if (index == gcb.TransparentColor || index >= map->ColorCount)
                        continue;
                    const GifColorType& c = map->Colors[index];
                    row[px / factor] = MakePixel(c.Red, c.Green, c.Blue);
                }
            }
        return true;
    }
    SetError(error, "The GIF picture is damaged or incomplete: " +
                        (gif->Error ? GifText(gif->Error) : std::string("it holds no picture")));
    return false;
}

bool DecodeGif(std::string_view bytes, CDevib& bitmap, std::string* error) {
    GifReader reader{bytes};
    int code = 0;
    GifFileType* gif = DGifOpen(&reader, ReadGifBytes, &code);
    if (!gif) {
        SetError(error, "The GIF picture is damaged or incomplete: " + GifText(code));
        return false;
    }
    // The screen size is known before any pixel is read.
    const int factor =
        SizeAllowed(gif->SWidth, gif->SHeight) ? PictureShrinkFactor(gif->SWidth, gif->SHeight) : 0;
    bool ok =
        factor > 0 && bitmap.Create(Shrunk(gif->SWidth, factor), Shrunk(gif->SHeight, factor));
    if (!ok) {
        SetError(error, "The GIF picture has no usable size.");
    } else {
        bitmap.Fill(0xFFFFFFFFu);
        ok = DecodeFirstGifFrame(gif, bitmap, factor, error);
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
        return DecodeBmp(bytes, picture.bitmap, error);
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
