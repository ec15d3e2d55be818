#include "analysis/FateFrame.h"
#include "model/FaceFrame.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using namespace mienlore;

namespace {

FateTextFiles NoTexts() {
    FateTextFiles files;
    files.programFolder = "/nonexistent-program-folder";
    return files;
}

struct Analysed {
    CFaceFrame face{"/prog"};
    CFateFrame fate{NoTexts()};
    Analysed() { fate.BindFace(&face); }
    int Value(int id) const { return fate.GetIndicator(id).value; }
    int Level(int t) const { return fate.GetTrait(t).GetLevel(); }
};

// Leaves only the given main slot present.
void KeepOnly(CFaceFrame& face, FaceSlot keep) {
    for (int i = 0; i < kMainSlotCount; ++i)
        if (face.Item(i).Slot() != keep)
            face.Item(i).Hide();
}

} // namespace

TEST(TraitEngine, InitialFaceGivesTheKnownResults) {
    Analysed a;
    EXPECT_EQ(a.fate.Recompute(true), 15);
    const int expected[kTraitCount] = {94, 50, 50, 15, 50, 50, 85, 50, 43, 88, 50, 72, 59, 50, 50};
    for (int t = 0; t < kTraitCount; ++t)
        EXPECT_EQ(a.Value(kTraitIndicators[t]), expected[t]) << kTraitKeys[t];
    EXPECT_EQ(a.fate.Temperament(), 1);
    EXPECT_EQ(a.fate.Profession(), 6);
    EXPECT_EQ(a.fate.AgreementSum(), 8);
    EXPECT_EQ(a.fate.MagnitudeSum(), 16);
    EXPECT_EQ(a.fate.Confidence(), 60);
    EXPECT_EQ(a.Value(kIndicatorConfidence), 60);
    // Levels after the adjustments: inte 4 -> 3, life 3 -> 4, heav 1 -> 2,
    // work 3 -> 2; the others as computed.
    const int levels[kTraitCount] = {6, 3, 3, 1, 3, 3, 5, 4, 3, 2, 2, 3, 3, 3, 3};
    for (int t = 0; t < kTraitCount; ++t)
        EXPECT_EQ(a.Level(t), levels[t]) << kTraitKeys[t];
    EXPECT_EQ(a.fate.GetSummary(), "");
    EXPECT_TRUE(a.fate.GetSummaryWords().empty());

    // Nothing changed: a second recompute reports no change.
    EXPECT_EQ(a.fate.Recompute(true), 0);
    EXPECT_FALSE(a.fate.GetIndicator(2510).changed);
    EXPECT_FALSE(a.fate.GetIndicator(kIndicatorTemperament).changed);
}

TEST(TraitEngine, AllEmptyFaceIsNotRecognized) {
    Analysed a;
    a.face.Clear();
    a.face.Slot(FaceSlot::CheekBones).Hide();
    a.fate.Recompute(true);
    for (int t = 0; t < kTraitCount; ++t) {
        EXPECT_EQ(a.Value(kTraitIndicators[t]), 50) << kTraitKeys[t];
        EXPECT_EQ(a.fate.GetTrait(t).score, 0);
        EXPECT_EQ(a.fate.GetTrait(t).norm, 0.5);
    }
    EXPECT_EQ(a.fate.Temperament(), 3);
    EXPECT_EQ(a.fate.Profession(), 5);
    EXPECT_EQ(a.fate.Confidence(), 0);
    EXPECT_EQ(a.fate.PresentSlots(), 0);
    EXPECT_EQ(a.fate.GetSummary(), "Not recognized");
    ASSERT_EQ(a.fate.GetSummaryWords().size(), 1u);
    EXPECT_EQ(a.fate.TemperamentName(), "Unrecognized");
    EXPECT_EQ(a.fate.ProfessionName(), "Military");
}

TEST(TraitEngine, NothingHappensWithoutAFace) {
    CFateFrame fate(NoTexts());
    EXPECT_FALSE(fate.BindFace(nullptr));
    EXPECT_EQ(fate.Recompute(true), 0);
    EXPECT_EQ(fate.Temperament(), -1);
    EXPECT_EQ(fate.GetTrait(3).norm, -1);
    EXPECT_EQ(fate.Confidence(), 0);
    EXPECT_EQ(fate.BestType(), -1);
    EXPECT_EQ(fate.TemperamentName(), "-");
}

TEST(TraitEngine, ASingleContributionIsPulledIn) {
    // Only the eyes: narrow (life +1, heav -1, humo -1), x class 3 (peop +1,
    // inte -1), y class 2 (acti -1, myse +1), all with weight 99.
    Analysed a;
    KeepOnly(a.face, FaceSlot::Eyes);
    a.face.Slot(FaceSlot::Eyes).SetShape(7);
    a.fate.Recompute(false);
    const CFateItem& life = a.fate.GetTrait(kLife);
    EXPECT_EQ(life.score, 70);
    EXPECT_EQ(life.norm, 0.85);
    EXPECT_EQ(life.GetLevel(), 5);
    const CFateItem& heav = a.fate.GetTrait(kHeav);
    EXPECT_EQ(heav.score, -70);
    EXPECT_EQ(heav.norm, 0.15);
    EXPECT_EQ(a.Value(2620), 85); // shown inverted: 100 - 15
    EXPECT_EQ(a.Value(2580), 85);

    // Two contributing slots: no pull-in, the average may pass 80.
    Analysed b;
    KeepOnly(b.face, FaceSlot::Eyes);
    b.face.Slot(FaceSlot::Eyes).SetShape(7);
    b.face.Slot(FaceSlot::Eyebrows).SetShape(0); // Short Thin: humo -1
    b.face.Slot(FaceSlot::Eyebrows).SetPosX(56);
    b.fate.Recompute(false);
    // humo: (-1 * 99 + -1 * 60) / 2 = -79.5
    EXPECT_EQ(b.fate.GetTrait(kHumo).score, -79.5);
    EXPECT_EQ(b.fate.GetTrait(kHumo).GetLevel(), 1);
}

TEST(TraitEngine, SlotDeltasAreClampedAfterEveryRow) {
    // Forehead "Partially Bald" (work +2), "Narrow" (work +1), y class 1
    // (work -1): 2, clamped 2, then 1. Weight 60, one slot: score 60.
    Analysed a;
    KeepOnly(a.face, FaceSlot::Forehead);
    CFaceItem& forehead = a.face.Slot(FaceSlot::Forehead);
    forehead.SetShape(6);
    forehead.SetVariant(2);
    forehead.SetPosY(10);
    ASSERT_EQ(forehead.GetVertClass(), 1);
    a.fate.Recompute(false);
    EXPECT_EQ(a.fate.GetTrait(kWork).score, 60);
    EXPECT_EQ(a.Value(2630), 80);
    // heav: -2, -1 -> clamped -2: -120 from one slot, pulled in to -70.
    EXPECT_EQ(a.fate.GetTrait(kHeav).score, -70);
}

TEST(TraitEngine, WomenIgnoreSexAndWeakenWillPower) {
    Analysed a;
    a.fate.SetMale(false);
    KeepOnly(a.face, FaceSlot::Eyebrows);
    CFaceItem& brows = a.face.Slot(FaceSlot::Eyebrows);
    brows.SetShape(2); // Short Wide: heav +1
    brows.SetVariant(0);
    a.fate.Recompute(false);
    EXPECT_EQ(a.fate.GetTrait(kHeav).score, 0.7 * 99);
    brows.SetVariant(2); // Lowered Outside: heav +1 again -> 1.4
    a.fate.Recompute(false);
    EXPECT_EQ(a.fate.GetTrait(kHeav).score, 70); // 1.4 * 99 pulled in

    // sexu shows 50 on any face for women.
    CCrtRandom random(99);
    for (int n = 0; n < 300; ++n) {
        for (int i = 0; i < kMainSlotCount; ++i)
            a.face.Item(i).Randomize(random);
        a.fate.Recompute(true);
        ASSERT_EQ(a.Value(2520), 50);
    }

    // The initial face: the male and female results differ only in sexu and
    // heav.
    Analysed man;
    Analysed woman;
    woman.fate.SetMale(false);
    man.fate.Recompute(false);
    woman.fate.Recompute(false);
    for (int t = 0; t < kTraitCount; ++t) {
        if (t == kSexu || t == kHeav)
            continue;
        EXPECT_EQ(man.fate.GetTrait(t).score, woman.fate.GetTrait(t).score) << kTraitKeys[t];
    }
}

TEST(TraitEngine, LevelsCountTheThresholdsBelowTheScore) {
    EXPECT_EQ(ThresholdsBelow(-80), 0);
    EXPECT_EQ(ThresholdsBelow(-79.9), 1);
    EXPECT_EQ(ThresholdsBelow(0), 3);
    EXPECT_EQ(ThresholdsBelow(25), 3);
    EXPECT_EQ(ThresholdsBelow(25.1), 4);
    EXPECT_EQ(ThresholdsBelow(80), 5);
    EXPECT_EQ(ThresholdsBelow(80.5), 6);
}

TEST(TraitEngine, ConfidenceFollowsAgreementAndEvidence) {
    EXPECT_EQ(ConfidenceLevel(8, 0, 0), 50);
    EXPECT_EQ(ConfidenceLevel(8, 0, 11.9), 50);
    EXPECT_EQ(ConfidenceLevel(8, 0, 12), 60);
    EXPECT_EQ(ConfidenceLevel(8, 23, 23.9), 60);
    EXPECT_EQ(ConfidenceLevel(8, 19, 24), 100); // 19 > 18
    EXPECT_EQ(ConfidenceLevel(8, 18, 24), 90);  // 18 is not above 0.75c
    EXPECT_EQ(ConfidenceLevel(8, 14.5, 24), 90);
    EXPECT_EQ(ConfidenceLevel(8, 12.5, 24), 80);
    EXPECT_EQ(ConfidenceLevel(8, 10, 24), 70);
    EXPECT_EQ(ConfidenceLevel(8, 7.5, 24), 60);
    EXPECT_EQ(ConfidenceLevel(8, 6.5, 24), 50);
    EXPECT_EQ(ConfidenceLevel(8, 6, 24), 40);

    // Seven present slots: at most 100 * 7 / 8.
    Analysed a;
    a.face.Slot(FaceSlot::Ears).Hide();
    CCrtRandom random(3);
    for (int n = 0; n < 300; ++n) {
        for (int i = 0; i < kMainSlotCount - 1; ++i) {
            a.face.Item(i).Randomize(random);
            if (a.face.Item(i).IsEmpty())
                a.face.Item(i).SetShape(0);
        }
        a.fate.Recompute(false);
        ASSERT_EQ(a.fate.PresentSlots(), 7);
        ASSERT_LE(a.fate.Confidence(), 87.5);
        const double c = a.fate.Confidence() * 8 / 7;
        ASSERT_TRUE(c == 40 || c == 50 || c == 60 || c == 70 || c == 80 || c == 90 || c == 100)
            << c;
    }
}

TEST(TraitEngine, IndicatorsByIdAndTheirSlots) {
    Analysed a;
    a.fate.Recompute(false);
    EXPECT_EQ(CFateFrame::IndicatorSlot(2510), 1);
    EXPECT_EQ(CFateFrame::IndicatorSlot(2590), 9);
    EXPECT_EQ(CFateFrame::IndicatorSlot(2620), 10);
    EXPECT_EQ(CFateFrame::IndicatorSlot(2670), 15);
    EXPECT_EQ(CFateFrame::IndicatorSlot(2600), 0);
    EXPECT_EQ(CFateFrame::IndicatorSlot(2800), 0);
    const std::array<int, 16> all = a.fate.GetAllIndicators();
    EXPECT_EQ(all[0], 60);
    EXPECT_EQ(all[1], 94);
    EXPECT_EQ(all[9], 43);
    EXPECT_EQ(all[10], 88);
    EXPECT_EQ(all[15], 50);
    // Unknown ids read heal.
    EXPECT_EQ(a.Value(1234), 94);
    EXPECT_EQ(a.fate.GetTrait(2640).key, "inte");
    EXPECT_EQ(a.fate.GetTrait(14).key, "cowa");
    EXPECT_EQ(a.fate.GetTrait(15).key, "heal");
    EXPECT_EQ(a.fate.GetTrait(-1).key, "heal");
    EXPECT_EQ(a.Value(kIndicatorTemperament), 1);
    EXPECT_EQ(a.Value(kIndicatorProfession), 6);

    // Truncation: a normalised value of 0.575 shows 57, inverted 43.
    CFateItem item;
    item.norm = 0.575;
    EXPECT_EQ(item.Percent(), 57);
    EXPECT_EQ(a.fate.GetTrait(kMyse).norm, 0.575);
}

TEST(TraitEngine, ResetResultsMakesTheAnalysisLikeANewOne) {
    Analysed a;
    a.fate.Recompute(true);
    a.fate.GetSummary();
    a.fate.ResetResults();
    CFateFrame fresh(NoTexts());
    EXPECT_EQ(a.fate.Temperament(), fresh.Temperament());
    EXPECT_EQ(a.fate.GetTrait(4).norm, fresh.GetTrait(4).norm);
    EXPECT_EQ(a.fate.GetTrait(4).level, fresh.GetTrait(4).level);
    EXPECT_EQ(a.fate.GetTypes()[0].accuracy, 0);
    EXPECT_EQ(a.fate.BestType(), -1);
    EXPECT_EQ(a.fate.Face(), &a.face);
}

// Checks the summary against the summary rule, computed here on its own.
TEST(TraitEngine, SummaryWordsFollowTheStrongestTraits) {
    Analysed a;
    CCrtRandom random(11);
    int withTemperament = 0;
    int withThree = 0;
    for (int n = 0; n < 3000; ++n) {
        for (int i = 0; i < kMainSlotCount; ++i) {
            a.face.Item(i).Randomize(random);
            if (a.face.Item(i).IsEmpty())
                a.face.Item(i).SetShape(0);
        }
        a.fate.Recompute(false);
        const std::string summary = a.fate.GetSummary();
        std::vector<std::string> expected;
        if (a.fate.Confidence() < 60) {
            expected.push_back("Not recognized");
        } else {
            auto lowOrHigh = [&](int t) {
                return a.fate.GetTrait(t).IsLow() || a.fate.GetTrait(t).IsHigh();
            };
            if (lowOrHigh(kActi) && lowOrHigh(kEner)) {
                const char* words[7] = {"Melancholy", nullptr, "Choleric",  nullptr,
                                        "Sanguine ",  nullptr, "Phlegmatic"};
                const int code = a.fate.Temperament();
                if (code >= 0 && code < 7 && words[code] != nullptr) {
                    expected.push_back(words[code]);
                    ++withTemperament;
                }
            }
            struct Pair {
                int t;
                const char* low;
                const char* high;
            } pairs[3] = {{kLife, "Optimist", "Pessimist"},
                          {kConf, "Conformist", "Adventurist"},
                          {kSoci, "Egoist", "Altruist"}};
            auto d = [&](const Pair& p) { return std::fabs(0.5 - a.fate.GetTrait(p.t).norm); };
            std::stable_sort(std::begin(pairs), std::end(pairs),
                             [&](const Pair& x, const Pair& y) { return d(x) > d(y); });
            for (const Pair& p : pairs) {
                if (expected.size() >= 3)
                    break;
                if (a.fate.GetTrait(p.t).IsLow())
                    expected.push_back(p.low);
                else if (a.fate.GetTrait(p.t).IsHigh())
                    expected.push_back(p.high);
            }
        }
        ASSERT_EQ(a.fate.GetSummaryWords(), expected) << a.face.Encode();
        std::string joined;
        for (std::size_t i = 0; i < expected.size(); ++i)
            joined += (i ? ", " : "") + expected[i];
        ASSERT_EQ(summary, joined);
        withThree += expected.size() == 3 ? 1 : 0;
    }
    // The random faces reach the interesting cases.
    EXPECT_GT(withTemperament, 0);
    EXPECT_GT(withThree, 0);
}
