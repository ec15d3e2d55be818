#include "gallery/TraitSearch.h"

#include "analysis/FateFrame.h"
#include "model/FaceFrame.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace mienlore;

namespace {

FateTextFiles Files() {
    FateTextFiles files;
    files.programFolder = test::ProgramFolder();
    return files;
}

// An analysis whose normalised values are set by hand.
struct Norms {
    CFateFrame fate{Files()};
    void Set(int id, double norm) { fate.GetTrait(id).norm = norm; }
};

PreparedTargets Prepared(std::initializer_list<std::pair<int, int>> entries) {
    TraitTargets t;
    for (const auto& [id, pos] : entries)
        EXPECT_TRUE(t.Set(id, pos));
    return PrepareTargets(t);
}

} // namespace

TEST(TraitTargets, IdsRunInIndicatorOrderAndOnlyTwoAreInverted) {
    EXPECT_EQ(TargetTraitId(0), 2510);
    EXPECT_EQ(TargetTraitId(8), 2590);
    EXPECT_EQ(TargetTraitId(9), 2620);
    EXPECT_EQ(TargetTraitId(14), 2670);
    EXPECT_EQ(TargetTraitIndex(2600), -1);
    EXPECT_EQ(TargetTraitIndex(2610), -1);
    EXPECT_EQ(TargetTraitIndex(2535), -1);
    for (int i = 0; i < kTargetTraitCount; ++i)
        EXPECT_EQ(TargetTraitIndex(TargetTraitId(i)), i);
    TraitTargets t;
    EXPECT_FALSE(t.Set(2590, 101));
    EXPECT_FALSE(t.Set(2600, 50));
    // "Self-confidence" and "Will power" at 100 aim at myse and heav of 0.
    t.Set(2590, 100);
    t.Set(2620, 100);
    t.Set(2630, 100);
    const PreparedTargets p = PrepareTargets(t);
    EXPECT_EQ(p.value[TargetTraitIndex(2590)], 0.0);
    EXPECT_EQ(p.value[TargetTraitIndex(2620)], 0.0);
    EXPECT_EQ(p.value[TargetTraitIndex(2630)], 1.0);
}

TEST(TraitTargets, OnlyTargetsOutsideTheMiddleBandStartASearch) {
    EXPECT_FALSE(PrepareTargets(TraitTargets()).CanStart());
    EXPECT_FALSE(Prepared({{2530, 45}}).CanStart());
    EXPECT_FALSE(Prepared({{2530, 41}, {2550, 59}}).CanStart());
    EXPECT_TRUE(Prepared({{2530, 40}}).CanStart());
    EXPECT_TRUE(Prepared({{2530, 60}}).CanStart());
    EXPECT_EQ(Prepared({{2530, 45}, {2550, 90}}).strongCount, 1);
    // Inverted: position 55 of "Will power" is a target of 45.
    EXPECT_FALSE(Prepared({{2620, 55}}).CanStart());
    EXPECT_TRUE(Prepared({{2620, 35}}).CanStart()); // target 65
}

TEST(TraitTargets, PresetsSetTheirTraitsAndResetTheRest) {
    const TraitTargets enfj = PresetTargets(0);
    int ticked = 0;
    for (int i = 0; i < kTargetTraitCount; ++i) {
        ticked += enfj.ticked[i] ? 1 : 0;
        if (!enfj.ticked[i]) {
            EXPECT_EQ(enfj.position[i], 100);
        }
    }
    EXPECT_EQ(ticked, 6);
    EXPECT_EQ(enfj.position[TargetTraitIndex(2530)], 80);
    EXPECT_EQ(enfj.position[TargetTraitIndex(2570)], 20);
    EXPECT_EQ(enfj.position[TargetTraitIndex(2560)], 20);

    // The adventurer aims at a high adventurism, as its type rule wants.
    const TraitTargets istp = PresetTargets(13);
    EXPECT_TRUE(istp.ticked[TargetTraitIndex(2550)]);
    EXPECT_EQ(istp.position[TargetTraitIndex(2550)], 100);
    EXPECT_EQ(istp.position[TargetTraitIndex(2670)], 0);
    EXPECT_EQ(istp.position[TargetTraitIndex(2540)], 80);

    const TraitTargets isfp = PresetTargets(15);
    EXPECT_EQ(isfp.position[TargetTraitIndex(2530)], 0);
    EXPECT_EQ(isfp.position[TargetTraitIndex(2640)], 80);

    // Outside the table ("-"): every slider at 100, nothing ticked.
    for (int type : {-1, 16}) {
        const TraitTargets none = PresetTargets(type);
        for (int i = 0; i < kTargetTraitCount; ++i) {
            EXPECT_EQ(none.position[i], 100);
            EXPECT_FALSE(none.ticked[i]);
        }
    }
    // Every preset can start a search.
    for (int type = 0; type < kTargetPresetCount; ++type)
        EXPECT_TRUE(PrepareTargets(PresetTargets(type)).CanStart()) << type;
}

TEST(MatchScore, WeighsTraitsByTheirDistanceFromTheMiddle) {
    Norms n;
    for (int i = 0; i < kTargetTraitCount; ++i)
        n.Set(TargetTraitId(i), 0.5);
    // Nothing ticked weighs nothing.
    EXPECT_EQ(MatchScore(n.fate, PrepareTargets(TraitTargets())), 0);

    // A target of 0 against a value of 1: importance 0.5, closeness 0.
    n.Set(2530, 1.0);
    EXPECT_EQ(MatchScore(n.fate, Prepared({{2530, 0}})), 0);
    // With a perfect second trait of the same importance: half.
    n.Set(2550, 1.0);
    EXPECT_EQ(MatchScore(n.fate, Prepared({{2530, 0}, {2550, 100}})), 50);

    // 45 and 90: importances 0.05 and 0.4. acti 0.45 is met exactly, conf 0.5
    // is 0.4 away: (0.05 * 1 + 0.4 * 0.6) / 0.45 = 64.4...
    n.Set(2530, 0.45);
    n.Set(2550, 0.5);
    EXPECT_EQ(MatchScore(n.fate, Prepared({{2530, 45}, {2550, 90}})), 64);

    // "Self-confidence" at 100 is matched by a myse of 0.
    n.Set(2590, 0.0);
    EXPECT_EQ(MatchScore(n.fate, Prepared({{2590, 100}})), 100);
    n.Set(2590, 1.0);
    EXPECT_EQ(MatchScore(n.fate, Prepared({{2590, 100}})), 0);
}

TEST(TraitSearch, ComposesAFaceSlotBySlotAndNeverKeepsAnEmptyShape) {
    const CFaceFrame fresh(test::ProgramFolder());
    // The catalogue's tries: 270 + 480 + 360 + 660 + 900 + 540 + 240 + 210.
    int tries = 0;
    for (int s = 0; s < kMainSlotCount; ++s)
        tries += fresh.Item(s).Shapes() * fresh.Item(s).Variants() * 10;
    EXPECT_EQ(tries, 3660);

    const PreparedTargets targets = PrepareTargets(PresetTargets(4)); // ENTJ
    std::vector<std::string> codes;
    for (unsigned seed : {1u, 1u, 7u}) {
        CFaceFrame face = fresh;
        CFateFrame fate(Files());
        fate.BindFace(&face);
        CCrtRandom random(seed);
        std::vector<int> started;
        std::vector<int> done;
        TraitSearchProgress progress;
        progress.slotStarted = [&](int id) { started.push_back(id); };
        progress.slotDone = [&](int id, int) { done.push_back(id); };
        const TraitSearchResult result = SearchByTraits(face, fate, targets, random, progress);
        EXPECT_EQ(started, (std::vector<int>{2100, 2110, 2120, 2130, 2140, 2150, 2160, 2170}));
        EXPECT_EQ(done, started);
        for (int s = 0; s < kMainSlotCount; ++s) {
            EXPECT_FALSE(face.Item(s).IsEmpty()) << s;
            EXPECT_GT(result.slotScore[s], 0) << s;
        }
        // Each slot starts from the best of the slot before, and the face
        // left behind is the last slot's best try.
        for (int s = 1; s < kMainSlotCount; ++s)
            EXPECT_GE(result.slotScore[s], result.slotScore[s - 1]) << s;
        EXPECT_EQ(result.finalScore, result.slotScore[7]);
        fate.Recompute(true);
        EXPECT_EQ(MatchScore(fate, targets), result.finalScore);
        codes.push_back(face.Encode());
    }
    EXPECT_EQ(codes[0], codes[1]); // the same seed gives the same face
    EXPECT_NE(codes[0], codes[2]);
}

TEST(TraitSearch, ASlotNoTryScoresForStaysAsItWas) {
    CFaceFrame face(test::ProgramFolder());
    face.Decode("lo0302040030sc0801100120ch0102042190ey0205076122br0103056095no0402100120"
                "mo0201100190ea0301100095;",
                true);
    const std::string before = face.Encode();
    CFateFrame fate(Files());
    fate.BindFace(&face);
    CCrtRandom random(3);
    // Nothing ticked: no try ever scores above 0.
    const TraitSearchResult result =
        SearchByTraits(face, fate, PrepareTargets(TraitTargets()), random);
    EXPECT_EQ(face.Encode(), before);
    for (int s = 0; s < kMainSlotCount; ++s)
        EXPECT_EQ(result.slotScore[s], 0);
}

TEST(TraitSearch, AnAnalysisOfAnotherFaceChangesNothing) {
    CFaceFrame face(test::ProgramFolder());
    CFaceFrame other = face;
    const std::string before = face.Encode();
    CFateFrame fate(Files());
    CCrtRandom random(5);
    const PreparedTargets targets = PrepareTargets(PresetTargets(0));
    TraitSearchResult result = SearchByTraits(face, fate, targets, random); // unbound
    EXPECT_EQ(face.Encode(), before);
    EXPECT_EQ(result.finalScore, 0);
    fate.BindFace(&other);
    result = SearchByTraits(face, fate, targets, random);
    EXPECT_EQ(face.Encode(), before);
    EXPECT_EQ(other.Encode(), before);
    for (int s = 0; s < kMainSlotCount; ++s)
        EXPECT_EQ(result.slotScore[s], 0);
}
