#pragma once

class QAbstractButton;
class QWidget;

namespace mienlore {

// Buttons placed at fixed sizes (the panels are laid out in dialog units)
// cannot grow with a longer translation. FitButtonText gives such a button a
// smaller font, down to two thirds of its normal size, until its whole text
// fits; a text that fits at the normal size keeps the normal font.
void FitButtonText(QAbstractButton* button);

// FitButtonText for every button of the panel that no layout manages (a
// layout gives its buttons the room their texts need by itself).
void FitButtonTexts(QWidget* panel);

} // namespace mienlore
