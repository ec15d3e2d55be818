#pragma once

#include "model/FaceFrame.h"

namespace mienlore {

// The objects that live for the whole run, in the order they are made (and
// the reverse order in which they end). The program makes one in main(); the
// windows receive it by reference.
struct CAppGlobals {
    CFaceFrame face; // the current face
};

} // namespace mienlore
