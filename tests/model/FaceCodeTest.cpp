#include "model/FaceCode.h"
#include "model/FaceFrame.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>

using namespace mienlore;

namespace {

const char kNewFaceCode[] = "lo0101040030sc0800100120ch0202042190ey0300076122br0400056095"
                            "no0202100120mo0101100190ea0101100095ha0000100010mu0000100110"
                            "be0000100110;";

// The same face with every main slot changed and accessories chosen.
const char kOtherCode[] = "lo0502040012sc0301090110ch0405042176ey0704070116br1102049087"
                          "no0603090120mo0302110185ea0502110105ha0304110020mu0201090100"
                          "be0403080120;Jane";

} // namespace

TEST(FaceCode, NewFaceEncodesToTheInitialCode) {
    CFaceFrame face("/prog");
    EXPECT_EQ(face.Encode(), kNewFaceCode);
    EXPECT_EQ(face.Encode().size(), 133u);
    EXPECT_EQ(face.Encode("name"), std::string(kNewFaceCode) + "name");
}

TEST(FaceCode, DecodeApplyRoundTripsAndKeepsTrailingTextOut) {
    CFaceFrame face("/prog");
    ASSERT_TRUE(face.Decode(kOtherCode, true));
    EXPECT_EQ(face.Encode("Jane"), kOtherCode);
    EXPECT_EQ(face.Slot(FaceSlot::Eyebrows).GetShape(), 11);
    EXPECT_EQ(face.Slot(FaceSlot::Hair).GetVariant(), 4);
    // Pictures were looked up: lips shape 3 variant 2 -> index 14.
    EXPECT_EQ(face.Slot(FaceSlot::Lips).pict[0].resourceId, 17014);
    EXPECT_EQ(face.Slot(FaceSlot::Beard).pict[0].fileName, "be34.bmp"); // 3*10+4

    CFaceFrame copy = face;
    EXPECT_EQ(copy.Encode(), face.Encode());
}

TEST(FaceCode, OutOfRangeValuesWrapAndClamp) {
    CFaceFrame face("/prog");
    std::string code = kNewFaceCode;
    code.replace(code.find("ey"), 12, "ey1299999999");
    code.replace(code.find("no"), 12, "no0202050120");
    code.replace(code.find("ch"), 12, "ch0202050190");
    ASSERT_TRUE(face.Decode(code, true));
    const CFaceItem& eyes = face.Slot(FaceSlot::Eyes);
    EXPECT_EQ(eyes.GetShape(), 0);
    EXPECT_EQ(eyes.GetVariant(), 0);
    EXPECT_EQ(eyes.GetPosX(), 82);
    EXPECT_EQ(eyes.GetPosY(), 134);
    EXPECT_EQ(face.Slot(FaceSlot::Nose).GetSize(), 82);
    EXPECT_EQ(face.Slot(FaceSlot::Chin).GetPosX(), 42);
}

TEST(FaceCode, OldCodesWithoutMoustacheResetTheAccessoriesAndGlassesAlwaysReset) {
    CFaceFrame face("/prog");
    ASSERT_TRUE(face.Decode(kOtherCode, true));
    face.Slot(FaceSlot::Glasses).SetShape(4);
    face.Slot(FaceSlot::Glasses).SetVariant(1);

    std::string old = kOtherCode;
    old = old.substr(0, 8 * kSlotCodeLength) + ";";
    ASSERT_TRUE(face.Decode(old, true));
    for (FaceSlot s : {FaceSlot::Hair, FaceSlot::Moustache, FaceSlot::Beard, FaceSlot::Glasses}) {
        EXPECT_EQ(face.Slot(s).GetShape(), 0);
        EXPECT_EQ(face.Slot(s).GetVariant(), 0);
    }
    EXPECT_EQ(face.Slot(FaceSlot::Forehead).GetShape(), 5);

    face.Slot(FaceSlot::Glasses).SetShape(4);
    ASSERT_TRUE(face.Decode(kOtherCode, true));
    EXPECT_EQ(face.Slot(FaceSlot::Glasses).GetShape(), 0);
    EXPECT_EQ(face.Slot(FaceSlot::Hair).GetShape(), 3);
}

TEST(FaceCode, AFailingMainSlotStopsTheDecodeAndResetsOnlyThatSlot) {
    CFaceFrame face("/prog");
    std::string code = kOtherCode;
    code.replace(code.find("br"), 12, "br11x2049087"); // variant unreadable
    EXPECT_FALSE(face.Decode(code, true));
    EXPECT_EQ(face.Slot(FaceSlot::Eyes).GetShape(), 7);     // decoded before
    EXPECT_EQ(face.Slot(FaceSlot::Eyebrows).GetShape(), 0); // reset
    EXPECT_EQ(face.Slot(FaceSlot::Eyebrows).GetVariant(), 0);
    EXPECT_EQ(face.Slot(FaceSlot::Nose).GetShape(), 2); // not reached

    CFaceFrame other("/prog");
    std::string noEars = kNewFaceCode;
    noEars.replace(noEars.find("ea"), 2, "xx");
    EXPECT_FALSE(other.Decode(noEars, true));
    EXPECT_FALSE(other.DecodeMain(noEars));
    EXPECT_FALSE(other.Decode("", true));
    EXPECT_FALSE(other.Decode("lo01", true));
}

TEST(FaceCode, CheckingACodeLeavesTheFaceAlone) {
    CFaceFrame face("/prog");
    face.Slot(FaceSlot::Glasses).SetShape(3);
    face.Slot(FaceSlot::Hair).SetShape(2);
    const std::string before = face.Encode();
    std::string name;
    std::string old = std::string(kOtherCode).substr(0, 8 * kSlotCodeLength) + ";Old";
    EXPECT_TRUE(face.ValidateAndExtract(old, name));
    EXPECT_EQ(name, "Old");
    EXPECT_EQ(face.Encode(), before);
    EXPECT_EQ(face.Slot(FaceSlot::Glasses).GetShape(), 3);

    EXPECT_FALSE(face.ValidateAndExtract(std::string(kOtherCode).substr(0, 132), name));
    EXPECT_TRUE(face.ValidateAndExtract("lo0101040030sc0800100120ch0202042190ey0300076122"
                                        "br0400056095no0202100120mo0101100190ea0101100095;a;b",
                                        name));
    EXPECT_EQ(name, "a;b");
    EXPECT_FALSE(face.Decode("lo01", false));
}

TEST(FaceCode, DecodeAndStripGivesTheTextAfterTheFirstSemicolon) {
    CFaceFrame face("/prog");
    std::string text = kOtherCode;
    EXPECT_TRUE(face.DecodeAndStrip(text));
    EXPECT_EQ(text, "Jane");
    std::string noSemicolon = std::string(kNewFaceCode).substr(0, 132);
    EXPECT_TRUE(face.DecodeAndStrip(noSemicolon));
    EXPECT_EQ(noSemicolon.size(), 132u);
    EXPECT_EQ(face.Encode(), kNewFaceCode);
}

TEST(FaceCode, DecodeMainSetsOnlyTheMainSlotsWithoutPictures) {
    CFaceFrame face("/prog");
    ASSERT_TRUE(face.DecodeMain(kOtherCode));
    EXPECT_EQ(face.Slot(FaceSlot::Lips).GetShape(), 3);
    EXPECT_EQ(face.Slot(FaceSlot::Lips).pict[0].resourceId, 17005); // still the initial picture
    EXPECT_EQ(face.Slot(FaceSlot::Hair).GetShape(), 0);             // accessories untouched
}

TEST(FaceCode, TagsAreFoundAnywhereAndTheFirstOccurrenceWins) {
    CFaceFrame face("/prog");
    // Slots in another order, separated by blanks, one slot given twice.
    const std::string code = "ea0201100095 ey0501070116 ey0901070116 lo0201040030"
                             " sc0100100120 ch0303042190 br0000056095 no0101100120"
                             " mo0202100190;";
    ASSERT_TRUE(face.Decode(code, true));
    EXPECT_EQ(face.Slot(FaceSlot::Eyes).GetShape(), 5);
    EXPECT_EQ(face.Slot(FaceSlot::Ears).GetShape(), 2);
}

// The slot reader must read exactly what the C library's scanf reads.
TEST(FaceCode, SlotNumbersAreReadLikeScanf) {
    const char* samples[] = {
        "0101040030",  " 1 2 3 4", "-1-2-03-04", "+1+2+03+04",   "1234567890",  "12 3 45 678",
        "12\t3\n45 6", "-",        "+-1",        "1x",           "123456789",   "0102 03",
        "01 02003004", "",         "  ",         "-0-0-00-00",   "99999999999", "1-2-3-4",
        "--11",        "1 -",      "01+0200+30", "0\v1\f2\r3 4", "1.5",         "0102-3-4",
    };
    for (const char* s : samples) {
        int a = -100, b = -100, c = -100, d = -100;
        int expected = std::sscanf(s, "%02d%02d%03d%03d", &a, &b, &c, &d);
        if (expected < 0)
            expected = 0;
        std::array<int, 4> n = {-100, -100, -100, -100};
        EXPECT_EQ(ScanSlotNumbers(s, 0, n), expected) << '"' << s << '"';
        const int want[4] = {a, b, c, d};
        for (int i = 0; i < expected; ++i)
            EXPECT_EQ(n[i], want[i]) << '"' << s << "\" number " << i;
    }

    // Random texts over the characters that matter.
    std::mt19937 gen(12345);
    const char alphabet[] = "0123456789  +-x\t";
    for (int round = 0; round < 20000; ++round) {
        std::string s;
        const int len = static_cast<int>(gen() % 14);
        for (int i = 0; i < len; ++i)
            s += alphabet[gen() % (sizeof alphabet - 1)];
        int v[4] = {0, 0, 0, 0};
        int expected = std::sscanf(s.c_str(), "%02d%02d%03d%03d", &v[0], &v[1], &v[2], &v[3]);
        if (expected < 0)
            expected = 0;
        std::array<int, 4> n{};
        ASSERT_EQ(ScanSlotNumbers(s, 0, n), expected) << '"' << s << '"';
        for (int i = 0; i < expected; ++i)
            ASSERT_EQ(n[i], v[i]) << '"' << s << '"';
    }
}

TEST(FaceCode, SignsAndBlanksInsideASlotCodeStillDecode) {
    CFaceFrame face("/prog");
    std::string code = kNewFaceCode;
    code.replace(code.find("ey"), 12, "ey-1 2+70 -5");
    ASSERT_TRUE(face.Decode(code, true));
    const CFaceItem& eyes = face.Slot(FaceSlot::Eyes);
    EXPECT_EQ(eyes.GetShape(), 10); // -1 wraps to the last shape
    EXPECT_EQ(eyes.GetVariant(), 2);
    EXPECT_EQ(eyes.GetPosX(), 70);
    EXPECT_EQ(eyes.GetPosY(), 110); // -5 clamped
}
