#include "shell/ui/MenuTable.h"

#include "shell/ui/CommandIds.h"

#include <array>
#include <vector>

namespace mienlore {
namespace {

using namespace cmd;

constexpr MenuItemDef kFileMenu[] = {
    {kFileOpen, "&Open…\tCtrl+O"},
    {kSaveList, "&Save As…\tCtrl+S"},
    {kOpenPicture, "Open picture..."},
    {0, nullptr},
    {kOpenGallery, "Open gallery..."},
    {kSaveToGallery, "Save to gallery..."},
    {0, nullptr},
    {kFilePrint, "&Print…\tCtrl+P"},
    {kFilePrintPreview, "Print Pre&view"},
    {kExportPdf, "Export as PDF…"},
    {kFilePageSetup, "P&age Setup…"},
    {0, nullptr},
    {kSaveWebPage, "Save As WEB Page", true},
    {kSaveWebPageAs, "Save As Web Page…"},
    {kSaveFaceImage, "Save Face Image…"},
    {0, nullptr},
    {kAppExit, "Exit"},
};

constexpr MenuItemDef kEditMenu[] = {
    {kOptions, "&Options…"},
    {0, nullptr},
    {kSlotForehead, "Head \tCtrl+1"},
    {kSlotCheekBones, "Cheek-bone Shapes\tCtrl+2"},
    {kSlotChin, "Chin Shapes \tCtrl+3"},
    {kSlotEyes, "Eyes \tCtrl+4"},
    {kSlotEyebrows, "Eyebrows \tCtrl+5"},
    {kSlotNose, "Noses \tCtrl+6"},
    {kSlotLips, "Lips\tCtrl+7"},
    {kSlotEars, "Ears \tCtrl+8"},
    {0, nullptr},
    {kSlotHair, "Hair \tCtrl+H"},
    {kSlotMoustache, "Moustache\tCtrl+U"},
    {kSlotBeard, "Beards \tCtrl+B"},
    {kSlotGlasses, "Glasses \tCtrl+G"},
    {0, nullptr},
    {kClear, "Clear"},
    {kSmooth, "Smooth"},
    {kRandomize, "Randomize\tCtrl+R"},
    {0, nullptr},
    {kCopyFaceText, "Copy Photo-robot"},
    {kPasteFaceText, "Paste Photo-robot"},
    {kCopyBitmap, "Copy As Bitmap"},
    {kPasteBitmap, "Paste Bitmap\tCtrl+V"},
    {0, nullptr},
    {kPhotoRobot, "Photo-robot\tCtrl+P"},
};

constexpr MenuItemDef kViewMenu[] = {
    {kToggleInterpretation, "Interpretation"},
    {kToggleGallery, "Gallery"},
    {kToggleStatusBar, "&Status Bar"},
    {0, nullptr},
    {kPagePict, "Face Traits"},
    {kPageHist, "Diagram"},
    {kPageText, "Text"},
    {kPageType, "PType"},
};

constexpr MenuItemDef kFindMenu[] = {
    {kFindFace, "&Find Face…"},
    {kFindInGallery, "Find &in Gallery…"},
    {kFindOnMap, "Find on &Map…"},
    {kGalleryList, "&Gallery List"},
};

constexpr MenuItemDef kHelpMenu[] = {
    {kHelpTopics, "Help Topics"}, {kTipOfTheDay, "Ti&p of the Day…"}, {0, nullptr},
    {kWebSite, "Web Site"},       {kSupport, "Technical Support"},    {0, nullptr},
    {kAbout, "&About Mienlore"},
};

constexpr MenuDef kMenus[] = {
    {"&File", kFileMenu}, {"&Edit", kEditMenu},       {"&View", kViewMenu},
    {"&Find", kFindMenu}, {"&Help", kHelpMenu, true},
};

constexpr int kToolbar128[] = {
    kFileOpen, kFileSaveAsButton, 0, kFilePrint, kFilePrintPreview, kSaveWebPage, kSaveFaceImage,
    0,         kOptions,          0, kPagePict,  kPageHist,         kPageText,    kPageType,
    0,         kHelpTopics};

constexpr int kToolbar130[] = {kFilePageSetup, kFilePrint, kFilePrintPreview, 0, kHelpTopics};

std::vector<AcceleratorDef> MakeAccelerators() {
    const auto ctrl = Qt::ControlModifier;
    const auto pad = Qt::KeypadModifier;
    return {
        {QKeySequence(ctrl | Qt::Key_N), kFileNew},
        {QKeySequence(ctrl | Qt::Key_O), kFileOpen},
        {QKeySequence(ctrl | Qt::Key_S), kFileSave},
        {QKeySequence(ctrl | Qt::Key_P), kFilePrint},
        {QKeySequence(Qt::Key_F1), kHelpTopics},
        {QKeySequence(Qt::Key_F6), kNextPane},
        {QKeySequence(Qt::ShiftModifier | Qt::Key_F6), kPrevPane},
        {QKeySequence(ctrl | Qt::Key_1), kSlotForehead},
        {QKeySequence(ctrl | Qt::Key_2), kSlotCheekBones},
        {QKeySequence(ctrl | Qt::Key_3), kSlotChin},
        {QKeySequence(ctrl | Qt::Key_4), kSlotEyes},
        {QKeySequence(ctrl | Qt::Key_5), kSlotEyebrows},
        {QKeySequence(ctrl | Qt::Key_6), kSlotNose},
        {QKeySequence(ctrl | Qt::Key_7), kSlotLips},
        {QKeySequence(ctrl | Qt::Key_8), kSlotEars},
        {QKeySequence(ctrl | Qt::Key_H), kSlotHair},
        {QKeySequence(ctrl | Qt::Key_U), kSlotMoustache},
        {QKeySequence(ctrl | Qt::Key_B), kSlotBeard},
        {QKeySequence(ctrl | Qt::Key_M), kMenWomen},
        {QKeySequence(ctrl | Qt::Key_R), kRandomize},
        {QKeySequence(ctrl | Qt::Key_P), kPhotoRobot},
        {QKeySequence(ctrl | Qt::Key_C), kDefaultPlacement},
        {QKeySequence(ctrl | Qt::Key_V), kPasteBitmap},
        {QKeySequence(ctrl | pad | Qt::Key_Plus), kListAdd},
        {QKeySequence(ctrl | pad | Qt::Key_Minus), kListDelete},
        // Keys desktop users expect, where no key above is taken.
        {QKeySequence(ctrl | Qt::Key_Z), kUndo},
        {QKeySequence(ctrl | Qt::ShiftModifier | Qt::Key_Z), kRedo},
        {QKeySequence(ctrl | Qt::Key_Q), kAppExit},
    };
}

} // namespace

std::span<const MenuDef> MainMenuDefs() {
    return kMenus;
}

std::span<const AcceleratorDef> AcceleratorDefs() {
    static const std::vector<AcceleratorDef> table = MakeAccelerators();
    return table;
}

std::span<const int> Toolbar128() {
    return kToolbar128;
}
std::span<const int> Toolbar130() {
    return kToolbar130;
}

} // namespace mienlore
