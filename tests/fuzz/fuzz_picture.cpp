// Fuzzes the picture decoder (BMP, GIF, JPEG, PNG by signature) and, for
// whatever decodes, the photo view's drawing with the effects, zoom, pan and
// rotation the last byte picks, and the sketch under the face.
#include "imaging/PhotoView.h"
#include "imaging/PictureDecoder.h"

#include <cstdint>
#include <string_view>

using namespace mienlore;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    DecodedPicture picture;
    std::string error;
    if (!DecodeRasterPicture(bytes, picture, &error))
        return 0;
    // Small pictures only: the drawing is what is looked at, not the speed.
    if (picture.bitmap.Width() > 512 || picture.bitmap.Height() > 512)
        return 0;
    const int pick = size > 0 ? data[size - 1] : 0;
    CPhotoView view;
    view.Adopt(std::move(picture));
    view.effects = {(pick & 1) != 0, (pick & 2) != 0,  (pick & 4) != 0,
                    (pick & 8) != 0, (pick & 16) != 0, (pick & 32) != 0};
    view.SetZoom(20 + pick);
    view.SetPan(pick % 7 - 3, pick % 5 - 2);
    view.SetRotation(pick % 9 - 4);
    view.backgroundFace = (pick & 64) != 0;
    CDevib surface;
    surface.Create(48, 64);
    view.DrawPhoto(surface, ImageRect{0, 0, 48, 64}, false);
    view.DrawPhoto(surface, ImageRect{4, 2, 40, 60}, true);
    return 0;
}
