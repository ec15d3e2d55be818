#pragma once

#include <QIcon>

namespace mienlore {

// The toolbar picture of a command: drawn for 16 x 15 buttons, with a sharp
// double-size version for high-density screens. A null icon for commands
// without a picture.
QIcon CommandIcon(int id);

} // namespace mienlore
