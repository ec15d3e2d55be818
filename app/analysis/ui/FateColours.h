#pragma once

#include "shell/Params.h"
#include "shell/ui/QtColour.h"

#include <QColor>

namespace mienlore {

// The colours the diagram page and its drawing windows paint with, after the
// style rule (under the "White" style every component c becomes 255 - c).
struct FateColours {
    QColor text;       // labels
    QColor line;       // "Diagram": bars, pointer and ring
    QColor background; // "Background": the bars' window colour
    QColor minimum;    // "Min": gradient start
    QColor maximum;    // "Max": gradient end
    QColor grid;       // the diagram's grid: black, white under the "White" style
};

// The colour set of these diagram settings.
FateColours MakeFateColours(const CFateParams& fate);

// The colour set of the default settings.
FateColours DefaultFateColours();

} // namespace mienlore
