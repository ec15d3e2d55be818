#include "shell/ui/QtColour.h"

namespace mienlore {

QColor ToQColor(Colour colour) {
    return QColor(ColourRed(colour), ColourGreen(colour), ColourBlue(colour));
}

Colour FromQColor(const QColor& colour) {
    return Rgb(colour.red(), colour.green(), colour.blue());
}

} // namespace mienlore
