#include "imaging/PictureSheet.h"
#include "imaging/PixelWord.h"
#include "model/FaceFrame.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace mienlore;

TEST(PictureSheet, SlotsAreNamedByTagNumberOrWord) {
    EXPECT_EQ(SlotIndexByName("lo"), 0);
    EXPECT_EQ(SlotIndexByName("SC"), 1);
    EXPECT_EQ(SlotIndexByName("2300"), 11);
    EXPECT_EQ(SlotIndexByName("Eyebrows"), 4);
    EXPECT_EQ(SlotIndexByName("cheek-bones"), 1);
    EXPECT_EQ(SlotIndexByName("2105"), -1);
    EXPECT_EQ(SlotIndexByName("21OO"), -1);
    EXPECT_EQ(SlotIndexByName(""), -1);
    EXPECT_EQ(SlotIndexByName("all"), -1);
}

namespace {

int DarkPixels(const CDevib& image) {
    int n = 0;
    for (int i = 0; i < image.Count(); ++i)
        n += LumaInt(image.Pixels()[i]) < 128;
    return n;
}

} // namespace

TEST(PictureSheet, GridGrowsWithTheCatalogueAndShowsThePictures) {
    CFaceFrame face(test::ProgramFolder());
    CFeaturePictures store(test::ProgramFolder());
    const CDevib eyes = BuildPictureSheet(face.Slot(FaceSlot::Eyes), store);
    const CDevib hair = BuildPictureSheet(face.Slot(FaceSlot::Hair), store);
    ASSERT_FALSE(eyes.IsEmpty());
    ASSERT_FALSE(hair.IsEmpty());
    // Ten hair pictures of 200 × 234 a row and a column.
    EXPECT_GT(hair.Width(), 10 * 200);
    EXPECT_GT(hair.Height(), 10 * 234);
    // Eleven rows of eyes shown twice their size.
    EXPECT_GT(eyes.Height(), 11 * 60);
    EXPECT_LT(eyes.Height(), 11 * 90 + 100);

    // Without a store every cell is crossed out, with far less ink than the
    // real pictures give.
    test::TempDir empty;
    CFeaturePictures none(empty.Path());
    const CDevib blank = BuildPictureSheet(face.Slot(FaceSlot::Eyes), none);
    ASSERT_EQ(blank.Width(), eyes.Width());
    ASSERT_EQ(blank.Height(), eyes.Height());
    EXPECT_GT(DarkPixels(eyes), DarkPixels(blank) + 2000);
}
