#pragma once

#include "files/ClipboardRecord.h"

namespace mienlore {

class CFaceFrame;

// "Copy Photo-robot": the face's code (no trailing text) as a "FACE" record.
bool CopyFaceToClipboard(IClipboard& clipboard, const CFaceFrame& face);

// "Paste Photo-robot": applies a "FACE" record (left on the clipboard) to the
// face. False, with the face untouched, when there is none or its code
// cannot be decoded.
bool PasteFaceFromClipboard(IClipboard& clipboard, CFaceFrame& face);

// The running copy's check for a face handed over by a second copy: a
// "SEND" record is taken off the clipboard and applied. False, with the face
// untouched, when there is none or its code cannot be decoded.
bool TakeHandedOverFace(IClipboard& clipboard, CFaceFrame& face);

} // namespace mienlore
