#pragma once

namespace mienlore {

class CMainFrame;
struct CAppGlobals;

// Installs the frame's commands that open the photo-robot and the options
// sheet, exchange faces through the clipboard and work the faces list.
void InstallDialogCommands(CMainFrame& frame, CAppGlobals& globals);

} // namespace mienlore
