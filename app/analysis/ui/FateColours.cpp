#include "analysis/ui/FateColours.h"

namespace mienlore {

FateColours MakeFateColours(const CFateParams& fate) {
    const auto styled = [&](Colour c) { return ToQColor(StyledColour(c, fate.style)); };
    return FateColours{styled(fate.textColour), styled(fate.lineColour), styled(fate.windowColour),
                       styled(fate.minColour),  styled(fate.maxColour),  styled(Rgb(0, 0, 0))};
}

FateColours DefaultFateColours() {
    return MakeFateColours(CFateParams{});
}

} // namespace mienlore
