#pragma once

// Contact sheets of the picture catalogue: every picture of a slot on one
// labelled image, rows = shapes, columns = variants, for reviewing the
// picture store at a glance.

#include "imaging/Devib.h"
#include "model/FaceItem.h"
#include "imaging/FeaturePictures.h"
#include "resources/LoadString.h"

#include <string_view>

namespace mienlore {

// The sheet of a slot. Small pictures are shown twice their size. A picture
// that cannot be loaded leaves its cell crossed out. Paired slots show the
// right-hand picture as stored.
CDevib BuildPictureSheet(const CFaceItem& item, CFeaturePictures& store,
                         const StringOverride& strings = {});

// The slot named by a tag ("lo", "sc", …), a FaceSlot number ("2100") or a
// slot word ("forehead", "cheek-bones", "chin", "eyes", "eyebrows", "nose",
// "lips", "ears", "hair", "moustache", "beard", "glasses"), as its position
// 0..11 in face order; -1 when it names none.
int SlotIndexByName(std::string_view name);

} // namespace mienlore
