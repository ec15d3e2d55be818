#pragma once

#include "base/Colour.h"

#include <QColor>

namespace mienlore {

// Settings colours (red in the low byte) as Qt colours, and back.
QColor ToQColor(Colour colour);
Colour FromQColor(const QColor& colour);

} // namespace mienlore
