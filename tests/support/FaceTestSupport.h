#pragma once

// Faces as tests build them: a face list's host with a face of its own, the
// stored line of a face that differs from a new one in one slot, and a face
// with its analysis.
#include "analysis/FateFrame.h"
#include "files/PeopListModel.h"
#include "model/FaceFrame.h"
#include "model/FaceSlot.h"
#include "support/TestSupport.h"

#include <string>

namespace mienlore::test {

// Applies picked entries to its own face (over the shipped pictures) and
// counts them.
class FakeFaceListHost : public IFaceListHost {
public:
    CFaceFrame face{ProgramFolder()};
    bool slotSelected = true;
    int changes = 0;

    bool IsSlotSelected() const override { return slotSelected; }
    CFaceFrame& CurrentFace() override { return face; }
    void FaceChanged() override { ++changes; }
};

// A new face (over the shipped pictures) with the analysis bound to it and
// computed once, with types.
struct AnalysedFace {
    CFaceFrame face{ProgramFolder()};
    CFateFrame fate{FateTextFiles{ProgramFolder()}};
    AnalysedFace();
};

// A new face over the shipped pictures.
CFaceFrame NewFace();
// A new face whose slot has that shape.
CFaceFrame FaceWith(FaceSlot slot, int shape);
// The line a face list stores for a new face whose slot has that shape.
std::string FaceLine(FaceSlot slot, int shape, const std::string& name);

} // namespace mienlore::test
