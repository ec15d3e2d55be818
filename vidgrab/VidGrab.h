#pragma once

// The live video module "vidgrab.so", loaded by name from the program folder.
// Its three entry points are looked up by these names; the module decides how
// it reaches a camera.

#include <cstdint>

extern "C" {

// The 40-byte header of a delivered frame: a 32-bit bitmap, rows bottom-up
// (positive height), pixel words blue, green, red, alpha from the low byte.
struct VidGrabInfoHeader {
    std::uint32_t size;
    std::int32_t width;
    std::int32_t height;
    std::uint16_t planes;
    std::uint16_t bitCount;
    std::uint32_t compression;
    std::uint32_t sizeImage;
    std::int32_t xPelsPerMeter;
    std::int32_t yPelsPerMeter;
    std::uint32_t clrUsed;
    std::uint32_t clrImportant;
};

// window null, start 0: a probe; the result is the number of video sources
// (> 0: video can start). window set, start 1: starts capture from source
// `device` for that window; > 0 when it runs. `mode` is 1.
using CaptureVideoToWndFn = int (*)(void* window, int device, int mode, int start);
// buffer null: stores the size in bytes of the latest frame in *size and its
// header in *info. Else copies the latest frame (at most *size bytes) into
// buffer and fills *info. > 0 when a frame was delivered; 0 while there is
// none yet.
using GrabVideoDataFn = int (*)(void* buffer, int* size, VidGrabInfoHeader* info);
// Stops capture and releases the camera.
using FreeVideoFn = int (*)();

} // extern "C"

static_assert(sizeof(VidGrabInfoHeader) == 40);
