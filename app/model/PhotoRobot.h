#pragma once

#include "model/FaceSlot.h"

#include <array>
#include <string>
#include <vector>

namespace mienlore {

class CFaceItem;

// Control ids shared by every photo-robot page.
namespace photorobot {
inline constexpr int kHeadingId = 1271;
inline constexpr int kUnknownId = 1760;    // first shape radio: changes nothing
inline constexpr int kFirstShapeId = 1761; // radio n sets shape n - 1761
inline constexpr int kFirstVariantId = 1841;
inline constexpr int kFirstHorzId = 1861; // low, default, high
inline constexpr int kFirstVertId = 1931; // low, default, high
inline constexpr int kHideId = 1890;
inline constexpr int kPageCount = 8;
} // namespace photorobot

// One page of the photo-robot questionnaire: which slot it asks about and
// the labels of its radio groups in id order (an empty group is absent).
struct PhotoRobotPage {
    int dialogId;
    FaceSlot slot;
    const char* heading;
    std::vector<const char*> shapes;
    std::vector<const char*> variants;
    std::vector<const char*> horizontal;
    std::vector<const char*> vertical;
};

// The eight pages in questionnaire order (forehead, cheek-bones, chin, lips,
// nose, eyes, eyebrows, ears).
const std::array<PhotoRobotPage, photorobot::kPageCount>& PhotoRobotPages();

// "Photo-robot page n/8" for page number n (1..8).
std::string PhotoRobotTitle(int pageNumber);

// The value a horizontal (choice 0, 1, 2 = low, default, high) choice sets:
// the size of a sized slot, else x. Low and high lie halfway between the
// default and the end of the range; the current value is never looked at.
int HorzChoiceValue(const CFaceItem& item, int choice);
// The y a vertical choice sets, computed the same way from the y range.
int VertChoiceValue(const CFaceItem& item, int choice);

// Applies the control with that id to the slot (shape, variant, horizontal,
// vertical or "Hide"); the pictures of the slot are looked up again. Returns
// false when the control changes nothing ("Unknown", an unknown id).
bool ApplyPhotoRobotChoice(CFaceItem& item, int controlId);

} // namespace mienlore
