#pragma once

#include <QString>
#include <QStringList>

namespace mienlore {

// The program's own command-line options besides the optional face code.
struct StartOptions {
    QString faceCode;       // the first plain argument, if any
    QString screenshotPath; // --screenshot FILE: save a PNG of the main window once shown
    int quitAfterMs = -1;   // --quit-after MS: end the program after that time
    int timeKeys = 0;       // --time-keys N: press N face keys, report the redraw times, end
    QString faceOutPath;    // --face-out FILE: write the code of each face taken from outside
    int page = 0;           // --page hist|pict|text|ptype: the page shown at start (0: default)
    QString exportPdfPath;  // --export-pdf FILE: write the printed report as a PDF and end
    QString error;          // a message when the command line could not be read
};

StartOptions ParseStartOptions(const QStringList& arguments);

} // namespace mienlore
