#include "gallery/CharacterMap.h"

#include "analysis/FateFrame.h"
#include "model/FaceFrame.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace mienlore {

GalleryStatistics ComputeGalleryStatistics(const std::vector<StoredFace>& faces,
                                           const std::function<void(int done)>& progress,
                                           const std::filesystem::path& programFolder) {
    GalleryStatistics stats;
    const int n = static_cast<int>(faces.size());
    stats.values.assign(faces.size(), IndicatorValues{});
    stats.decoded.assign(faces.size(), false);
    stats.minimum.fill(999);
    stats.maximum.fill(-999);
    std::array<double, 16> sum{};

    CFaceFrame scratch(programFolder);
    FateTextFiles files;
    files.programFolder = programFolder;
    CFateFrame fate(files);
    fate.BindFace(&scratch);
    for (int i = 0; i < n; ++i) {
        if (scratch.DecodeMain(StoredFaceCode(faces[i].line))) {
            fate.Recompute(false);
            const IndicatorValues v = fate.GetAllIndicators();
            stats.values[i] = v;
            stats.decoded[i] = true;
            for (int k = 0; k < 16; ++k) {
                stats.minimum[k] = std::min<double>(stats.minimum[k], v[k]);
                stats.maximum[k] = std::max<double>(stats.maximum[k], v[k]);
                sum[k] += v[k];
            }
        }
        if (progress && (i + 1) % 10 == 0)
            progress(i + 1);
    }
    for (int k = 0; k < 16; ++k) {
        if (stats.maximum[k] < stats.minimum[k] + 2)
            stats.maximum[k] = stats.minimum[k] + 2;
        // An empty gallery has no mean; 0 keeps the map's numbers finite.
        stats.mean[k] = n > 0 ? sum[k] / n : 0;
    }
    stats.computed = true;
    return stats;
}

std::vector<int> ChooseMapTraits(const std::vector<int>& ticked) {
    std::vector<int> chosen;
    for (int id : kMapTraitIds)
        if (std::find(ticked.begin(), ticked.end(), id) != ticked.end() &&
            static_cast<int>(chosen.size()) < kMaxMapChoices)
            chosen.push_back(id);
    for (int id : kMapTraitIds) {
        if (static_cast<int>(chosen.size()) >= kMinMapChoices)
            break;
        if (std::find(chosen.begin(), chosen.end(), id) == chosen.end())
            chosen.push_back(id);
    }
    // Filled-up traits join in trait order.
    std::sort(chosen.begin(), chosen.end(), [](int a, int b) {
        return std::find(kMapTraitIds.begin(), kMapTraitIds.end(), a) <
               std::find(kMapTraitIds.begin(), kMapTraitIds.end(), b);
    });
    return chosen;
}

std::vector<int> MapDimensions(std::vector<int> traits) {
    if (!traits.empty() && traits[0] == 2530) {
        if (traits.size() >= 2) {
            traits.push_back(traits[1]);
            traits[1] = 2540;
        } else {
            traits.push_back(2540);
        }
    }
    return traits;
}

std::vector<double> NormaliseForMap(const IndicatorValues& values, const GalleryStatistics& stats,
                                    const std::vector<int>& dims) {
    std::vector<double> w(dims.size());
    for (std::size_t i = 0; i < dims.size(); ++i) {
        const int k = CFateFrame::IndicatorSlot(dims[i]);
        const double v = (values[k] - stats.mean[k]) / (stats.maximum[k] - stats.minimum[k]) + 0.5;
        w[i] = std::clamp(v, 0.0, 1.0);
    }
    return w;
}

void BuildCharacterMap(CSon& map, const GalleryStatistics& stats, const std::vector<int>& dims,
                       const MapProgress& progress) {
    map.Create(dims);
    const int n = static_cast<int>(stats.values.size());
    std::vector<std::vector<double>> samples(stats.values.size());
    for (int t = 0; t < n; ++t)
        samples[t] = NormaliseForMap(stats.values[t], stats, map.Dims());
    for (int t = 0; t < n; ++t) {
        map.Train(t, samples[t].data());
        if (progress.trained && (t + 1) % 10 == 0)
            progress.trained(t + 1);
    }
    for (int t = 0; t < n; ++t) {
        map.MapSample(t, samples[t].data());
        if (progress.mapped && (t + 1) % 10 == 0)
            progress.mapped(n - t - 1);
    }
}

int MarkedNode(const CSon& map, const GalleryStatistics& stats, const IndicatorValues& face) {
    const std::vector<double> sample = NormaliseForMap(face, stats, map.Dims());
    return map.BestMatch(sample.data());
}

const std::array<MapColour, 40> kMapPalette = {{
    {0, 0, 0},       {165, 42, 0},    {0, 64, 64},     {0, 85, 0},      {0, 0, 94},
    {0, 0, 139},     {75, 0, 130},    {40, 40, 40},    {139, 0, 0},     {255, 104, 32},
    {139, 139, 0},   {0, 147, 0},     {56, 142, 142},  {0, 0, 255},     {123, 123, 192},
    {102, 102, 102}, {255, 0, 0},     {255, 173, 91},  {50, 205, 50},   {60, 179, 113},
    {127, 255, 212}, {125, 158, 192}, {128, 0, 128},   {127, 127, 127}, {255, 192, 203},
    {255, 215, 0},   {255, 255, 0},   {0, 255, 0},     {64, 224, 208},  {192, 255, 255},
    {72, 0, 72},     {192, 192, 192}, {255, 228, 225}, {210, 180, 140}, {255, 255, 224},
    {152, 251, 152}, {175, 238, 238}, {104, 131, 139}, {230, 230, 250}, {255, 255, 255},
}};

MapColour NodeColour(const CNode& node) {
    if (node.weightCount == 3) {
        const auto q = [](double w) {
            return static_cast<std::uint8_t>(static_cast<int>(w * 255) / 64 * 64);
        };
        return {q(node.weights[0]), q(node.weights[1]), q(node.weights[2])};
    }
    const int k = std::clamp(node.weightCount, 0, CNode::kMaxWeights);
    int pattern = 0;
    for (int i = 0; i < k; ++i)
        if (node.weights[i] > 0.5)
            pattern += 1 << i;
    return kMapPalette[std::clamp(pattern * 40 / (1 << k), 0, 39)];
}

unsigned WeightWordId(int dimId, double v, double u) {
    switch (dimId) {
    case 2530:
        if (v < 0.45 && u < 0.45)
            return 2696; // Melancholy
        if (v > 0.55 && u < 0.45)
            return 2694; // Choleric
        if (v > 0.55 && u > 0.55)
            return 2692; // Sanguine
        if (v < 0.45 && u > 0.55)
            return 2690; // Phlegmatic
        return 0;
    case 2550:
        return v < 0.45 ? 2552 : v > 0.6 ? 2554 : 0;
    case 2560:
        return v < 0.45 ? 2562 : v > 0.7 ? 2564 : 0;
    case 2570:
        return v < 0.4 ? 2572 : v > 0.6 ? 2574 : 0;
    case 2580:
        return v < 0.4 ? 2582 : v > 0.6 ? 2584 : 0;
    case 2590:
        return v < 0.45 ? 2592 : 0;
    case 2620:
        return v < 0.25 ? 2622 : v > 0.65 ? 2624 : 0;
    case 2630:
        return v < 0.45 ? 2632 : v > 0.55 ? 2634 : 0;
    case 2640:
    case 2650:
    case 2660:
        return v > 0.55 ? static_cast<unsigned>(dimId + 4) : 0;
    case 2670:
        return v < 0.45 ? 2672 : v > 0.6 ? 2674 : 0;
    default:
        return 0;
    }
}

MapLayout MapLayout::For(int clientWidth, int clientHeight, int penWidth) {
    MapLayout l;
    const int inset = penWidth + 2;
    l.left = inset;
    l.top = inset;
    l.width = std::max(0, clientWidth - 2 * inset);
    l.height = std::max(0, clientHeight - 2 * inset);
    int a = l.width / 45; // 30 columns, each 3/2 cells wide
    if (a < 2) {
        a = 2;
        l.squares = true;
    }
    l.s = a / 2;
    l.h = l.s * 3 / 2;
    l.mapWidth = 3 * l.s * CSon::kWidth;
    l.mapHeight = 2 * l.h * CSon::kHeight;
    l.originX = l.left + (l.width - l.mapWidth) / 2;
    // Row lines run through the cells' middles and odd columns sit half a
    // cell higher: the first row line lies one half-height below the map's
    // top, so that the raised cells of row 0 stay inside the area.
    l.originY = l.top + (l.height - l.mapHeight) / 2 + l.h;
    return l;
}

std::array<int, 12> MapLayout::Hexagon(int x, int y) const {
    const int x0 = NodeLeft(x);
    const int yc = NodeRow(x, y);
    return {x0,         yc, x0 + s,     yc - h, x0 + 3 * s, yc - h,
            x0 + 4 * s, yc, x0 + 3 * s, yc + h, x0 + s,     yc + h};
}

bool MapLayout::InMap(int px, int py) const {
    const int cx = left + width / 2;
    const int cy = top + height / 2;
    return px >= cx - mapWidth / 2 && px < cx - mapWidth / 2 + mapWidth &&
           py >= cy - mapHeight / 2 && py < cy - mapHeight / 2 + mapHeight;
}

void PlaceNodes(CSon& map, const MapLayout& layout) {
    for (CNode& node : map.Nodes()) {
        const int x = static_cast<int>(node.x);
        const int y = static_cast<int>(node.y);
        node.centreX = layout.CentreX(x);
        node.centreY = layout.CentreY(x, y);
    }
}

std::vector<int> ThumbnailNodes(const CSon& map) {
    std::vector<int> shown;
    const std::vector<CNode>& nodes = map.Nodes();
    for (int i = 0; i < static_cast<int>(nodes.size()); ++i) {
        const CNode& node = nodes[i];
        if (node.face < 0 || node.face % 3 != 1)
            continue;
        const bool crowded = std::any_of(shown.begin(), shown.end(), [&](int j) {
            return std::abs(nodes[j].centreX - node.centreX) +
                       std::abs(nodes[j].centreY - node.centreY) <
                   30;
        });
        if (!crowded)
            shown.push_back(i);
    }
    return shown;
}

int HoverNode(const CSon& map, int px, int py) {
    int best = -1;
    long long bestSquare = 0;
    const std::vector<CNode>& nodes = map.Nodes();
    for (int i = 0; i < static_cast<int>(nodes.size()); ++i) {
        if (nodes[i].face < 0)
            continue;
        const long long dx = nodes[i].centreX - px;
        const long long dy = nodes[i].centreY - py;
        const long long square = dx * dx + dy * dy;
        if (best < 0 || square < bestSquare) {
            best = i;
            bestSquare = square;
        }
        if (square < 2)
            break;
    }
    return best;
}

std::string HoverText(const CSon& map, int node, const std::function<std::string(unsigned)>& word,
                      const std::function<std::string(int face)>& name) {
    if (node < 0 || node >= static_cast<int>(map.Nodes().size()))
        return {};
    const CNode& n = map.Node(node);
    std::string text;
    const double second = n.weightCount > 1 ? n.weights[1] : 0;
    for (int i = 0; i < n.weightCount && i < static_cast<int>(map.Dims().size()); ++i) {
        const unsigned id = WeightWordId(map.Dims()[i], n.weights[i], second);
        std::string piece(1, ' ');
        if (id != 0 && word)
            piece += word(id);
        if (piece.size() > 3)
            text += piece;
    }
    if (n.face >= 0) {
        text += "\n";
        if (name)
            text += name(n.face);
    }
    return text;
}

} // namespace mienlore
