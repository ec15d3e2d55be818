#include "imaging/FeaturePictures.h"
#include "imaging/BmpFile.h"
#include "imaging/PixelWord.h"
#include "model/FaceFrame.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace mienlore;
using mienlore::test::TempDir;

namespace {

// Writes a small grey picture whose top-left pixel carries a marker value.
void WritePicture(const std::filesystem::path& path, int marker) {
    std::filesystem::create_directories(path.parent_path());
    CDevib bitmap;
    ASSERT_TRUE(bitmap.Create(3, 2));
    bitmap.Fill(GreyPixel(255));
    bitmap.SetPixel(0, 1, GreyPixel(marker)); // storage row 1 is the top row
    ASSERT_TRUE(WriteBmp(bitmap, path));
}

int Marker(const CDevib& bitmap) {
    return LumaInt(bitmap.GetPixel(0, bitmap.Height() - 1));
}

} // namespace

TEST(FeaturePictures, LibraryPicturesAreFoundByIdAndBothEyesShareOne) {
    TempDir dir;
    WritePicture(dir / "FaceArt" / "14118.bmp", 18);
    CFaceFrame face(dir.Path());
    CFeaturePictures store(dir.Path());
    const CFaceItem& eyes = face.Slot(FaceSlot::Eyes); // shape 3, variant 0: index 18
    const CDevib left = store.CurrentPicture(eyes, 0);
    const CDevib right = store.CurrentPicture(eyes, 1);
    ASSERT_FALSE(left.IsEmpty());
    ASSERT_FALSE(right.IsEmpty());
    EXPECT_EQ(Marker(left), 18);
    EXPECT_EQ(Marker(right), 18);
    EXPECT_EQ(Marker(store.LoadPicture(eyes, -1, 18)), 18);
    EXPECT_TRUE(store.LoadPicture(eyes, -1, 19).IsEmpty()); // absent id: no picture
}

TEST(FeaturePictures, FilePicturesUseTheTagAndIndexName) {
    TempDir dir;
    WritePicture(dir / "HAIR" / "no14.bmp", 14);
    WritePicture(dir / "HAIR" / "ha_3.bmp", 3);
    CFaceFrame face(dir.Path());
    CFeaturePictures store(dir.Path());
    CFaceItem& nose = face.Slot(FaceSlot::Nose);
    nose.SetPictureSource(false);
    EXPECT_EQ(Marker(store.CurrentPicture(nose, 0)), 14);
    EXPECT_EQ(Marker(store.LoadPicture(face.Slot(FaceSlot::Hair), 0, 3)), 3);
    EXPECT_TRUE(store.LoadPicture(face.Slot(FaceSlot::Hair), 0, 4).IsEmpty());
    // The nose switched to the library finds nothing there.
    nose.SetPictureSource(true);
    EXPECT_TRUE(store.CurrentPicture(nose, 0).IsEmpty());
}

TEST(FeaturePictures, MissingStoreGivesNoPictureAndAStoreAddedLaterIsFound) {
    TempDir dir;
    CFaceFrame face(dir.Path());
    CFeaturePictures store(dir.Path());
    const CFaceItem& forehead = face.Slot(FaceSlot::Forehead); // index 4: id 11004
    const CFaceItem& chin = face.Slot(FaceSlot::Chin);         // index 14: ch14.bmp
    EXPECT_TRUE(store.CurrentPicture(forehead, 0).IsEmpty());
    EXPECT_TRUE(store.PictureForShape(forehead, 0).IsEmpty());
    EXPECT_TRUE(store.CurrentPicture(chin, 0).IsEmpty());
    EXPECT_FALSE(store.IsLibraryLoaded()); // the failed opening is not final

    WritePicture(dir / "FaceArt" / "11004.bmp", 4);
    WritePicture(dir / "HAIR" / "ch14.bmp", 14);
    EXPECT_EQ(Marker(store.CurrentPicture(forehead, 0)), 4);
    EXPECT_TRUE(store.IsLibraryLoaded());
    EXPECT_EQ(Marker(store.CurrentPicture(chin, 0)), 14);

    // Once open the library stays open; a vanished picture is simply absent.
    std::filesystem::remove_all(dir / "FaceArt");
    EXPECT_TRUE(store.CurrentPicture(forehead, 0).IsEmpty());
    EXPECT_TRUE(store.IsLibraryLoaded());
}

TEST(FeaturePictures, UnreadableFilesGiveNoPicture) {
    TempDir dir;
    std::filesystem::create_directories(dir / "HAIR");
    test::WriteFileBytes(dir / "HAIR" / "ch14.bmp", "BM not a picture");
    std::filesystem::create_directories(dir / "FaceArt" / "11004.bmp"); // a folder, not a file
    CFaceFrame face(dir.Path());
    CFeaturePictures store(dir.Path());
    EXPECT_TRUE(store.CurrentPicture(face.Slot(FaceSlot::Chin), 0).IsEmpty());
    EXPECT_TRUE(store.CurrentPicture(face.Slot(FaceSlot::Forehead), 0).IsEmpty());
}

TEST(FeaturePictures, PictureForShapeKeepsTheCurrentVariantAndTheLeftSide) {
    TempDir dir;
    WritePicture(dir / "FaceArt" / "15125.bmp", 25); // eyebrows shape 4, variant 1
    WritePicture(dir / "HAIR" / "ha23.bmp", 23);     // hair shape 3, variant 2 (variant first)
    CFaceFrame face(dir.Path());
    CFeaturePictures store(dir.Path());
    CFaceItem& brows = face.Slot(FaceSlot::Eyebrows);
    brows.SetVariant(1);
    EXPECT_EQ(Marker(store.PictureForShape(brows, 4)), 25);
    CFaceItem& hair = face.Slot(FaceSlot::Hair);
    hair.SetVariant(2);
    EXPECT_EQ(Marker(store.PictureForShape(hair, 3)), 23);
}

TEST(FeaturePictures, DrawnRectTextGivesLeftTopWidthHeight) {
    CFaceFrame face("/prog");
    CFaceItem& eyes = face.Slot(FaceSlot::Eyes);
    EXPECT_EQ(DrawnRectText(eyes, false), "(0,0,1,1)"); // never drawn
    eyes.pict[0].drawnRect = {76, 122, 118, 152};
    eyes.pict[1].drawnRect = {142, 122, 184, 152};
    EXPECT_EQ(DrawnRectText(eyes, false), "(76,122,42,30)");
    EXPECT_EQ(DrawnRectText(eyes, true), "(142,122,42,30)");
    // A single picture answers for both sides.
    CFaceItem& nose = face.Slot(FaceSlot::Nose);
    nose.pict[0].drawnRect = {-3, 120, 85, 188};
    EXPECT_EQ(DrawnRectText(nose, true), "(-3,120,88,68)");
}
