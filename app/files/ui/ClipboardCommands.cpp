#include "files/ui/ClipboardCommands.h"

#include "files/FaceClipboard.h"
#include "files/ui/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

namespace mienlore {

bool CopyPhotoRobot(const CFaceFrame& face) {
    CQtClipboard clipboard;
    return CopyFaceToClipboard(clipboard, face);
}

bool PastePhotoRobot(CFaceFrame& face) {
    CQtClipboard clipboard;
    return PasteFaceFromClipboard(clipboard, face);
}

bool CanPastePhotoRobot() {
    CQtClipboard clipboard;
    return IsRecordAvailable(clipboard);
}

bool TakeHandedOverFromClipboard(CFaceFrame& face) {
    CQtClipboard clipboard;
    return TakeHandedOverFace(clipboard, face);
}

bool CopyFacePicture(const QImage& picture) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (picture.isNull() || clipboard == nullptr)
        return false;
    clipboard->setImage(picture);
    return true;
}

} // namespace mienlore
