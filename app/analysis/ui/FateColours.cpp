#include "analysis/ui/FateColours.h"

namespace mienlore {

QColor QColorOf(Colour c) {
    return QColor(ColourRed(c), ColourGreen(c), ColourBlue(c));
}

Colour ColourOf(const QColor& c) {
    return Rgb(c.red(), c.green(), c.blue());
}

FateColours MakeFateColours(const CFateParams& fate) {
    const auto styled = [&](Colour c) { return QColorOf(StyledColour(c, fate.style)); };
    return FateColours{styled(fate.textColour), styled(fate.lineColour), styled(fate.windowColour),
                       styled(fate.minColour),  styled(fate.maxColour),  styled(Rgb(0, 0, 0))};
}

FateColours DefaultFateColours() {
    return MakeFateColours(CFateParams{});
}

} // namespace mienlore
