#pragma once

#include "base/Colour.h"
#include "shell/WindowPlacement.h"

#include <array>
#include <cstdint>
#include <string>

namespace mienlore {

class CLang;
class ISettingsStore;

// Number of smoothing levels of the face picture ("No", "10%" ... "50%").
inline constexpr int kFilterLevels = 6;

// Settings of the face window.
class CFaceParams {
public:
    virtual ~CFaceParams() = default;

    int filter = 2;         // smoothing level, 0 .. kFilterLevels - 1
    std::string file;       // last face file name
    int showInfo = 1;       // "Information"
    int gradientFill = 0;   // "Gradient fill"
    int backgroundFace = 0; // switched from the photo page for the run only; never stored
    int tooltips = 1;       // "Tooltips"
    Colour infoColour = Rgb(0, 0, 255);
    Colour fillColour = Rgb(255, 255, 255);
    Colour faceColour = Rgb(255, 255, 255);
};

// Diagram style: 0 draws the colours as they are on black, 1 inverts them.
inline constexpr int kStyleBlack = 0;
inline constexpr int kStyleWhite = 1;

// Settings of the diagram and histograms.
class CFateParams {
public:
    virtual ~CFateParams() = default;

    Colour textColour = Rgb(255, 255, 128);
    Colour lineColour = Rgb(0, 255, 0);
    Colour windowColour = Rgb(128, 128, 128);
    Colour minColour = Rgb(255, 0, 0);
    Colour maxColour = Rgb(0, 0, 255);
    int style = kStyleWhite;
};

// The tip-of-the-day state.
struct TipsParams {
    int showAtStartup = 1;
    int nextTip = 0;
};

// The remembered windows, in storage order.
enum PlacementIndex {
    kPlacementMain,
    kPlacementFindFace,
    kPlacementFindSoh,
    kPlacementFindGall,
    kPlacementFindGList,
    kPlacementCount
};

// Value names of the placements in the "Wind" section, by PlacementIndex.
inline constexpr const char* kPlacementNames[kPlacementCount] = {"Main", "FindFace", "FindSoh_",
                                                                 "FindGall", "FindGList"};

// A colour the diagrams draw: under the white style each component c becomes
// 255 - c, under the black style the colour is kept.
Colour StyledColour(Colour colour, int style);

// The settings record of the run.
class CParams {
public:
    CParams() = default;
    virtual ~CParams() = default;

    CFaceParams face;
    CFateParams fate;
    std::array<WindowPlacement, kPlacementCount> placements{};
    std::string language; // path of the chosen language file
    TipsParams tips;

    void SetDefaults();

    // Sets the defaults, then reads the sections "Face", "Fate", "Wind" and
    // "Tips". The stored language file is only read into `language`: the
    // language loader keeps the choice itself (see CLang).
    void Load(ISettingsStore& store);

    // Writes the four sections in the same order, taking the language file
    // from the loader first when one is given. False when the store could not
    // keep the values.
    bool Save(ISettingsStore& store, const CLang* lang);

    Colour Styled(Colour colour) const { return StyledColour(colour, fate.style); }
};

} // namespace mienlore
