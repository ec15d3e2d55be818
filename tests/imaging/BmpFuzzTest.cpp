// Damaged BMP files: every truncation and many byte corruptions of valid
// files must end in a clean refusal or a consistent picture, never a read
// outside the data (run under the sanitizer build to prove it).
#include "imaging/BmpFile.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace mienlore {
namespace {

void Put(std::string& s, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        s += static_cast<char>((v >> (8 * i)) & 0xFF);
}

std::string Sample(int w, int h, int bits, int paletteSize, std::uint32_t compression = 0) {
    const std::uint32_t stride = (static_cast<std::uint32_t>(w) * bits + 31) / 32 * 4;
    const std::uint32_t masks = compression == 3 ? 12 : 0;
    const std::uint32_t offset = 54 + masks + 4 * paletteSize;
    std::string s = "BM";
    Put(s, offset + stride * static_cast<std::uint32_t>(std::abs(h)), 4);
    Put(s, 0, 4);
    Put(s, offset, 4);
    Put(s, 40, 4);
    Put(s, static_cast<std::uint32_t>(w), 4);
    Put(s, static_cast<std::uint32_t>(h), 4);
    Put(s, 1, 2);
    Put(s, static_cast<std::uint32_t>(bits), 2);
    Put(s, compression, 4);
    for (int field = 0; field < 5; ++field) // image size, resolutions, colour counts
        Put(s, 0, 4);
    if (compression == 3) {
        Put(s, 0x00FF0000, 4);
        Put(s, 0x0000FF00, 4);
        Put(s, 0x000000FF, 4);
    }
    std::mt19937 gen(static_cast<std::uint32_t>(w * 31 + bits));
    for (int i = 0; i < paletteSize; ++i)
        Put(s, gen() & 0xFFFFFF, 4);
    for (std::uint32_t i = 0; i < stride * static_cast<std::uint32_t>(std::abs(h)); ++i)
        s += static_cast<char>(gen());
    return s;
}

std::vector<std::string> Samples() {
    return {Sample(5, 3, 1, 2),  Sample(7, -2, 4, 16), Sample(3, 4, 8, 256),
            Sample(6, 5, 24, 0), Sample(2, -3, 32, 0), Sample(3, 2, 32, 0, 3)};
}

// A decoded picture must agree with its own size.
void ExpectConsistent(bool ok, const CDevib& d, const std::string& error) {
    if (ok) {
        EXPECT_GT(d.Width(), 0);
        EXPECT_EQ(d.Count(), d.Width() * d.Height());
    } else {
        EXPECT_TRUE(d.IsEmpty());
        EXPECT_FALSE(error.empty());
    }
}

TEST(BmpFuzz, SamplesDecode) {
    for (const std::string& s : Samples()) {
        CDevib d;
        std::string error;
        EXPECT_TRUE(DecodeBmp(s, d, &error)) << error;
    }
}

TEST(BmpFuzz, EveryTruncationIsRefused) {
    for (const std::string& s : Samples())
        for (std::size_t n = 0; n < s.size(); ++n) {
            // A copy of exactly n bytes, so the sanitizer sees any read past it.
            const std::vector<char> cut(s.begin(), s.begin() + static_cast<long>(n));
            CDevib d;
            std::string error;
            const bool ok = DecodeBmp(std::string_view(cut.data(), cut.size()), d, &error);
            EXPECT_FALSE(ok) << n;
            ExpectConsistent(ok, d, error);
        }
}

TEST(BmpFuzz, CorruptedHeadersAndBytesNeverCrash) {
    std::mt19937 gen(2026);
    int refused = 0, decoded = 0;
    for (const std::string& s : Samples()) {
        for (int round = 0; round < 1500; ++round) {
            std::string bad = s;
            const int changes = 1 + static_cast<int>(gen() % 4);
            for (int c = 0; c < changes; ++c) {
                // Mostly header bytes, where the damage matters.
                const std::size_t at =
                    gen() % 3 ? gen() % std::min<std::size_t>(70, bad.size()) : gen() % bad.size();
                bad[at] = static_cast<char>(gen() % 4 == 0 ? 0xFF : gen());
            }
            if (gen() % 5 == 0)
                bad.resize(gen() % bad.size());
            const std::vector<char> exact(bad.begin(), bad.end());
            CDevib d;
            std::string error;
            const bool ok = DecodeBmp(std::string_view(exact.data(), exact.size()), d, &error);
            ExpectConsistent(ok, d, error);
            ++(ok ? decoded : refused);
        }
    }
    EXPECT_GT(refused, 0);
    EXPECT_GT(decoded, 0);
}

} // namespace
} // namespace mienlore
