#include "Catalogue.h"

#include <cstdio>

namespace mienlore::faceart {
namespace {

const char* const kForeheadShapes[] = {"Round",          "Oval",         "Square",
                                       "Triangular",     "With Small M", "M - Symmetrical",
                                       "Partially Bald", "Bald",         "Empty"};
const char* const kForeheadVariants[] = {"Wide", "Average", "Narrow"};
const char* const kCheekShapes[] = {"Wide Round",
                                    "Thick",
                                    "Puffy",
                                    "Very Express",
                                    "Raised Upper Eyes",
                                    "Below Eyes",
                                    "Hardly Express",
                                    "Round Oval",
                                    "Oval",
                                    "Straight-forward",
                                    "Rectangular",
                                    "Lean",
                                    "Slightly Sunken Cheeks",
                                    "Sunken Cheeks",
                                    "Very Sunken Cheeks",
                                    "Empty"};
const char* const kChinShapes[] = {"Square Jaw", "Oval Jaw",    "Average Jaw",
                                   "Round Jaw",  "Pointed Jaw", "Empty"};
const char* const kChinVariants[] = {"Narrow Chin",  "Narrow Chin with a Dimple",
                                     "Average Chin", "Average Chin with a Dimple",
                                     "Wide Chin",    "Wide Chin with a Dimple"};
const char* const kEyeShapes[] = {
    "Large Eyes", "Almond-shaped", "Oval with Angles", "Oval Eyes",  "Heavy Lids", "Round Small",
    "Triangular", "Narrow",        "Very Narrow",      "Small Eyes", "Empty"};
const char* const kInclines[] = {"No Incline", "Raised Outside", "Lowered Outside",
                                 "Set 1",      "Set 2",          "Set 3"};
const char* const kBrowShapes[] = {"Short Thin",
                                   "Short",
                                   "Short Wide",
                                   "Average Thin",
                                   "Average Straight",
                                   "Average Arched",
                                   "Average Curved",
                                   "Average Broken",
                                   "Widen to Temples",
                                   "Narrowed down to Temples",
                                   "Heavy Arched",
                                   "Long Thin",
                                   "Long Arched",
                                   "Long Wide",
                                   "Empty"};
const char* const kNoseShapes[] = {"Short Nose", "Narrow Nose", "Straight", "Widen Down", "Pointed",
                                   "Rhombic",    "Wide",        "Large",    "Empty"};
const char* const kNoseVariants[] = {"Narrow Base",  "Short Base",
                                     "Average Base", "Hooked, Nostrils Showing",
                                     "High Base",    "Wide Base"};
const char* const kLipShapes[] = {"Thin Lips",       "Even Lips", "Thick Upper Lip",
                                  "Thick Lower Lip", "Wide Lips", "Empty"};
const char* const kLipVariants[] = {"Without Shape", "Average Shape", "Arched downwards",
                                    "Heart-shaped"};
const char* const kEarShapes[] = {"Adpressed Ears",
                                  "Average Ears",
                                  "Sticked out Ears",
                                  "Sticked out down Ears",
                                  "Sticked out curved Ears",
                                  "Sticked out round Ears",
                                  "Without Ears"};
const char* const kEarVariants[] = {"Without Lobe", "With Lobe", "With Large Lobe"};

struct Names {
    const char* const* shapes;
    const char* const* variants;
};

Names NamesOf(int number) {
    switch (number) {
    case 1:
        return {kForeheadShapes, kForeheadVariants};
    case 2:
        return {kCheekShapes, nullptr};
    case 3:
        return {kChinShapes, kChinVariants};
    case 4:
        return {kEyeShapes, kInclines};
    case 5:
        return {kBrowShapes, kInclines};
    case 6:
        return {kNoseShapes, kNoseVariants};
    case 7:
        return {kLipShapes, kLipVariants};
    case 8:
        return {kEarShapes, kEarVariants};
    default:
        return {nullptr, nullptr};
    }
}

std::string SetName(int i) {
    return "Set  " + std::to_string(i + 1);
}

} // namespace

const std::vector<SlotArt>& Slots() {
    static const std::vector<SlotArt> kSlots = {
        {1, "lo", "Forehead", 176, 100, 40, 30, 9, 3, false, false, true, false, &DrawForehead},
        {2, "sc", "Cheek-bones", 172, 116, 42, 120, 16, 3, false, false, false, true, &DrawCheeks},
        {3, "ch", "Chin", 172, 60, 42, 190, 6, 6, false, false, false, true, &DrawChin},
        {4, "ey", "Eyes", 42, 30, 76, 122, 11, 6, true, false, true, false, &DrawEyes},
        {5, "br", "Eyebrows", 64, 38, 56, 95, 15, 6, true, false, true, false, &DrawBrows},
        {6, "no", "Nose", 80, 68, 89, 120, 9, 6, false, false, true, true, &DrawNose},
        {7, "mo", "Lips", 96, 30, 79, 190, 6, 4, false, false, true, false, &DrawLips},
        {8, "ea", "Ears", 24, 86, 13, 95, 7, 3, true, false, true, false, &DrawEars},
        {9, "ha", "Hair", 200, 234, 24, 10, 10, 10, false, true, false, true, &DrawHair},
        {10, "mu", "Moustache", 192, 150, 34, 110, 10, 3, false, true, false, true, &DrawMoustache},
        {11, "be", "Beard", 192, 150, 31, 110, 10, 4, false, true, false, true, &DrawBeard},
        {12, "gl", "Glasses", 192, 50, 34, 110, 10, 2, false, true, false, true, &DrawGlasses},
    };
    return kSlots;
}

int PictureCount(const SlotArt& slot) {
    return slot.shapes * slot.variants;
}

int ShapeOf(const SlotArt& slot, int index) {
    return slot.variantMajor ? index % slot.shapes : index / slot.variants;
}

int VariantOf(const SlotArt& slot, int index) {
    return slot.variantMajor ? index / slot.shapes : index % slot.variants;
}

int LibraryId(const SlotArt& slot, int index) {
    return 10000 + 1000 * slot.number + (slot.paired ? 100 : 0) + index;
}

std::string FileName(const SlotArt& slot, int index) {
    char part[16];
    std::snprintf(part, sizeof part, index < 10 ? "_%1d" : "%2d", index);
    return std::string(slot.tag) + part + ".bmp";
}

std::string ShapeName(const SlotArt& slot, int shape) {
    const Names names = NamesOf(slot.number);
    return names.shapes ? names.shapes[shape] : SetName(shape);
}

std::string VariantName(const SlotArt& slot, int variant) {
    const Names names = NamesOf(slot.number);
    return names.variants ? names.variants[variant] : SetName(variant);
}

double BoxLeft(const SlotArt& slot) {
    return slot.paired ? 260 - slot.width - slot.x : slot.x;
}

QImage Blank(const SlotArt& slot) {
    QImage image(slot.width, slot.height, QImage::Format_Grayscale8);
    image.fill(255);
    return image;
}

} // namespace mienlore::faceart
