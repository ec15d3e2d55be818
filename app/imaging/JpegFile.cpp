#include "imaging/JpegFile.h"

#include "base/AtomicFile.h"

#include <turbojpeg.h>

#include <algorithm>

namespace mienlore {

bool EncodeJpeg(const CDevib& bitmap, int mode, int quality, std::string& out, std::string* error) {
    out.clear();
    if (bitmap.IsEmpty()) {
        if (error)
            *error = "There is no picture to write.";
        return false;
    }
    tjhandle handle = tjInitCompress();
    if (!handle) {
        if (error)
            *error = "The JPEG encoder cannot be started.";
        return false;
    }
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const int subsampling = mode == kJpegFullColour ? TJSAMP_444 : TJSAMP_420;
    // The pixel words are blue, green, red, alpha bytes in memory: BGRX, with
    // the bottom row first.
    const int rc =
        tjCompress2(handle, reinterpret_cast<const unsigned char*>(bitmap.Pixels()), bitmap.Width(),
                    bitmap.Width() * 4, bitmap.Height(), TJPF_BGRX, &buffer, &size, subsampling,
                    std::clamp(quality, 1, 100), TJFLAG_BOTTOMUP);
    bool ok = rc == 0;
    if (ok)
        out.assign(reinterpret_cast<const char*>(buffer), size);
    else if (error)
        *error = std::string("The JPEG picture cannot be encoded: ") + tjGetErrorStr2(handle);
    tjFree(buffer);
    tjDestroy(handle);
    return ok;
}

bool WriteJpeg(const CDevib& bitmap, const std::filesystem::path& path, int mode, int quality,
               std::string* error) {
    std::string bytes;
    if (!EncodeJpeg(bitmap, mode, quality, bytes, error))
        return false;
    return WriteFileAtomically(path, bytes, error);
}

} // namespace mienlore
