#pragma once

class QProgressBar;
class QPushButton;
class QWidget;

namespace mienlore {

// The controls the search dialogs build alike.

// A push button carrying its control id (named "btn<id>"), never made the
// default button merely by having the focus.
QPushButton* MakeSearchButton(QWidget* dialog, int id, const char* text);

// The progress bar (named "prg<id>") without a text, at its minimum.
QProgressBar* MakeSearchProgress(QWidget* dialog, int id, int minimum, int maximum);

} // namespace mienlore
