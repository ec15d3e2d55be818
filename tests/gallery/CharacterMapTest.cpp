#include "gallery/CharacterMap.h"

#include "analysis/FateFrame.h"
#include "model/FaceFrame.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

using namespace mienlore;

namespace {

const char kNewFace[] = "lo0101040030sc0800100120ch0202042190ey0300076122br0400056095no0202100120"
                        "mo0101100190ea0101100095;";
const char kOtherFace[] = "lo0302040030sc0801100120ch0102042190ey0205076122br0103056095"
                          "no0402100120mo0201100190ea0301100095;";

// Statistics with every indicator in 0..100 and mean 50.
GalleryStatistics PlainStatistics() {
    GalleryStatistics stats;
    stats.minimum.fill(0);
    stats.maximum.fill(100);
    stats.mean.fill(50);
    stats.computed = true;
    return stats;
}

std::vector<double> Weights(const CNode& node) {
    return std::vector<double>(node.weights, node.weights + node.weightCount);
}

} // namespace

TEST(CharacterMap, TraitChoiceFillsUpToThreeAndCutsAtSix) {
    // Nothing ticked: the first three traits, and the temperament takes two
    // dimensions (2540 second, the former second moves to the end).
    const std::vector<int> chosen = ChooseMapTraits({});
    EXPECT_EQ(chosen, (std::vector<int>{2530, 2550, 2560}));
    const std::vector<int> dims = MapDimensions(chosen);
    EXPECT_EQ(dims, (std::vector<int>{2530, 2540, 2560, 2550}));
    EXPECT_EQ(std::set<int>(dims.begin(), dims.end()), (std::set<int>{2530, 2540, 2550, 2560}));

    EXPECT_EQ(ChooseMapTraits({2670}), (std::vector<int>{2530, 2550, 2670}));
    EXPECT_EQ(ChooseMapTraits({2570, 2560, 2550}), (std::vector<int>{2550, 2560, 2570}));
    EXPECT_EQ(MapDimensions({2550, 2560, 2570}), (std::vector<int>{2550, 2560, 2570}));
    const std::vector<int> all(kMapTraitIds.begin(), kMapTraitIds.end());
    EXPECT_EQ(ChooseMapTraits(all), (std::vector<int>{2530, 2550, 2560, 2570, 2580, 2590}));
    EXPECT_EQ(MapDimensions(ChooseMapTraits(all)).size(), 7u);
}

TEST(CharacterMap, StatisticsCountUndecodableFacesOnlyInTheMean) {
    const std::vector<StoredFace> faces = {
        {kNewFace, "A"}, {"not a face;B", "B"}, {kNewFace, "C"}, {kOtherFace, "D"}};
    int calls = 0;
    const GalleryStatistics stats = ComputeGalleryStatistics(
        faces, [&](int) { ++calls; }, test::ProgramFolder());
    EXPECT_EQ(calls, 0); // every 10 faces
    ASSERT_EQ(stats.values.size(), 4u);
    EXPECT_EQ(stats.decoded, (std::vector<bool>{true, false, true, true}));
    EXPECT_EQ(stats.values[1], IndicatorValues{});

    // The analysis of each face, computed on its own.
    CFaceFrame face(test::ProgramFolder());
    FateTextFiles files;
    files.programFolder = test::ProgramFolder();
    CFateFrame fate(files);
    fate.BindFace(&face);
    ASSERT_TRUE(face.Decode(kNewFace, true));
    fate.Recompute(false);
    const IndicatorValues a = fate.GetAllIndicators();
    ASSERT_TRUE(face.Decode(kOtherFace, true));
    fate.Recompute(false);
    const IndicatorValues d = fate.GetAllIndicators();
    EXPECT_EQ(stats.values[0], a);
    EXPECT_EQ(stats.values[3], d);
    for (int k = 0; k < 16; ++k) {
        const double lo = std::min(a[k], d[k]);
        const double hi = std::max(a[k], d[k]);
        EXPECT_EQ(stats.minimum[k], lo) << k;
        EXPECT_EQ(stats.maximum[k], std::max(hi, lo + 2)) << k;
        EXPECT_DOUBLE_EQ(stats.mean[k], (2.0 * a[k] + d[k]) / 4) << k;
    }
}

TEST(CharacterMap, AnEmptyGalleryGivesAnUntrainedMapThatStillMarksTheFace) {
    const GalleryStatistics stats = ComputeGalleryStatistics({}, {}, test::ProgramFolder());
    for (int k = 0; k < 16; ++k) {
        EXPECT_EQ(stats.minimum[k], 999);
        EXPECT_EQ(stats.maximum[k], 1001);
        EXPECT_EQ(stats.mean[k], 0);
    }
    CSon map;
    BuildCharacterMap(map, stats, {2550, 2560, 2570});
    EXPECT_EQ(map.Nodes().size(), 600u);
    EXPECT_EQ(Weights(map.Node(5 + 30 * 4)), (std::vector<double>(3, 20.0 / 600)));
    IndicatorValues v{};
    v.fill(50);
    const int marked = MarkedNode(map, stats, v);
    EXPECT_GE(marked, 0);
    EXPECT_LT(marked, 600);
}

TEST(CharacterMap, NormalisingCentresOnTheMeanAndClamps) {
    GalleryStatistics stats = PlainStatistics();
    IndicatorValues v{};
    v[CFateFrame::IndicatorSlot(2550)] = 75;
    v[CFateFrame::IndicatorSlot(2560)] = 0;
    v[CFateFrame::IndicatorSlot(2570)] = 100;
    stats.maximum[CFateFrame::IndicatorSlot(2570)] = 60;
    const std::vector<double> w = NormaliseForMap(v, stats, {2550, 2560, 2570});
    EXPECT_DOUBLE_EQ(w[0], 0.75);
    EXPECT_DOUBLE_EQ(w[1], 0.0);
    EXPECT_DOUBLE_EQ(w[2], 1.0); // 50 / 60 + 0.5, clamped
}

TEST(CharacterMap, TrainingPullsTheNeighbourhoodUntilTheRadiusIsTooSmall) {
    CSon map;
    map.Create({2550, 2560, 2570});
    EXPECT_DOUBLE_EQ(CSon::Sigma(0), 15);
    EXPECT_NEAR(CSon::Alpha(3000), 1.0 / 15, 1e-12);

    const double sample[3] = {0.9, 0.9, 0.9};
    CSon late = map;
    EXPECT_FALSE(late.Train(2991, sample));
    EXPECT_FALSE(late.Train(5000, sample));
    for (int i = 0; i < 600; ++i)
        EXPECT_EQ(Weights(late.Node(i)), Weights(map.Node(i)));
    EXPECT_TRUE(late.Train(2988, sample));

    // The first sample: the winner is the node whose start weights x y / 600
    // are nearest to 0.9, i.e. x y nearest to 540: (28, 19) with 532.
    CSon first = map;
    const int winner = first.BestMatch(sample);
    EXPECT_EQ(winner, 28 + 30 * 19);
    ASSERT_TRUE(first.Train(0, sample));
    const double before = map.Node(winner).weights[0];
    EXPECT_NEAR(first.Node(winner).weights[0], before + (0.9 - before) * 0.1, 1e-12);
    // A node 3 cells away moves by exp(-9 / 450) of that.
    const int near = 25 + 30 * 19;
    const double b2 = map.Node(near).weights[0];
    EXPECT_NEAR(first.Node(near).weights[0], b2 + (0.9 - b2) * std::exp(-9.0 / 450) * 0.1, 1e-12);
    // Nodes farther than 15 cells stay.
    EXPECT_EQ(Weights(first.Node(0)), Weights(map.Node(0)));
    EXPECT_EQ(Weights(first.Node(28 - 16 + 30 * 19)), Weights(map.Node(28 - 16 + 30 * 19)));
}

TEST(CharacterMap, TheCloserFaceRepresentsASharedNode) {
    CSon map;
    map.Create({2550, 2560, 2570});
    // Both nearest to node 0 (all its weights are 0, every other node's are
    // at least as large).
    const double far[3] = {-0.05, 0.0, 0.0};
    const double close[3] = {-0.01, 0.0, 0.0};
    map.MapSample(0, far);
    map.MapSample(1, close);
    map.MapSample(2, far);
    EXPECT_EQ(map.Node(0).face, 1);
    EXPECT_NEAR(map.Node(0).bestDistance, 0.01, 1e-12);
    EXPECT_EQ(map.Node(1).face, -1);
    EXPECT_EQ(map.Node(1).bestDistance, 99999);
}

TEST(CharacterMap, ThreeWeightsColourInStepsOfSixtyFourOthersByPalette) {
    CNode node;
    node.weightCount = 3;
    node.weights[0] = 0.3;
    node.weights[1] = 0.6;
    node.weights[2] = 1.0;
    EXPECT_EQ(NodeColour(node), (MapColour{64, 128, 192}));
    node.weights[0] = 0.25; // 63.75 -> 63 -> 0
    EXPECT_EQ(NodeColour(node).r, 0);

    node.weightCount = 4; // weights 0 and 3 above 0.5: pattern 9, entry 9 * 40 / 16 = 22
    node.weights[0] = 0.8;
    node.weights[1] = 0.5;
    node.weights[2] = 0.1;
    node.weights[3] = 0.7;
    EXPECT_EQ(NodeColour(node), (MapColour{128, 0, 128}));
    node.weightCount = 6; // pattern 9 of 64: entry 5
    node.weights[4] = node.weights[5] = 0;
    EXPECT_EQ(NodeColour(node), (MapColour{0, 0, 139}));
    node.weights[4] = node.weights[5] = 1; // pattern 57: entry 35
    EXPECT_EQ(NodeColour(node), (MapColour{152, 251, 152}));
    EXPECT_EQ(kMapPalette[0], (MapColour{0, 0, 0}));
    EXPECT_EQ(kMapPalette[39], (MapColour{255, 255, 255}));
}

TEST(CharacterMap, WordsForWeights) {
    EXPECT_EQ(WeightWordId(2530, 0.4, 0.4), 2696u);
    EXPECT_EQ(WeightWordId(2530, 0.6, 0.4), 2694u);
    EXPECT_EQ(WeightWordId(2530, 0.6, 0.6), 2692u);
    EXPECT_EQ(WeightWordId(2530, 0.4, 0.6), 2690u);
    EXPECT_EQ(WeightWordId(2530, 0.5, 0.6), 0u);
    EXPECT_EQ(WeightWordId(2540, 0.9, 0.9), 0u);
    EXPECT_EQ(WeightWordId(2550, 0.6, 0), 0u);
    EXPECT_EQ(WeightWordId(2550, 0.61, 0), 2554u);
    EXPECT_EQ(WeightWordId(2560, 0.7, 0), 0u);
    EXPECT_EQ(WeightWordId(2560, 0.44, 0), 2562u);
    EXPECT_EQ(WeightWordId(2570, 0.39, 0), 2572u);
    EXPECT_EQ(WeightWordId(2580, 0.61, 0), 2584u);
    EXPECT_EQ(WeightWordId(2590, 0.9, 0), 0u);
    EXPECT_EQ(WeightWordId(2620, 0.24, 0), 2622u);
    EXPECT_EQ(WeightWordId(2620, 0.66, 0), 2624u);
    EXPECT_EQ(WeightWordId(2640, 0.1, 0), 0u);
    EXPECT_EQ(WeightWordId(2660, 0.56, 0), 2664u);
    EXPECT_EQ(WeightWordId(2670, 0.44, 0), 2672u);
}

TEST(CharacterMap, LayoutThumbnailsAndHover) {
    const MapLayout l = MapLayout::For(456, 300); // a = 450 / 45 = 10
    EXPECT_FALSE(l.squares);
    EXPECT_EQ(l.s, 5);
    EXPECT_EQ(l.h, 7);
    EXPECT_EQ(l.mapWidth, 450);
    EXPECT_EQ(l.mapHeight, 280);
    EXPECT_EQ(l.originX, 3);
    EXPECT_EQ(l.originY, 3 + (294 - 280) / 2 + 7);
    // Odd columns sit half a cell higher; row 0 of them touches the map's top.
    EXPECT_EQ(l.Hexagon(1, 0), (std::array<int, 12>{18, 10, 23, 3, 33, 3, 38, 10, 33, 17, 23, 17}));
    EXPECT_EQ(l.Hexagon(0, 0)[3], 10);
    EXPECT_TRUE(MapLayout::For(80, 80).squares);
    EXPECT_EQ(MapLayout::For(80, 80).s, 1);

    CSon map;
    map.Create({2530, 2540, 2550});
    PlaceNodes(map, l);
    // Faces on nodes 0 (face 1), 1 (face 4: too close to node 0), 10 (face 7),
    // 20 (face 3: not 1 mod 3).
    map.Nodes()[0].face = 1;
    map.Nodes()[1].face = 4;
    map.Nodes()[10].face = 7;
    map.Nodes()[20].face = 3;
    EXPECT_EQ(ThumbnailNodes(map), (std::vector<int>{0, 10}));

    // Hover: the nearest node with a face.
    EXPECT_EQ(HoverNode(map, map.Node(10).centreX + 3, map.Node(10).centreY), 10);
    EXPECT_EQ(HoverNode(map, map.Node(599).centreX, map.Node(599).centreY), 20);
    map.Nodes()[10].weights[0] = 0.9;
    map.Nodes()[10].weights[1] = 0.2;
    map.Nodes()[10].weights[2] = 0.3;
    const auto word = [](unsigned id) { return InterfaceName(id, ""); };
    const auto name = [](int face) { return "Face " + std::to_string(face); };
    EXPECT_EQ(HoverText(map, 10, word, name), " Choleric Conformist\nFace 7");
    map.Nodes()[10].weights[2] = 0.5;
    EXPECT_EQ(HoverText(map, 10, word, name), " Choleric\nFace 7");
    EXPECT_EQ(HoverText(map, -1, word, name), "");
    EXPECT_TRUE(l.InMap(l.left + l.width / 2, l.top + l.height / 2));
    EXPECT_FALSE(l.InMap(1, 1));
}
