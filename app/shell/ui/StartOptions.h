#pragma once

#include <QString>
#include <QStringList>

namespace mienlore {

// The program's own command-line options besides the optional face code.
struct StartOptions {
    QString faceCode;       // the one plain argument, if any: a face code or a face list file
    QString screenshotPath; // --screenshot FILE: save a PNG of the main window once shown
    int quitAfterMs = -1;   // --quit-after MS: end the program after that time
    int timeKeys = 0;       // --time-keys N: press N face keys, report the redraw times, end
    QString faceOutPath;    // --face-out FILE: write the code of each face taken from outside
    int page = 0;           // --page hist|pict|text|ptype: the page shown at start (0: default)
    QString exportPdfPath;  // --export-pdf FILE: write the printed report as a PDF and end
    QString faceName;       // --name NAME: the face's name printed by --export-pdf
    bool faceNameGiven = false;
    QString error; // a message when the command line could not be read
};

// Options may stand before or after the face code; "--" ends the options. An
// unknown option or a second face code is an error (with the usage line).
StartOptions ParseStartOptions(const QStringList& arguments);

// The one-line summary of the command line.
QString StartUsage();

// "--help" (or "-h") and "--version" before any "--" ask for the usage or the
// version only; they are read from the raw arguments, before a window system
// is needed, so that they work without a display.
enum class StartInfo { None, Help, Version };
StartInfo StartInfoRequest(int argc, const char* const* argv);

// The text printed for --help: the usage line and what each option does.
QString StartHelp();

// True when the plain argument names an existing face list file (".phy", in
// any case): what the desktop passes when the user opens a face list. Such an
// argument opens the list instead of being read as a face code.
bool IsFaceListArgument(const QString& argument);

// Why a text named as a face list file (it ends in ".phy") cannot be opened:
// it does not exist, or is a folder or no plain file. Empty when it can be
// opened, and for any other text (a face code).
QString FaceListArgumentProblem(const QString& argument);

} // namespace mienlore
