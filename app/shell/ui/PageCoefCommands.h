#pragma once

namespace mienlore {

class CMainFrame;
struct CAppGlobals;

// Installs the search commands on the frame: "Find Face" (2021 and the
// search bar's 2024), "Find in Gallery" (2022, 2023) and "Find on Map"
// (2031, 2026).
void InstallSearchCommands(CMainFrame& frame, CAppGlobals& globals);

} // namespace mienlore
