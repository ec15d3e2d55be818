// A stand-in for vidgrab.so used by the tests: one "camera" whose frames are
// generated (160 x 120, a gradient with a bar that moves one step per frame).
#include "VidGrab.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Each call is noted as a line in the file MIENLORE_FAKE_VIDEO_LOG names.
void Note(const char* what) {
    const char* path = std::getenv("MIENLORE_FAKE_VIDEO_LOG");
    if (!path)
        return;
    if (std::FILE* f = std::fopen(path, "a")) {
        std::fprintf(f, "%s\n", what);
        std::fclose(f);
    }
}

constexpr int kWidth = 160;
constexpr int kHeight = 120;
bool g_running = false;
int g_frame = 0;

} // namespace

extern "C" {

__attribute__((visibility("default"))) int CaptureVideoToWnd(void* window, int, int, int start) {
    if (!window || start == 0) {
        Note("probe");
        return 1;
    }
    Note("start");
    g_running = true;
    g_frame = 0;
    return 1;
}

__attribute__((visibility("default"))) int GrabVideoData(void* buffer, int* size,
                                                         VidGrabInfoHeader* info) {
    if (!g_running || !size)
        return 0;
    if (info) {
        std::memset(info, 0, sizeof *info);
        info->size = 40;
        info->width = kWidth;
        info->height = kHeight;
        info->planes = 1;
        info->bitCount = 32;
        info->sizeImage = kWidth * kHeight * 4;
    }
    if (!buffer) {
        *size = kWidth * kHeight * 4;
        return 1;
    }
    if (*size < kWidth * kHeight * 4)
        return 0;
    auto* words = static_cast<std::uint32_t*>(buffer);
    const int bar = (g_frame * 4) % kWidth;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const std::uint32_t g = static_cast<std::uint32_t>(x * 255 / kWidth);
            words[y * kWidth + x] =
                x == bar ? 0xFF000000u : 0xFF000000u | (g << 16) | (g << 8) | (255 - g);
        }
    ++g_frame;
    Note("frame");
    return 1;
}

__attribute__((visibility("default"))) int FreeVideo() {
    Note("free");
    g_running = false;
    return 1;
}

} // extern "C"
