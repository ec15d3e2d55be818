#include "model/SlotCatalogue.h"

namespace mienlore {

const SlotCatalogueEntry& SlotCatalogue(int index) {
    if (index < 0 || index >= kFaceSlotCount)
        index = 0;
    return kSlotCatalogue[index];
}

} // namespace mienlore
