// Fuzzes the face picture: any face code at any window size, smoothing,
// face and fill colour, then hit tests around the edges.
#include "imaging/Devib.h"
#include "imaging/FaceCompositor.h"
#include "imaging/FacePictureLoader.h"
#include "model/FaceFrame.h"

#include <cstdint>
#include <string>

using namespace mienlore;

static const char* kFolder = MIENLORE_PROGRAM_FOLDER;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 6)
        return 0;
    static CFaceFrame prototype(kFolder);
    static CFaceCompositor compositor(MakeFacePictureLoader(kFolder));
    const int width = 1 + data[0] * 2;
    const int height = 1 + data[1] * 2;
    FaceLook look;
    look.smoothing = data[2] % 6;
    const ColorRef faces[3] = {kFaceYellow, kFaceGray, kFaceWhite};
    look.faceColor = faces[data[3] % 3];
    look.fillColor = data[4] & 1 ? look.faceColor : 0x10203040u * data[4];
    look.showInfo = data[5] & 1;
    std::string_view code(reinterpret_cast<const char*>(data + 6), size - 6);
    CFaceFrame face = prototype;
    face.Decode(code, true);
    CDevib cache;
    compositor.Render(cache, width, height, face, look, "caption");
    for (int k = 0; k < 8; ++k)
        CFaceCompositor::HitTest(face, ImageRect{0, 0, width, height}, (k * 37) % (width + 3) - 1,
                                 (k * 53) % (height + 3) - 1);
    return 0;
}
