#include "analysis/PType.h"
#include "analysis/FateFrame.h"
#include "analysis/TemperProfession.h"
#include "analysis/TraitTable.h"
#include "base/ProfileFile.h"
#include "model/FaceFrame.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <vector>

using namespace mienlore;

namespace {

PTypeInputs AllAt(int v) {
    return PTypeInputs{v, v, v, v, v, v, v, v, v, v, v};
}

std::vector<CPType> BuiltInTable() {
    std::vector<CPType> types;
    BuildPTypeTable(types, CProfileFile());
    return types;
}

} // namespace

TEST(PType, AllIndicatorsAtFiftyScoreOnlyTheExtroversionTerm) {
    std::vector<CPType> types = BuiltInTable();
    ASSERT_EQ(types.size(), 16u);
    ScorePTypes(types, AllAt(50));
    for (const CPType& t : types) {
        const bool none = t.index == 3 || t.index == 11 || t.index == 13;
        EXPECT_EQ(t.score, none ? 1 : 60) << t.code;
    }
    EXPECT_EQ(NormalisePTypes(types), 783);
    EXPECT_NEAR(types[0].accuracy, 7.662835249, 1e-8);
    EXPECT_NEAR(types[3].accuracy, 0.127713921, 1e-8);
    double sum = 0;
    for (const CPType& t : types)
        sum += t.accuracy;
    EXPECT_NEAR(sum, 100, 1e-9);
    EXPECT_EQ(BestPType(types), 0); // ENFJ, first of the equal ones
}

TEST(PType, GatesAndUngatedExtroversion) {
    PTypeInputs in = AllAt(50);
    in.acti = 15;
    for (int i : {0, 2, 4, 8, 10, 12, 14}) // E-gated
        EXPECT_EQ(PTypeScore(i, in), 1) << i;
    // ENTP: 2 * (15 - 20) = -10, X > 1 adds nothing below 50: raised to 1.
    EXPECT_EQ(PTypeScore(6, in), 1);
    // INTJ (I): 2 * 65 + X < 3: (50 - 15) * 3.
    EXPECT_EQ(PTypeScore(5, in), 130 + 105);
    EXPECT_EQ(PTypeScore(1, in), 130 + 35 * 5); // INFJ: I-gated, open

    in.acti = 85;
    EXPECT_EQ(PTypeScore(1, in), 1);        // INFJ
    EXPECT_EQ(PTypeScore(9, in), 1);        // ISTJ
    EXPECT_EQ(PTypeScore(5, in), 1);        // INTJ: -10, no other term
    EXPECT_EQ(PTypeScore(6, in), 130 + 35); // ENTP: 2 * 65 + (85 - 50) * 1
    EXPECT_EQ(PTypeScore(15, in), 1);       // ISFP: -10 raised to 1

    // Exactly at the gate.
    in.acti = 20;
    EXPECT_EQ(PTypeScore(0, in), 1);
    in.acti = 80;
    EXPECT_EQ(PTypeScore(1, in), 1);
}

TEST(PType, TermsReadTheirSideOfFifty) {
    PTypeInputs in = AllAt(50);
    in.ener = 40; // ENFJ: ENER < 3
    EXPECT_EQ(PTypeScore(0, in), 60 + 30);
    in.ener = 60; // above: nothing for ENFJ, ENTJ ENER > 3
    EXPECT_EQ(PTypeScore(0, in), 60);
    EXPECT_EQ(PTypeScore(4, in), 60 + 30);
    in = AllAt(50);
    in.myse = 70; // ESTP: MYSE > 10
    EXPECT_EQ(PTypeScore(12, in), 60 + 200);
    in.sexu = 30; // INTP: SEXU < 3
    EXPECT_EQ(PTypeScore(7, in), 60 + 20 * 3 + 20 * 3);
    in = AllAt(50);
    in.peop = 10; // INFP: PEOP < 8, no extroversion term
    EXPECT_EQ(PTypeScore(3, in), 320);
    in.cowa = 0; // ISTP: COWA < 1
    EXPECT_EQ(PTypeScore(13, in), 50);
}

TEST(PType, LifeNeverChangesAnyScore) {
    // Faces whose analyses agree on the eleven indicators the types read but
    // differ in life must get the same type scores. Faces one slot away from
    // random faces are grouped by those indicators; every group with more
    // than one life value is compared.
    CFaceFrame face("/prog");
    FateTextFiles files;
    files.programFolder = "/nonexistent";
    CFateFrame fate(files);
    fate.BindFace(&face);
    CCrtRandom random(5);
    struct Seen {
        int life;
        std::vector<int> scores;
    };
    std::map<std::vector<int>, std::vector<Seen>> groups;
    const auto record = [&] {
        fate.Recompute(true);
        std::vector<int> read;
        for (int t : {kActi, kEner, kConf, kSoci, kPeop, kMyse, kHeav, kWork, kInte, kCowa, kSexu})
            read.push_back(fate.GetIndicator(kTraitIndicators[t]).value);
        std::vector<int> scores;
        for (const CPType& type : fate.GetTypes())
            scores.push_back(type.score);
        groups[read].push_back({fate.GetIndicator(kTraitIndicators[kLife]).value, scores});
    };
    for (int n = 0; n < 40; ++n) {
        for (int i = 0; i < kMainSlotCount; ++i)
            face.Item(i).Randomize(random);
        for (int i = 0; i < kMainSlotCount; ++i) {
            CFaceItem& item = face.Item(i);
            const int shape = item.GetShape();
            const int variant = item.GetVariant();
            for (int s = 0; s < item.Shapes(); ++s)
                for (int v = 0; v < item.Variants(); ++v) {
                    item.SetShape(s);
                    item.SetVariant(v);
                    record();
                }
            item.SetShape(shape);
            item.SetVariant(variant);
        }
    }
    int compared = 0;
    for (const auto& [others, seen] : groups)
        for (const Seen& s : seen)
            if (s.life != seen.front().life) {
                EXPECT_EQ(s.scores, seen.front().scores);
                ++compared;
            }
    EXPECT_GT(compared, 0);
}

TEST(PType, NormalisingNothingAndPickingTheBest) {
    std::vector<CPType> types = BuiltInTable();
    EXPECT_EQ(NormalisePTypes(types), 0);
    EXPECT_EQ(BestPType(types), -1);
    types[5].accuracy = 12;
    types[9].accuracy = 12;
    types[2].accuracy = 11;
    EXPECT_EQ(BestPType(types), 5);
}

TEST(PType, TextsComeFromTheTypesFileWhenGiven) {
    CProfileFile file;
    file.LoadFromText("[enfj]\nKeirsey = Teacher\nDesc=Warm and organised.\n"
                      "[INTP]\nBasic=\nNegative=Detached\n");
    std::vector<CPType> types;
    EXPECT_EQ(BuildPTypeTable(types, file), 16);
    EXPECT_EQ(types[0].role, "Teacher");
    EXPECT_EQ(types[0].style, "Conscientious");
    EXPECT_EQ(types[0].desc, "Warm and organised.");
    EXPECT_EQ(types[7].style, ""); // an empty value replaces the text too
    EXPECT_EQ(types[7].negative, "Detached");
    EXPECT_EQ(types[7].sign, "libra");
    EXPECT_EQ(types[1].desc, "");
    EXPECT_EQ(types[8].desire, "Freedom to do as one pleases");
    EXPECT_EQ(types[15].code, "ISFP");
    EXPECT_EQ(types[15].index, 15);
}

TEST(TemperamentAndProfession, CodesFromLevels) {
    EXPECT_EQ(TemperamentCode(3, 3), 3);
    EXPECT_EQ(TemperamentCode(6, 0), 2);
    EXPECT_EQ(TemperamentCode(0, 6), 6);
    EXPECT_EQ(TemperamentCode(2, 2), 0);
    EXPECT_EQ(TemperamentCode(3, 0), 1);
    EXPECT_EQ(TemperamentCode(4, 3), 4);
    EXPECT_EQ(TemperamentCode(3, 4), 5);
    // ener, myse, conf, acti, peop, inte
    EXPECT_EQ(ProfessionCode(1, 0, 4, 2, 4, 0), 2);
    for (int other = 0; other <= 6; ++other)
        EXPECT_EQ(ProfessionCode(1, other, other, 1, other, other), 6);
    EXPECT_EQ(ProfessionCode(1, 3, 5, 2, 4, 3), 6); // conf 5 fails line 8
    EXPECT_EQ(ProfessionCode(2, 4, 4, 4, 0, 4), 0);
    EXPECT_EQ(ProfessionCode(2, 4, 4, 3, 0, 4), 1);
    EXPECT_EQ(ProfessionCode(2, 4, 4, 3, 0, 3), 4);
    EXPECT_EQ(ProfessionCode(2, 5, 0, 0, 0, 0), 6);
    EXPECT_EQ(ProfessionCode(2, 4, 3, 3, 6, 6), 5);
    EXPECT_EQ(ProfessionCode(2, 4, 3, 4, 3, 6), 2);
    EXPECT_EQ(ProfessionCode(2, 4, 3, 4, 2, 6), 3);

    EXPECT_EQ(CFateFrame::TemperamentName(4), "Sanguine ");
    EXPECT_EQ(CFateFrame::ProfessionName(4), "Travellier");
    EXPECT_EQ(CFateFrame::ProfessionName(7), "-");
    EXPECT_EQ(CFateFrame::ProfessionName(-1), "-");
    EXPECT_EQ(CFateFrame::TemperamentName(9), "-");
}

// The sixteen scores are computed side by side; they must equal the rule
// applied term by term, for every input (also outside 0..100).
TEST(PType, VectorScoresMatchTheRuleTermByTerm) {
    std::mt19937 gen(31);
    for (int round = 0; round < 20000; ++round) {
        const int span = round % 10 == 0 ? 400 : 101;
        const int offset = round % 10 == 0 ? -150 : 0;
        auto draw = [&] { return offset + static_cast<int>(gen() % span); };
        PTypeInputs in{draw(), draw(), draw(), draw(), draw(), draw(),
                       draw(), draw(), draw(), draw(), draw()};
        if (round % 7 == 0)
            in.acti = 20 + static_cast<int>(gen() % 2) * 60; // at a gate
        int scores[kPTypeCount];
        ScoreAllPTypes(in, scores);
        for (int i = 0; i < kPTypeCount; ++i) {
            ASSERT_EQ(scores[i], PTypeScorePlain(i, in)) << round << " type " << i;
            ASSERT_EQ(PTypeScore(i, in), scores[i]);
        }
    }
}
