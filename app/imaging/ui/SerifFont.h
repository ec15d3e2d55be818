#pragma once

#include <QFont>

namespace mienlore {

// The serif face of the face caption, the about box's caption and the
// printed report: "Times New Roman" where the machine has it, else Nimbus
// Roman (fonts-urw-base35, installed with the program), which has the same
// letter widths. Naming the second family keeps the look the same on every
// machine instead of whatever fontconfig picks for a missing family.
QFont SerifFont(int pixelSize, int weight);

} // namespace mienlore
