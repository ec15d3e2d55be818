#include "imaging/GifFile.h"

#include "base/AtomicFile.h"

#include <gif_lib.h>

#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace mienlore {
namespace {

void SetError(std::string* error, const std::string& message) {
    if (error)
        *error = message;
}

// giflib hands the encoded bytes to this function piece by piece.
int AppendBytes(GifFileType* gif, const GifByteType* bytes, int count) {
    static_cast<std::string*>(gif->UserData)
        ->append(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(count));
    return count;
}

std::string GifText(int code) {
    const char* text = GifErrorString(code);
    return text ? text : "error " + std::to_string(code);
}

using Channel = std::vector<GifByteType>;

// A picture of at most 256 colours keeps them exactly: the table lists them
// and indices points each pixel at its own. False when there are more.
bool ExactTable(const Channel& red, const Channel& green, const Channel& blue, Channel& indices,
                std::vector<GifColorType>& table) {
    std::unordered_map<std::uint32_t, GifByteType> index;
    for (std::size_t i = 0; i < red.size(); ++i) {
        const std::uint32_t rgb = red[i] << 16 | green[i] << 8 | blue[i];
        auto found = index.find(rgb);
        if (found == index.end()) {
            if (index.size() == 256)
                return false;
            const auto next = static_cast<GifByteType>(index.size());
            table[next] = GifColorType{red[i], green[i], blue[i]};
            found = index.emplace(rgb, next).first;
        }
        indices[i] = found->second;
    }
    return true;
}

// giflib's median cut works on 5 bits per channel (white comes out as
// 248, 248, 248): each table entry becomes the mean of the pixels given it.
void RefineTable(const Channel& red, const Channel& green, const Channel& blue,
                 const Channel& indices, std::vector<GifColorType>& table) {
    std::vector<std::array<std::uint64_t, 4>> sums(table.size(), {0, 0, 0, 0});
    for (std::size_t i = 0; i < indices.size(); ++i) {
        auto& s = sums[indices[i]];
        s[0] += red[i];
        s[1] += green[i];
        s[2] += blue[i];
        ++s[3];
    }
    for (std::size_t c = 0; c < table.size(); ++c) {
        const auto& s = sums[c];
        if (s[3] == 0)
            continue;
        const auto mean = [&](int k) { return static_cast<GifByteType>((s[k] + s[3] / 2) / s[3]); };
        table[c] = GifColorType{mean(0), mean(1), mean(2)};
    }
}

} // namespace

bool EncodeGif(const CDevib& bitmap, std::string& out, std::string* error) {
    out.clear();
    if (bitmap.IsEmpty()) {
        SetError(error, "There is no picture to write.");
        return false;
    }
    const int w = bitmap.Width();
    const int h = bitmap.Height();
    if (w > 0xFFFF || h > 0xFFFF) {
        SetError(error, "A GIF picture is at most 65535 pixels wide and high.");
        return false;
    }
    const std::size_t count = static_cast<std::size_t>(w) * static_cast<std::size_t>(h);
    std::vector<GifByteType> red(count), green(count), blue(count), indices(count);
    for (int row = 0; row < h; ++row) {
        const PixelWord* src = bitmap.Pixels() + static_cast<std::size_t>(h - 1 - row) * w;
        const std::size_t at = static_cast<std::size_t>(row) * w;
        for (int x = 0; x < w; ++x) {
            red[at + x] = static_cast<GifByteType>(RedOf(src[x]));
            green[at + x] = static_cast<GifByteType>(GreenOf(src[x]));
            blue[at + x] = static_cast<GifByteType>(BlueOf(src[x]));
        }
    }
    std::vector<GifColorType> table(256);
    if (!ExactTable(red, green, blue, indices, table)) {
        int colours = 256;
        if (GifQuantizeBuffer(static_cast<unsigned>(w), static_cast<unsigned>(h), &colours,
                              red.data(), green.data(), blue.data(), indices.data(),
                              table.data()) != GIF_OK) {
            SetError(error, "The picture's colours cannot be reduced for GIF.");
            return false;
        }
        RefineTable(red, green, blue, indices, table);
    }
    ColorMapObject* map = GifMakeMapObject(256, table.data());
    if (!map) {
        SetError(error, "Out of memory for the GIF colour table.");
        return false;
    }
    int code = 0;
    GifFileType* gif = EGifOpen(&out, &AppendBytes, &code);
    if (!gif) {
        GifFreeMapObject(map);
        SetError(error, "The GIF picture cannot be encoded: " + GifText(code));
        return false;
    }
    bool ok = EGifPutScreenDesc(gif, w, h, 8, 0, map) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, w, h, false, nullptr) == GIF_OK;
    for (int row = 0; ok && row < h; ++row)
        ok = EGifPutLine(gif, &indices[static_cast<std::size_t>(row) * w], w) == GIF_OK;
    const int failure = ok ? 0 : gif->Error;
    if (EGifCloseFile(gif, &code) != GIF_OK && ok) {
        ok = false;
        SetError(error, "The GIF picture cannot be encoded: " + GifText(code));
    } else if (!ok) {
        SetError(error, "The GIF picture cannot be encoded: " + GifText(failure));
    }
    GifFreeMapObject(map);
    if (!ok)
        out.clear();
    return ok;
}

bool WriteGif(const CDevib& bitmap, const std::filesystem::path& path, std::string* error) {
    std::string bytes;
    if (!EncodeGif(bitmap, bytes, error))
        return false;
    return WriteFileAtomically(path, bytes, error);
}

} // namespace mienlore
