#pragma once

#include "base/ProgramFolder.h"
#include "files/StoredFace.h"
#include "gallery/Son.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace mienlore {

// The indicator values of one face as the analysis lists them
// (confidence, then the fifteen traits).
using IndicatorValues = std::array<int, 16>;

// What the gallery's faces tell about the range of each indicator: minimum,
// maximum (at least minimum + 2) and mean, and each face's own values. A
// face whose code does not decode keeps zeros and takes no part in the
// minimum, maximum or sum, but counts in the mean's divisor.
struct GalleryStatistics {
    std::array<double, 16> minimum{};
    std::array<double, 16> maximum{};
    std::array<double, 16> mean{};
    std::vector<IndicatorValues> values; // per gallery face
    std::vector<bool> decoded;
    bool computed = false;
};

// Analyses every gallery face (eight main slots, without personality
// types) with the trait tables below programFolder. progress(i) is called
// every 10 faces with the count done.
GalleryStatistics
ComputeGalleryStatistics(const std::vector<StoredFace>& faces,
                         const std::function<void(int done)>& progress = {},
                         const std::filesystem::path& programFolder = ExecutableFolder());

// The check boxes of the map's traits, in trait order ("Temperament" 2530
// first, which brings 2540 along).
inline constexpr std::array<int, 12> kMapTraitIds = {2530, 2550, 2560, 2570, 2580, 2590,
                                                     2620, 2630, 2640, 2650, 2660, 2670};
inline constexpr int kMaxMapChoices = 6;
inline constexpr int kMinMapChoices = 3;

// The traits the map is made over, from the ticked ones (in trait order):
// at most 6; fewer than 3 are filled up with unticked traits in trait order.
std::vector<int> ChooseMapTraits(const std::vector<int>& ticked);
// The map's dimensions for chosen traits: when the first is the temperament
// (2530), 2540 becomes the second and the former second goes to the end.
std::vector<int> MapDimensions(std::vector<int> traits);

// A vector of indicator values as map weights: per dimension, the value's
// offset from the gallery mean over the gallery's range, + 0.5, in [0, 1].
std::vector<double> NormaliseForMap(const IndicatorValues& values, const GalleryStatistics& stats,
                                    const std::vector<int>& dims);

// Progress of building a map: trained(t) every 10 training samples (the
// dialog repaints and yields there), mapped(remaining) every 10 mapping
// samples.
struct MapProgress {
    std::function<void(int t)> trained;
    std::function<void(int remaining)> mapped;
};

// Makes the map over the dimensions, trains it with every gallery face in
// gallery order and maps each face to its best node.
void BuildCharacterMap(CSon& map, const GalleryStatistics& stats, const std::vector<int>& dims,
                       const MapProgress& progress = {});

// The node where a face falls on a built map (its best match), or -1.
int MarkedNode(const CSon& map, const GalleryStatistics& stats, const IndicatorValues& face);

// Colours of the map.
struct MapColour {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const MapColour&) const = default;
};
extern const std::array<MapColour, 40> kMapPalette;
// Three weights give red, green and blue directly in steps of 64; other
// counts pick a palette entry by which weights lie above 0.5.
MapColour NodeColour(const CNode& node);

// The string id of the word for a weight of a dimension (0 when none): v is
// the dimension's weight, u the second dimension's (for the temperament).
unsigned WeightWordId(int dimId, double v, double u);

// Where the map sits in a drawing area: the cell half-width s and
// half-height h, the map's size and its origin, and whether the nodes are
// squares (cells too small for hexagons).
struct MapLayout {
    int left = 0; // the client area, shrunk by the pen
    int top = 0;
    int width = 0;
    int height = 0;
    int s = 1;
    int h = 1;
    int mapWidth = 0;
    int mapHeight = 0;
    int originX = 0;
    int originY = 0;
    bool squares = false;

    // The layout for a client rectangle and a pen width.
    static MapLayout For(int clientWidth, int clientHeight, int penWidth = 1);
    // Left point and row line of node (x, y).
    int NodeLeft(int x) const { return originX + 3 * s * x; }
    int NodeRow(int x, int y) const { return originY + 2 * h * y - (x % 2 == 1 ? h : 0); }
    int CentreX(int x) const { return NodeLeft(x) + 2 * s; }
    int CentreY(int x, int y) const { return NodeRow(x, y); }
    // The six hexagon points of node (x, y) as x0, y0, x1, y1, ...
    std::array<int, 12> Hexagon(int x, int y) const;
    // Whether a point lies in the map rectangle around the client centre.
    bool InMap(int px, int py) const;
};

// Sets every node's screen centre for a layout.
void PlaceNodes(CSon& map, const MapLayout& layout);

// The nodes that get a thumbnail, in row-major order: a representative face
// index r with r mod 3 = 1, and a centre at a Manhattan distance of at
// least 30 pixels from every thumbnail before.
std::vector<int> ThumbnailNodes(const CSon& map);

// The node under a point (placed nodes with a representative face; the
// nearest centre, a squared distance below 2 ends the search), or -1.
int HoverNode(const CSon& map, int px, int py);

// The hover text of a node: a word per dimension (" word" each), then "\n"
// and the face's name when the node has one. word looks a string id up.
std::string HoverText(const CSon& map, int node, const std::function<std::string(unsigned)>& word,
                      const std::function<std::string(int face)>& name);
// The text outside the map.
inline constexpr char kOutsideMapText[] = "diagramm";

} // namespace mienlore
