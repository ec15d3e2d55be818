#include "gallery/GallCollection.h"
#include "files/LineFile.h"
#include "files/StoredFace.h"
#include "gallery/GallEdit.h"
#include "gallery/SimilarSearchFaces.h"
#include "imaging/Devib.h"
#include "support/FaceTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace mienlore;
using namespace mienlore::test;

namespace {

CFaceFrame FaceWithNose(int shape) {
    return FaceWith(FaceSlot::Nose, shape);
}

std::string Line(int nose, const std::string& name) {
    return FaceLine(FaceSlot::Nose, nose, name);
}

std::vector<std::string> FileNames(const std::vector<CGallItem>& items) {
    std::vector<std::string> out;
    for (const CGallItem& item : items)
        out.push_back(item.PicturePath().filename().string());
    return out;
}

std::shared_ptr<const std::filesystem::path> Folder() {
    return std::make_shared<const std::filesystem::path>(mienlore::test::ProgramFolder());
}

CDevib Portrait() {
    CDevib image;
    image.Create(16, 20);
    image.Fill(0xFF808080u);
    return image;
}

} // namespace

TEST(GallTitle, PrefixesGiveTitleAndLinkNumber) {
    const GallTitle poster = GalleryTitle("/g/posters-Old-Town.jpg");
    EXPECT_EQ(poster.title, "Old Town");
    EXPECT_EQ(poster.link, 1);
    const GallTitle plain = GalleryTitle("/g/Plain.jpg");
    EXPECT_EQ(plain.title, "Plain");
    EXPECT_EQ(plain.link, 3);
    // Anywhere in the name, the first occurrence; the prefixes are looked for
    // in their order, not by where they stand.
    const GallTitle inner = GalleryTitle("x-faces-A-drawme-Jo-Li.gif");
    EXPECT_EQ(inner.title, "Jo Li");
    EXPECT_EQ(inner.link, 0);
    const GallTitle net = GalleryTitle("internet-internet-B.bmp");
    EXPECT_EQ(net.title, "internet B");
    EXPECT_EQ(net.link, 3);
    // A name without a prefix keeps its dashes.
    EXPECT_EQ(GalleryTitle("Anne-Marie.jpeg").title, "Anne-Marie");
}

TEST(GallTitle, LinksHaveTextAndAddressForEveryNumber) {
    std::set<std::string> texts;
    for (int link = -1; link <= kGallLinkCount; ++link) {
        const GallLink& l = GalleryLink(link);
        EXPECT_NE(std::string(l.text), "");
        EXPECT_EQ(std::string(l.address).rfind("https://", 0), 0u);
        texts.insert(l.text);
    }
    EXPECT_EQ(texts.size(), 4u);
    EXPECT_STREQ(GalleryLink(7).text, GalleryLink(3).text);
}

TEST(GallItem, ImageFilesAndSiblingPaths) {
    for (const char* name : {"a.jpg", "a.JPG", "a.jpeg", "a.Gif", "a.bmp"})
        EXPECT_TRUE(IsGalleryImageFile(name)) << name;
    for (const char* name : {"a.png", "a.phy", "a.fac", "jpg", "a.jpg.bak"})
        EXPECT_FALSE(IsGalleryImageFile(name)) << name;
    const CGallItem item("/g/Ann.Lee.GIF");
    EXPECT_EQ(item.DescriptionPath(), std::filesystem::path("/g/Ann.Lee.phy"));
    EXPECT_EQ(item.FaceFilePath(), std::filesystem::path("/g/Ann.Lee.fac"));
    EXPECT_EQ(item.index, -1);
}

TEST(GallItem, DescriptionThatDoesNotReadCountsAsUndescribedWhenRead) {
    TempDir dir;
    WriteFileBytes(dir / "a.jpg", "x");
    WriteFileBytes(dir / "a.phy", "not a face\r\n");
    const CGallItem item(dir / "a.jpg");
    CFaceFrame scratch(mienlore::test::ProgramFolder());
    std::string code, name;
    EXPECT_TRUE(item.HasDescription());
    EXPECT_FALSE(item.ReadDescription(scratch, code, name));

    WriteFileBytes(dir / "a.phy", Line(4, "Ann;B") + "\r\n");
    ASSERT_TRUE(item.ReadDescription(scratch, code, name));
    EXPECT_EQ(code, Line(4, "Ann;B"));
    EXPECT_EQ(name, "Ann;B");
}

TEST(GallFace, FaceAndNameComeFromTheFaceFile) {
    TempDir dir;
    WriteFileBytes(dir / "a.fac", ToFacLine(Line(6, "Bo;Li")) + "\r\n");
    const CGallFace face(dir / "a.jpg", Folder());
    EXPECT_TRUE(face.HasFaceFile());
    EXPECT_EQ(face.Name(), "Bo;Li");
    EXPECT_EQ(face.Face().Slot(FaceSlot::Nose).GetShape(), 6);

    const CGallFace none(dir / "b.jpg", Folder());
    EXPECT_FALSE(none.HasFaceFile());
    EXPECT_EQ(none.Name(), "");
    EXPECT_EQ(none.Face().Encode(), CFaceFrame(mienlore::test::ProgramFolder()).Encode());
}

TEST(GallCollection, DescribedPortraitIsListedFirst) {
    TempDir dir;
    for (const char* name : {"one.jpg", "two.jpg", "three.jpg"})
        WriteFileBytes(dir / name, "x");
    WriteFileBytes(dir / "three.phy", Line(2, "Three") + "\r\n");
    CGallery gallery(mienlore::test::ProgramFolder());
    EXPECT_EQ(gallery.LoadFolder(GallFolder::My, dir.Path()), 3u);
    const auto& shown = gallery.Displayed(GallFolder::My);
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].PicturePath().filename(), "three.jpg");
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(shown[static_cast<std::size_t>(i)].index, i);
    // My Gallery feeds neither the Gallery faces nor the face files.
    EXPECT_TRUE(gallery.GalleryFaces().empty());
    EXPECT_TRUE(gallery.GalleryFaceFiles().empty());
}

TEST(GallCollection, ShippedFolderFillsFacesAndFaceFiles) {
    TempDir dir;
    // Described with a face file, described without one, undescribed, a face
    // file without a portrait, other files and a folder that looks like a
    // picture.
    WriteFileBytes(dir / "drawme-Ann-Lee.jpg", "x");
    WriteFileBytes(dir / "drawme-Ann-Lee.phy", Line(1, "Ann Lee") + "\r\n");
    WriteFileBytes(dir / "drawme-Ann-Lee.fac", ToFacLine(Line(1, "Ann Lee")) + "\r\n");
    WriteFileBytes(dir / "Plain.GIF", "x");
    WriteFileBytes(dir / "Plain.phy", Line(3, "Plain") + "\r\n");
    WriteFileBytes(dir / "bare.bmp", "x");
    WriteFileBytes(dir / "lonely.fac", ToFacLine(Line(5, "Lonely")) + "\r\n");
    WriteFileBytes(dir / "broken.fac", "nothing\r\n");
    WriteFileBytes(dir / "notes.txt", "x");
    std::filesystem::create_directory(dir / "folder.jpg");

    CGallery gallery(mienlore::test::ProgramFolder());
    ASSERT_EQ(gallery.LoadFolder(GallFolder::Gallery, dir.Path()), 3u);
    const auto& shown = gallery.Displayed(GallFolder::Gallery);
    EXPECT_EQ(shown[2].PicturePath().filename(), "bare.bmp");
    std::vector<std::string> firstTwo = FileNames(shown);
    firstTwo.resize(2);
    std::sort(firstTwo.begin(), firstTwo.end());
    EXPECT_EQ(firstTwo, (std::vector<std::string>{"Plain.GIF", "drawme-Ann-Lee.jpg"}));

    // One Gallery face per described portrait, index = displayed position.
    const auto& faces = gallery.GalleryFaces();
    ASSERT_EQ(faces.size(), 2u);
    for (const CGallFace& f : faces) {
        ASSERT_GE(f.index, 0);
        EXPECT_EQ(shown[static_cast<std::size_t>(f.index)].PicturePath(), f.PicturePath());
        if (f.PicturePath().filename() == "Plain.GIF")
            EXPECT_EQ(f.Name(), ""); // no face file beside it
        else
            EXPECT_EQ(f.Name(), "Ann Lee");
    }

    // Every ".fac" takes part, also without a portrait; the broken one is
    // listed but hands out no stored face.
    EXPECT_EQ(gallery.GalleryFaceFiles().size(), 3u);
    const SearchGallery files = FaceFilesOf(gallery);
    ASSERT_EQ(files.faces.size(), 3u);
    std::set<std::string> names;
    for (const StoredFace& s : files.faces) {
        if (s.line.empty())
            continue;
        names.insert(s.name);
        EXPECT_EQ(StoredFaceName(s.line), s.name);
    }
    EXPECT_EQ(names, (std::set<std::string>{"Ann Lee", "Lonely"}));
    for (const CGallFace& f : gallery.GalleryFaceFiles())
        EXPECT_EQ(f.PicturePath().extension(), ".jpg");
    // The portraits of the stored faces, entry for entry.
    ASSERT_EQ(files.pictures.size(), files.faces.size());
    for (std::size_t i = 0; i < files.faces.size(); ++i) {
        if (!files.faces[i].line.empty()) {
            EXPECT_EQ(files.pictures[i].filename(),
                      files.faces[i].name == "Lonely" ? "lonely.jpg" : "drawme-Ann-Lee.jpg");
        }
    }

    // Reading a missing folder empties everything.
    EXPECT_EQ(gallery.LoadFolder(GallFolder::Gallery, dir / "missing"), 0u);
    EXPECT_TRUE(gallery.Displayed(GallFolder::Gallery).empty());
    EXPECT_TRUE(gallery.GalleryFaces().empty());
    EXPECT_TRUE(gallery.GalleryFaceFiles().empty());
}

TEST(GallEdit, NamesThatWouldLeaveTheFolderAreRefused) {
    for (const std::string& bad : std::vector<std::string>{
             "", "../evil", "a/b", "a\\b", ".hidden", "..", "two\nlines", std::string(252, 'x')})
        EXPECT_NE(GalleryNameProblem(bad), "") << bad;
    for (const std::string& good :
         std::vector<std::string>{"Ann Lee", "Zoë; the 2nd", "a.b", std::string(251, 'x')})
        EXPECT_EQ(GalleryNameProblem(good), "") << good;

    TempDir dir;
    const auto folder = dir / "MyGallery";
    const WriteResult r = AddGalleryEntry(folder, "../escaped", FaceWithNose(2), Portrait());
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error, "");
    EXPECT_FALSE(std::filesystem::exists(dir / "escaped.phy"));
    EXPECT_FALSE(std::filesystem::exists(folder));
}

TEST(GallEdit, AddWritesThreeFilesAndOverwritesAnExistingEntry) {
    TempDir dir;
    const auto folder = dir / "MyGallery";
    EXPECT_FALSE(GalleryEntryExists(folder, "Ann"));
    ASSERT_TRUE(AddGalleryEntry(folder, "Ann", FaceWithNose(2), Portrait()).ok);
    EXPECT_TRUE(GalleryEntryExists(folder, "Ann"));
    EXPECT_EQ(ReadFileBytes(folder / "Ann.jpg").substr(0, 2), "\xFF\xD8");
    EXPECT_EQ(ReadFileBytes(folder / "Ann.phy"), Line(2, "Ann") + "\r\n");

    ASSERT_TRUE(AddGalleryEntry(folder, "Ann", FaceWithNose(7), Portrait()).ok);
    EXPECT_EQ(ReadFileBytes(folder / "Ann.phy"), Line(7, "Ann") + "\r\n");
    EXPECT_EQ(ReadFileBytes(folder / "Ann.fac"), ToFacLine(Line(7, "Ann")) + "\r\n");

    CGallery gallery(mienlore::test::ProgramFolder());
    EXPECT_EQ(gallery.LoadFolder(GallFolder::My, folder), 1u);
}

TEST(GallEdit, FailedWriteIsReported) {
    TempDir dir;
    WriteFileBytes(dir / "MyGallery", "a file where the folder should be");
    const WriteResult r = AddGalleryEntry(dir / "MyGallery", "Ann", FaceWithNose(2), Portrait());
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error, "");
}

TEST(GallEdit, AnEntryWhoseDescriptionCannotBeWrittenLeavesNoFileBehind) {
    TempDir dir;
    const auto folder = dir / "MyGallery";
    // The description's name is taken by a folder that cannot be replaced.
    std::filesystem::create_directories(folder / "Ann.phy" / "inside");
    EXPECT_FALSE(AddGalleryEntry(folder, "Ann", FaceWithNose(2), Portrait()).ok);
    EXPECT_FALSE(std::filesystem::exists(folder / "Ann.jpg"));
    EXPECT_FALSE(std::filesystem::exists(folder / "Ann.fac"));

    // Over an existing entry, the old portrait comes back unchanged.
    WriteFileBytes(folder / "Bob.jpg", "old portrait");
    std::filesystem::create_directories(folder / "Bob.fac" / "inside");
    EXPECT_FALSE(AddGalleryEntry(folder, "Bob", FaceWithNose(2), Portrait()).ok);
    EXPECT_EQ(ReadFileBytes(folder / "Bob.jpg"), "old portrait");
    EXPECT_FALSE(std::filesystem::exists(folder / "Bob.phy"));
}

TEST(GallEdit, DescribeWritesOnlyTheDescription) {
    TempDir dir;
    WriteFileBytes(dir / "posters-Old-Town.jpg", "x");
    WriteFileBytes(dir / "posters-Old-Town.fac", "kept\r\n");
    const CGallItem item(dir / "posters-Old-Town.jpg");
    EXPECT_FALSE(DescribeGalleryItem(item, FaceWithNose(3), "").ok);
    EXPECT_FALSE(item.HasDescription());
    ASSERT_TRUE(DescribeGalleryItem(item, FaceWithNose(3), "Old Town").ok);
    EXPECT_EQ(ReadFileBytes(dir / "posters-Old-Town.phy"), Line(3, "Old Town") + "\r\n");
    EXPECT_EQ(ReadFileBytes(dir / "posters-Old-Town.fac"), "kept\r\n");

    // A description that cannot be written is reported, not passed over.
    std::filesystem::create_directory(dir / "Blocked.phy");
    const WriteResult blocked =
        DescribeGalleryItem(CGallItem(dir / "Blocked.jpg"), FaceWithNose(3), "Blocked");
    EXPECT_FALSE(blocked.ok);
    EXPECT_NE(blocked.error, "");
}

TEST(GallEdit, RemoveDeletesExactlyTheThreeFiles) {
    TempDir dir;
    const auto folder = dir / "MyGallery";
    std::filesystem::create_directory(folder);
    // A picture that is no ".jpg", its face file missing, and neighbours
    // whose names begin alike.
    for (const char* name : {"Ann.gif", "Ann.phy", "Ann.jpg", "Ann.txt", "Anne.phy", "Ann.gif.phy"})
        WriteFileBytes(folder / name, "x");
    ASSERT_TRUE(RemoveGalleryEntry(folder, CGallItem(folder / "Ann.gif")).ok);
    EXPECT_FALSE(std::filesystem::exists(folder / "Ann.gif"));
    EXPECT_FALSE(std::filesystem::exists(folder / "Ann.phy"));
    for (const char* kept : {"Ann.jpg", "Ann.txt", "Anne.phy", "Ann.gif.phy"})
        EXPECT_TRUE(std::filesystem::exists(folder / kept)) << kept;

    // Only entries of the folder itself.
    WriteFileBytes(dir / "Outside.jpg", "x");
    EXPECT_FALSE(RemoveGalleryEntry(folder, CGallItem(dir / "Outside.jpg")).ok);
    EXPECT_TRUE(std::filesystem::exists(dir / "Outside.jpg"));
    EXPECT_FALSE(RemoveGalleryEntry(folder, CGallItem(folder / "Ann.txt")).ok);
    EXPECT_TRUE(std::filesystem::exists(folder / "Ann.txt"));
}

TEST(GallCollection, MyGalleryOfAReadOnlyProgramFolderLivesWithTheUser) {
    TempDir program;
    TempDir user;
    mienlore::test::ScopedEnv xdg("XDG_DATA_HOME", user.Path().c_str());
    std::filesystem::create_directories(program / "Gallery");
    EXPECT_EQ(MyGalleryFolder(program.Path()), program / "MyGallery");
    mienlore::test::ReadOnlyFolder readOnly(program.Path());
    const std::filesystem::path my = MyGalleryFolder(program.Path());
    EXPECT_EQ(my, user / "Mienlore" / "MyGallery");
    EXPECT_EQ(ShippedGalleryFolder(program.Path()), program / "Gallery");

    ASSERT_TRUE(AddGalleryEntry(my, "Ann", FaceWithNose(2), Portrait()).ok);
    CGallery gallery(program.Path());
    EXPECT_EQ(gallery.LoadMyGallery(), 1u);
    EXPECT_EQ(gallery.Folder(GallFolder::My), my);
    EXPECT_FALSE(std::filesystem::exists(program / "MyGallery"));
}
