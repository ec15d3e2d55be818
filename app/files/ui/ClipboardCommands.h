#pragma once

class QImage;

namespace mienlore {

class CFaceFrame;

// The face exchange commands over the system clipboard.

// "Copy Photo-robot": the face's code as a "FACE" record. False when the
// clipboard could not be written.
bool CopyPhotoRobot(const CFaceFrame& face);

// "Paste Photo-robot": applies a "FACE" record, which stays on the clipboard.
// False, with the face untouched, when there is none or it cannot be read;
// on true the caller runs the view's update cycle.
bool PastePhotoRobot(CFaceFrame& face);

// Whether "Paste Photo-robot" is available: a record of the program's format
// is on the clipboard.
bool CanPastePhotoRobot();

// The running copy's hand-over check: a "SEND" record is taken off the
// clipboard and applied. False, with the face untouched, when there is none.
bool TakeHandedOverFromClipboard(CFaceFrame& face);

// "Copy As Bitmap": the face picture as an image on the clipboard. False when
// the picture is empty or there is no clipboard.
bool CopyFacePicture(const QImage& picture);

} // namespace mienlore
