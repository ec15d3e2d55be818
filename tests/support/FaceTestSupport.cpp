#include "support/FaceTestSupport.h"

namespace mienlore::test {

AnalysedFace::AnalysedFace() {
    fate.BindFace(&face);
    fate.Recompute(true);
}

CFaceFrame NewFace() {
    return CFaceFrame(ProgramFolder());
}

CFaceFrame FaceWith(FaceSlot slot, int shape) {
    CFaceFrame face = NewFace();
    face.Slot(slot).SetShape(shape);
    return face;
}

std::string FaceLine(FaceSlot slot, int shape, const std::string& name) {
    return FaceWith(slot, shape).Encode(name);
}

} // namespace mienlore::test
