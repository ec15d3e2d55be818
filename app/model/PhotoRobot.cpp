#include "model/PhotoRobot.h"

#include "model/FaceItem.h"

namespace mienlore {

using namespace photorobot;

const std::array<PhotoRobotPage, kPageCount>& PhotoRobotPages() {
    static const std::array<PhotoRobotPage, kPageCount> pages = {{
        {400,
         FaceSlot::Forehead,
         "Select forehead shape",
         {"Round", "Oval", "Square", "Triangular", "With small M", "M - symmetrical",
          "Partially bald", "Bald"},
         {"Wide", "Average", "Narrow"},
         {},
         {"High", "Average", "Low"}},
        {410,
         FaceSlot::CheekBones,
         "Select cheek-bone Shapes",
         {"Raised upper eyes", "Below eyes", "Hardly express", "Round oval", "Oval",
          "Straight-forward", "Rectangular", "Lean", "Slightly sunken cheeks", "Sunken cheeks",
          "Very sunken cheeks"},
         {},
         {"Narrow", "Average", "Wide"},
         {"High", "Average", "Low"}},
        {420,
         FaceSlot::Chin,
         "Select chin shape",
         {"Square jaw", "Oval jaw", "Average jaw", "Round jaw", "Pointed jaw"},
         {"Narrow chin", "Narrow chin with a dimple", "Average chin", "Average chin with a dimple",
          "Wide chin", "Wide chin with a dimple"},
         {},
         {"Near", "Average", "Far"}},
        {460,
         FaceSlot::Lips,
         "Select lips shape",
         {"Thin lips", "Even lips", "Thick upper lip", "Thick lower lip", "Wide lips"},
         {"Without shape", "Average shape", "Arched downwards", "Heart-shaped"},
         {"Small", "Average", "Big"},
         {"High", "Average", "Low"}},
        {450,
         FaceSlot::Nose,
         "Select nose shape",
         {"Short nose", "Straight", "Widen down", "Pointed", "Rhombic", "Wide", "Large"},
         {"Narrow base", "Short base", "Average base", "Hooked, nostrils showing", "High base",
          "Wide base"},
         {"Short", "Average", "Long"},
         {}},
        {430,
         FaceSlot::Eyes,
         "Select eyes shape and position",
         {"Large eyes", "Almond-shaped", "Oval with angles", "Oval eyes", "Heavy lids",
          "Round small", "Triangular", "Narrow", "Very narrow", "Small eyes"},
         {"No incline", "Raised outside", "Lowered outside", "Set 1", "Set 2", "Set 3"},
         {"Far", "Average", "Close"},
         {"High", "Average", "Low"}},
        {440,
         FaceSlot::Eyebrows,
         "Select eyebrows shape and position",
         {"Short thin", "Short", "Short wide", "Average thin", "Average straight", "Average arched",
          "Average curved", "Average broken", "Widen to temples", "Narrowed down", "Heavy arched",
          "Long thin", "Long arched", "Long wide"},
         {"No incline", "Raised outside", "Lowered outside", "Set 1", "Set 2", "Set 3"},
         {"Far", "Average", "Close"},
         {"High", "Average", "Low"}},
        {470,
         FaceSlot::Ears,
         "Select ears shape, size, and position",
         {"Adpressed ears", "Average ears", "Sticked out ears", "Sticked out down ears",
          "Sticked out curved ears", "Sticked out round ears"},
         {"Without lobe", "With lobe", "With large lobe"},
         {"Small", "Average", "Big"},
         {"High", "Average", "Low"}},
    }};
    return pages;
}

std::string PhotoRobotTitle(int pageNumber) {
    return "Photo-robot page " + std::to_string(pageNumber) + "/" + std::to_string(kPageCount);
}

namespace {

// Low and high lie halfway between the default and the range ends.
int ChoiceValue(int lo, int d, int hi, int choice) {
    switch (choice) {
    case 0:
        return (lo + d) / 2;
    case 2:
        return (hi + d) / 2;
    default:
        return d;
    }
}

} // namespace

int HorzChoiceValue(const CFaceItem& item, int choice) {
    const int d = item.IsSized() ? 100 : item.DefaultX();
    return ChoiceValue(item.HorzMin(), d, item.HorzMax(), choice);
}

int VertChoiceValue(const CFaceItem& item, int choice) {
    return ChoiceValue(item.YMin(), item.DefaultY(), item.YMax(), choice);
}

bool ApplyPhotoRobotChoice(CFaceItem& item, int controlId) {
    if (controlId == kHideId) {
        item.Hide();
        return true;
    }
    if (controlId >= kFirstShapeId && controlId < kFirstShapeId + 40) {
        item.SetShape(controlId - kFirstShapeId);
        item.Reload();
        return true;
    }
    if (controlId >= kFirstVariantId && controlId < kFirstVariantId + 6) {
        item.SetVariant(controlId - kFirstVariantId);
        item.Reload();
        return true;
    }
    if (controlId >= kFirstHorzId && controlId < kFirstHorzId + 3) {
        item.SetHorzValue(HorzChoiceValue(item, controlId - kFirstHorzId));
        return true;
    }
    if (controlId >= kFirstVertId && controlId < kFirstVertId + 3) {
        item.SetPosY(VertChoiceValue(item, controlId - kFirstVertId));
        return true;
    }
    return false;
}

} // namespace mienlore
