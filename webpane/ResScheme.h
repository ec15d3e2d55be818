#pragma once

class QWebEngineProfile;

// The "res://" scheme: res://<path of a resource pack>/<path inside the
// pack>, for example res:///opt/mienlore/typepages.rcc/GIFS/i-rect-3.gif.
// The pack is a Qt binary resource file; it is opened on first use. Only
// the program's own packs, in its folder, are served; any other file named
// in an address is refused.
void RegisterResScheme();
void InstallResScheme(QWebEngineProfile* profile);
