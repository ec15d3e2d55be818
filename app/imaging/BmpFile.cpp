#include "imaging/BmpFile.h"

#include "base/AtomicFile.h"
#include "base/WholeFile.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace mienlore {

namespace {

void PutU16(std::string& out, std::size_t at, std::uint32_t v) {
    out[at] = static_cast<char>(v & 0xFF);
    out[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}

void PutU32(std::string& out, std::size_t at, std::uint32_t v) {
    PutU16(out, at, v & 0xFFFF);
    PutU16(out, at + 2, v >> 16);
}

// Little-endian reads; callers check the range first.
std::uint32_t U16(std::string_view d, std::size_t at) {
    return static_cast<std::uint8_t>(d[at]) |
           (static_cast<std::uint32_t>(static_cast<std::uint8_t>(d[at + 1])) << 8);
}

std::uint32_t U32(std::string_view d, std::size_t at) {
    return U16(d, at) | (U16(d, at + 2) << 16);
}

bool Fail(std::string* error, const std::string& message) {
    if (error)
        *error = message;
    return false;
}

// One colour channel described by a bit-field mask.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    bool Set(std::uint32_t m) {
        mask = m;
        if (m == 0)
            return true;
        shift = std::countr_zero(m);
        bits = std::popcount(m);
        // The set bits must be contiguous.
        return (m >> shift) == (bits == 32 ? 0xFFFFFFFFu : ((1u << bits) - 1));
    }
    int Value(std::uint32_t word) const {
        if (mask == 0)
            return 0;
        const std::uint32_t v = (word & mask) >> shift;
        if (bits >= 8)
            return static_cast<int>(v >> (bits - 8));
        return static_cast<int>(v * 255 / ((1u << bits) - 1));
    }
};

} // namespace

std::string EncodeBmp(const CDevib& bitmap) {
    const BitmapInfoHeader& h = bitmap.InfoHeader();
    const std::size_t pixelBytes = static_cast<std::size_t>(bitmap.Count()) * 4;
    std::string out(54 + pixelBytes, '\0');
    out[0] = 'B';
    out[1] = 'M';
    PutU32(out, 2, static_cast<std::uint32_t>(54 + pixelBytes));
    PutU32(out, 10, 54);
    PutU32(out, 14, h.size);
    PutU32(out, 18, static_cast<std::uint32_t>(h.width));
    PutU32(out, 22, static_cast<std::uint32_t>(h.height));
    PutU16(out, 26, h.planes);
    PutU16(out, 28, h.bitCount);
    PutU32(out, 30, h.compression);
    PutU32(out, 34, h.sizeImage);
    PutU32(out, 38, static_cast<std::uint32_t>(h.xPelsPerMeter));
    PutU32(out, 42, static_cast<std::uint32_t>(h.yPelsPerMeter));
    PutU32(out, 46, h.clrUsed);
    PutU32(out, 50, h.clrImportant);
    const PixelWord* p = bitmap.Pixels();
    for (std::size_t k = 0; k < static_cast<std::size_t>(bitmap.Count()); ++k)
        PutU32(out, 54 + 4 * k, p[k]);
    return out;
}

bool WriteBmp(const CDevib& bitmap, const std::filesystem::path& path, std::string* error) {
    if (bitmap.IsEmpty())
        return Fail(error, "There is no picture to write.");
    return WriteFileAtomically(path, EncodeBmp(bitmap), error);
}

std::string EncodeGreyBmp(int width, int height, const std::uint8_t* pixels, std::size_t stride) {
    const auto w = static_cast<std::uint32_t>(std::max(width, 0));
    const auto h = static_cast<std::uint32_t>(std::max(height, 0));
    const std::uint32_t rowBytes = (w + 3) / 4 * 4;
    const std::uint32_t offset = 14 + 40 + 256 * 4;
    std::string out(offset + static_cast<std::size_t>(rowBytes) * h, '\0');
    out[0] = 'B';
    out[1] = 'M';
    PutU32(out, 2, static_cast<std::uint32_t>(out.size()));
    PutU32(out, 10, offset);
    PutU32(out, 14, 40);
    PutU32(out, 18, w);
    PutU32(out, 22, h); // positive: bottom row first
    PutU16(out, 26, 1);
    PutU16(out, 28, 8);
    PutU32(out, 34, rowBytes * h);
    PutU32(out, 38, 3780); // 96 dots per inch
    PutU32(out, 42, 3780);
    PutU32(out, 46, 256);
    for (std::uint32_t i = 0; i < 256; ++i)
        PutU32(out, 54 + 4 * i, i | (i << 8) | (i << 16));
    for (std::uint32_t row = 0; row < h; ++row)
        std::memcpy(out.data() + offset + static_cast<std::size_t>(h - 1 - row) * rowBytes,
                    pixels + row * stride, w);
    return out;
}

bool WriteGreyBmp(int width, int height, const std::uint8_t* pixels, std::size_t stride,
                  const std::filesystem::path& path, std::string* error) {
    if (width <= 0 || height <= 0 || pixels == nullptr)
        return Fail(error, "There is no picture to write.");
    return WriteFileAtomically(path, EncodeGreyBmp(width, height, pixels, stride), error);
}

bool DecodeBmp(std::string_view d, CDevib& bitmap, std::string* error) {
    bitmap.Release();
    if (d.size() < 18)
        return Fail(error, "The BMP file is truncated: its headers are incomplete.");
    if (d[0] != 'B' || d[1] != 'M')
        return Fail(error, "The file is not a BMP picture: it does not start with \"BM\".");
    const std::uint32_t pixelOffset = U32(d, 10);
    const std::uint32_t headerSize = U32(d, 14);
    const bool core = headerSize == 12;
    if (!core && headerSize < 40)
        return Fail(error, "The BMP file has an unknown header size.");
    if (14 + static_cast<std::uint64_t>(headerSize) > d.size())
        return Fail(error, "The BMP file is truncated: its headers are incomplete.");

    std::int64_t width, height;
    std::uint32_t planes, bitCount, compression = 0, colorsUsed = 0;
    if (core) {
        width = U16(d, 18);
        height = U16(d, 20);
        planes = U16(d, 22);
        bitCount = U16(d, 24);
    } else {
        width = static_cast<std::int32_t>(U32(d, 18));
        height = static_cast<std::int32_t>(U32(d, 22));
        planes = U16(d, 26);
        bitCount = U16(d, 28);
        compression = U32(d, 30);
        colorsUsed = U32(d, 46);
    }
    const bool topDown = height < 0;
    if (topDown)
        height = -height;
    if (width <= 0 || height <= 0)
        return Fail(error, "The BMP file gives a picture size of zero or less.");
    if (width > 65535 || height > 65535 || width * height > kMaxBmpPixels)
        return Fail(error, "The BMP picture is too large: " + std::to_string(width) + " x " +
                               std::to_string(height) + " pixels (at most " +
                               std::to_string(kMaxBmpPixels / 1000000) + " million are read).");
    if (planes != 1)
        return Fail(error, "The BMP file is inconsistent: its plane count is not 1.");
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32)
        return Fail(error, "The BMP file uses an unsupported number of bits per pixel "
                           "(1, 4, 8, 24 and 32 are read).");

    std::uint64_t tableStart = 14 + static_cast<std::uint64_t>(headerSize);
    Channel red, green, blue;
    const bool bitFields = compression == 3;
    if (compression != 0 && !bitFields)
        return Fail(error, "Compressed BMP pictures are not supported.");
    if (bitFields) {
        if (bitCount != 32)
            return Fail(error, "The BMP file is inconsistent: bit-field masks need 32 bits per "
                               "pixel here.");
        const std::uint64_t masksAt = 14 + 40;
        if (headerSize == 40)
            tableStart += 12; // the masks follow the header
        if (masksAt + 12 > d.size())
            return Fail(error, "The BMP file is truncated: its colour masks are missing.");
        if (!red.Set(U32(d, masksAt)) || !green.Set(U32(d, masksAt + 4)) ||
            !blue.Set(U32(d, masksAt + 8)))
            return Fail(error, "The BMP file is inconsistent: a colour mask is not contiguous.");
    }

    std::array<PixelWord, 256> palette{};
    std::uint32_t paletteSize = 0;
    if (bitCount <= 8) {
        const std::uint32_t maxColors = 1u << bitCount;
        if (colorsUsed > maxColors)
            return Fail(error, "The BMP file is inconsistent: its palette is larger than its "
                               "pixels can address.");
        paletteSize = colorsUsed != 0 ? colorsUsed : maxColors;
        const std::uint32_t entry = core ? 3 : 4;
        if (tableStart + static_cast<std::uint64_t>(paletteSize) * entry > d.size())
            return Fail(error, "The BMP file is truncated: its palette is incomplete.");
        if (tableStart + static_cast<std::uint64_t>(paletteSize) * entry > pixelOffset)
            return Fail(error, "The BMP file is inconsistent: its pixels overlap the palette.");
        for (std::uint32_t i = 0; i < paletteSize; ++i) {
            const std::size_t at = static_cast<std::size_t>(tableStart + i * entry);
            palette[i] =
                MakePixel(static_cast<std::uint8_t>(d[at + 2]),
                          static_cast<std::uint8_t>(d[at + 1]), static_cast<std::uint8_t>(d[at]));
        }
    }
    if (pixelOffset < tableStart)
        return Fail(error, "The BMP file is inconsistent: its pixels overlap the headers.");
    const std::uint64_t stride = (static_cast<std::uint64_t>(width) * bitCount + 31) / 32 * 4;
    if (pixelOffset + stride * static_cast<std::uint64_t>(height) > d.size())
        return Fail(error, "The BMP file is truncated: pixel rows are missing.");

    if (!bitmap.Create(static_cast<int>(width), static_cast<int>(height)))
        return Fail(error, "There is not enough memory for the BMP picture.");
    const int w = static_cast<int>(width);
    const int h = static_cast<int>(height);
    for (int r = 0; r < h; ++r) {
        const auto* row = reinterpret_cast<const std::uint8_t*>(d.data()) + pixelOffset +
                          stride * static_cast<std::uint64_t>(r);
        PixelWord* out = bitmap.Pixels() + static_cast<std::size_t>(topDown ? h - 1 - r : r) * w;
        auto paletteColour = [&](unsigned index) {
            return index < paletteSize ? palette[index] : kOpaque;
        };
        switch (bitCount) {
        case 1:
            for (int x = 0; x < w; ++x)
                out[x] = paletteColour((row[x >> 3] >> (7 - (x & 7))) & 1);
            break;
        case 4:
            for (int x = 0; x < w; ++x)
                out[x] = paletteColour((x & 1) ? row[x >> 1] & 0x0F : row[x >> 1] >> 4);
            break;
        case 8:
            for (int x = 0; x < w; ++x)
                out[x] = paletteColour(row[x]);
            break;
        case 24:
            for (int x = 0; x < w; ++x)
                out[x] = MakePixel(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
            break;
        default:
            for (int x = 0; x < w; ++x) {
                const std::uint32_t word = row[4 * x] | (row[4 * x + 1] << 8) |
                                           (row[4 * x + 2] << 16) |
                                           (static_cast<std::uint32_t>(row[4 * x + 3]) << 24);
                out[x] = bitFields ? MakePixel(red.Value(word), green.Value(word), blue.Value(word))
                                   : word;
            }
            break;
        }
    }
    return true;
}

bool ReadBmp(const std::filesystem::path& path, CDevib& bitmap, std::string* error) {
    bitmap.Release();
    std::string data;
    switch (ReadWholeFile(path, data, kMaxBmpFileBytes)) {
    case FileRead::NotOpened:
        return Fail(error, "The picture file \"" + path.string() + "\" cannot be opened.");
    case FileRead::TooLarge: {
        std::error_code ec;
        const auto size = std::filesystem::file_size(path, ec);
        return Fail(error, "The picture file \"" + path.string() + "\" is too large (" +
                               std::to_string(size / (1024 * 1024)) +
                               " MB) to be a BMP picture this program reads.");
    }
    case FileRead::NotRead:
        return Fail(error, "The picture file \"" + path.string() + "\" cannot be read.");
    case FileRead::Done:
        break;
    }
    return DecodeBmp(data, bitmap, error);
}

} // namespace mienlore
