#pragma once

namespace mienlore {

class CMainFrame;

// Installs the frame's commands of the photo page: "Open picture..." and
// "Paste Bitmap" (both make "Face Traits" the active page).
void InstallPhotoCommands(CMainFrame& frame);

} // namespace mienlore
