#include "files/FaceClipboard.h"

#include "files/StoredFace.h"
#include "model/FaceFrame.h"

namespace mienlore {

bool CopyFaceToClipboard(IClipboard& clipboard, const CFaceFrame& face) {
    return PutRecord(clipboard, face.Encode(), kFaceRecordTag);
}

bool PasteFaceFromClipboard(IClipboard& clipboard, CFaceFrame& face) {
    std::optional<std::string> text = TakePastedFace(clipboard);
    return text && ApplyFaceCode(face, *text);
}

bool TakeHandedOverFace(IClipboard& clipboard, CFaceFrame& face) {
    std::optional<std::string> text = TakeHandedOverFace(clipboard);
    return text && ApplyFaceCode(face, *text);
}

} // namespace mienlore
