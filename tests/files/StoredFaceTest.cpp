#include "files/StoredFace.h"
#include "files/LineFile.h"
#include "model/FaceFrame.h"
#include "support/FaceTestSupport.h"

#include <gtest/gtest.h>

using namespace mienlore;
using namespace mienlore::test;

namespace {

CFaceFrame FaceWithEyes(int shape) {
    return FaceWith(FaceSlot::Eyes, shape);
}

std::string LongName() {
    std::string name;
    for (int i = 0; i < 255; ++i)
        name += (i % 2 == 0) ? "\xC3\xA4" : "z"; // multi-byte characters count once
    return name;
}

} // namespace

TEST(StoredFace, LineIsCodeSemicolonNameAndSplitsAtTheFirstSemicolon) {
    const std::string line = StoredFaceLine(FaceWithEyes(5), "Ann; the second");
    EXPECT_EQ(line.size(), 132u + 1 + 15);
    EXPECT_EQ(StoredFaceCode(line).size(), 132u);
    EXPECT_EQ(StoredFaceName(line), "Ann; the second");
    EXPECT_EQ(StoredFaceName("no separator"), "");
    EXPECT_EQ(StoredFaceCode("no separator"), "no separator");
}

TEST(StoredFace, NamesAreCutTo255CharactersAndKeptOnOneLine) {
    const std::string name = LongName();
    EXPECT_EQ(StorableFaceName(name), name);
    EXPECT_EQ(StorableFaceName(name + "tail"), name);
    EXPECT_EQ(StorableFaceName("two\r\nlines"), "two  lines");

    // A 255-character name goes out and comes back whole.
    TempDir dir;
    CFaceFrame scratch = NewFace();
    ASSERT_TRUE(WriteLines(dir / "l.phy", {StoredFaceLine(FaceWithEyes(2), name)}));
    const auto read = ReadLines(dir / "l.phy");
    ASSERT_EQ(read.lines.size(), 1u);
    EXPECT_GT(read.lines[0].size(), 256u);
    const auto stored = ValidateStoredLine(read.lines[0], scratch);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->name, name);
}

TEST(StoredFace, ValidationNeedsTheMainSlotsAndASemicolon) {
    CFaceFrame scratch = NewFace();
    const std::string before = scratch.Encode();
    const std::string code = FaceWithEyes(7).Encode();
    EXPECT_TRUE(ValidateStoredLine(code, scratch));
    EXPECT_FALSE(ValidateStoredLine(code.substr(0, 132), scratch)); // no ";"
    std::string noNose = code;
    noNose.replace(noNose.find("no"), 2, "xx");
    EXPECT_FALSE(ValidateStoredLine(noNose, scratch));
    EXPECT_EQ(scratch.Encode(), before); // checking never changes the face
}

TEST(StoredFace, ApplyingIsAllOrNothing) {
    CFaceFrame face = FaceWithEyes(4);
    face.Slot(FaceSlot::Hair).SetShape(3);
    const std::string before = face.Encode();

    // The forehead decodes, the chin does not: the face must stay as it was.
    std::string broken = "lo0202040030sc0800100120ch??;Broken";
    EXPECT_FALSE(ApplyFaceCode(face, broken));
    EXPECT_EQ(face.Encode(), before);
    EXPECT_EQ(broken, "lo0202040030sc0800100120ch??;Broken");

    std::string good = FaceWithEyes(9).Encode("Nine");
    EXPECT_TRUE(ApplyFaceCode(face, good));
    EXPECT_EQ(good, "Nine");
    EXPECT_EQ(face.Slot(FaceSlot::Eyes).GetShape(), 9);
    EXPECT_EQ(face.Slot(FaceSlot::Hair).GetShape(), 0);

    std::string bare = FaceWithEyes(1).Encode().substr(0, 132);
    EXPECT_TRUE(ApplyFaceCode(face, bare)); // a code without ";" applies too
    EXPECT_EQ(face.Slot(FaceSlot::Eyes).GetShape(), 1);
}

TEST(StoredFace, GalleryFilesFollowTheBarRuleBothWays) {
    TempDir dir;
    CFaceFrame scratch = NewFace();
    const CFaceFrame face = FaceWithEyes(6);

    ASSERT_TRUE(WriteGalleryEntry(dir / "p.phy", dir / "p.fac", face, "Bar|Semi;colon"));
    const std::string code = face.Encode().substr(0, 132);
    EXPECT_EQ(ReadFileBytes(dir / "p.phy"), code + ";Bar|Semi;colon\r\n");
    EXPECT_EQ(ReadFileBytes(dir / "p.fac"), code + "|Bar|Semi|colon\r\n");

    const auto phy = ReadGalleryDescription(dir / "p.phy", scratch);
    ASSERT_TRUE(phy);
    EXPECT_EQ(phy->name, "Bar|Semi;colon"); // unchanged from the description
    EXPECT_EQ(phy->line, code + ";Bar|Semi;colon");
    const auto fac = ReadGalleryFaceFile(dir / "p.fac", scratch);
    ASSERT_TRUE(fac);
    EXPECT_EQ(fac->name, "Bar;Semi;colon"); // the bar comes back as ";"

    EXPECT_EQ(ToFacLine("a;b;c"), "a|b|c");
    EXPECT_EQ(FromFacLine("a|b;c"), "a;b;c");
}

TEST(StoredFace, GalleryFilesThatAreMissingOrBrokenGiveNothing) {
    TempDir dir;
    CFaceFrame scratch = NewFace();
    EXPECT_FALSE(ReadGalleryDescription(dir / "none.phy", scratch));
    EXPECT_FALSE(ReadGalleryFaceFile(dir / "none.fac", scratch));
    WriteFileBytes(dir / "bad.phy", "not a face;Name\r\n" + NewFace().Encode("Second") + "\r\n");
    EXPECT_FALSE(ReadGalleryDescription(dir / "bad.phy", scratch)); // only the first line counts
    // A face file without any line break still has its line.
    WriteFileBytes(dir / "last.fac", ToFacLine(NewFace().Encode("Ends here")));
    const auto fac = ReadGalleryFaceFile(dir / "last.fac", scratch);
    ASSERT_TRUE(fac);
    EXPECT_EQ(fac->name, "Ends here");

    const auto failed =
        WriteGalleryEntry(dir / "no" / "p.phy", dir / "no" / "p.fac", NewFace(), "X");
    EXPECT_FALSE(failed);
    EXPECT_FALSE(failed.error.empty());
}

TEST(StoredFace, AGalleryEntryIsWrittenWholeOrNotAtAll) {
    TempDir dir;
    // The face file cannot be written: its name is a folder with content.
    std::filesystem::create_directories(dir / "p.fac" / "inside");
    EXPECT_FALSE(WriteGalleryEntry(dir / "p.phy", dir / "p.fac", NewFace(), "New"));
    EXPECT_FALSE(std::filesystem::exists(dir / "p.phy"));

    WriteFileBytes(dir / "q.phy", "old description\r\n");
    std::filesystem::create_directories(dir / "q.fac" / "inside");
    EXPECT_FALSE(WriteGalleryEntry(dir / "q.phy", dir / "q.fac", NewFace(), "New"));
    EXPECT_EQ(ReadFileBytes(dir / "q.phy"), "old description\r\n");
}
