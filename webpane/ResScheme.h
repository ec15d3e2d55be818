#pragma once

class QWebEngineProfile;

// The "res://" scheme: res://<path of a resource pack>/<path inside the
// pack>, for example res:///opt/mienlore/typepages.rcc/GIFS/i-rect-3.gif.
// The pack is a Qt binary resource file; it is opened on first use.
void RegisterResScheme();
void InstallResScheme(QWebEngineProfile* profile);
