#pragma once

namespace mienlore {

class CMainFrame;
class CReportCommands;

// Installs the frame's commands of the photo page: "Open picture..." and
// "Paste Bitmap" (both make "Face Traits" the active page). While the photo
// page is shown with a picture, the web report takes its second picture from
// the photo view.
void InstallPhotoCommands(CMainFrame& frame, CReportCommands* reports);

} // namespace mienlore
