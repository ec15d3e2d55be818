#pragma once

#include "shell/WindowPlacement.h"

#include <QSize>

class QWidget;

namespace mienlore {

// The window's current placement: its normal rectangle and show state, with
// the length set and the flags cleared. The result is valid.
WindowPlacement CaptureWidgetPlacement(const QWidget& window);

// Puts a window where a remembered placement says, fitted onto a screen of
// the given size (see FitPlacementToScreen). In full mode the window takes
// the whole normal rectangle (size too); in every mode it is moved to the
// rectangle's top-left corner. Nothing happens, and false is returned, for an
// invalid placement or one too small to restore.
bool RestoreWidgetPlacement(QWidget& window, WindowPlacement& placement, bool full,
                            QSize screenSize);
// The same on the available areas of the desktop's screens (see
// FitPlacementToScreens); nothing happens when there is no screen.
bool RestoreWidgetPlacement(QWidget& window, WindowPlacement& placement, bool full);

// Moves a window to the centre of its owner's window, or of the screen's
// available area when it has no owner; nothing happens when neither is known.
void CentreOnOwner(QWidget& window);

} // namespace mienlore
