#include "support/FaceTestSupport.h"

namespace mienlore::test {

AnalysedFace::AnalysedFace() {
    fate.BindFace(&face);
    fate.Recompute(true);
}

std::string FaceLine(FaceSlot slot, int shape, const std::string& name) {
    CFaceFrame face(ProgramFolder());
    face.Slot(slot).SetShape(shape);
    return face.Encode(name);
}

} // namespace mienlore::test
