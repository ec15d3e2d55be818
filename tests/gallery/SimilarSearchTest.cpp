#include "gallery/SimilarSearch.h"
#include "gallery/SimilarSearchFaces.h"

#include "model/FaceFrame.h"
#include "support/FaceTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

using namespace mienlore;

namespace {

const char kNewFace[] = "lo0101040030sc0800100120ch0202042190ey0300076122br0400056095no0202100120"
                        "mo0101100190ea0101100095ha0000100010mu0000100110be0000100110";

using test::NewFace;

CFaceFrame FromCode(const std::string& code) {
    CFaceFrame face = NewFace();
    EXPECT_TRUE(face.Decode(code, true)) << code;
    return face;
}

StoredFace Stored(const CFaceFrame& face, const std::string& name) {
    return {face.Encode(name), name};
}

// A face that differs from the new face in one slot's shape.
CFaceFrame WithShape(int slot, int shape) {
    CFaceFrame face = NewFace();
    face.Item(slot).SetShape(shape);
    return face;
}

// The first x of the eyes' range that falls into the given class.
int EyesXOfClass(int wanted) {
    CFaceFrame face = NewFace();
    CFaceItem& eyes = face.Slot(FaceSlot::Eyes);
    for (int x = eyes.HorzMin(); x <= eyes.HorzMax(); ++x) {
        eyes.SetPosX(x);
        if (eyes.GetHorzClass() == wanted)
            return x;
    }
    ADD_FAILURE() << "no x of class " << wanted;
    return 0;
}

} // namespace

TEST(Likeness, EqualFacesScoreFiftyFiveAndUnweighedPartsDoNotCount) {
    const CFaceFrame a = FromCode(kNewFace);
    EXPECT_DOUBLE_EQ(Likeness(a, a), 55.0);
    // Cheek-bone variant, hair, moustache, beard and glasses are not compared.
    CFaceFrame b = a;
    b.Slot(FaceSlot::CheekBones).SetVariant(2);
    b.Slot(FaceSlot::Hair).SetShape(3);
    b.Slot(FaceSlot::Moustache).SetShape(2);
    b.Slot(FaceSlot::Beard).SetShape(1);
    b.Slot(FaceSlot::Glasses).SetShape(1);
    EXPECT_DOUBLE_EQ(Likeness(a, b), 55.0);
}

TEST(Likeness, SlotsWeighAsTheTableSays) {
    const CFaceFrame a = NewFace();
    // Eyes one horizontal class apart lose 1 - 1/2 of agreement, times 3.
    CFaceFrame b = a;
    CFaceFrame c = a;
    b.Slot(FaceSlot::Eyes).SetPosX(EyesXOfClass(1));
    c.Slot(FaceSlot::Eyes).SetPosX(EyesXOfClass(2));
    EXPECT_DOUBLE_EQ(Likeness(b, c), 53.5);
    // A nose of another shape loses 1 x 3; lips of another variant 1 x 3.
    EXPECT_DOUBLE_EQ(Likeness(a, WithShape(5, 0)), 52.0);
    CFaceFrame lips = a;
    lips.Slot(FaceSlot::Lips).SetVariant(2);
    EXPECT_DOUBLE_EQ(Likeness(a, lips), 52.0);
    // Cheek-bones: shape x 2, raw y 10 apart: (1 - 1/11) x 2.
    CFaceFrame cheeks = a;
    cheeks.Slot(FaceSlot::CheekBones).SetPosY(a.Slot(FaceSlot::CheekBones).GetPosY() + 10);
    EXPECT_DOUBLE_EQ(Likeness(a, cheeks), 55.0 - (1 - 1.0 / 11) * 2);
    // Forehead shape: 1 x 1; chin shape: 1 x 1.5; ears shape: 1 x 1.5.
    EXPECT_DOUBLE_EQ(Likeness(a, WithShape(0, 4)), 54.0);
    EXPECT_DOUBLE_EQ(Likeness(a, WithShape(2, 0)), 53.5);
    EXPECT_DOUBLE_EQ(Likeness(a, WithShape(7, 2)), 53.5);
}

TEST(Likeness, FeatureRankingKeepsTheListedOrderAmongEquals) {
    const CFaceFrame a = NewFace();
    const LikenessKey k = MakeLikenessKey(a);
    EXPECT_EQ(RankFeatures(k, k),
              (std::vector<int>{21300, 21400, 21500, 21600, 21700, 21200, 21000, 21100}));
    EXPECT_EQ(RankFeatures(k, k, 2), (std::vector<int>{21300, 21400}));
    // Eyes and eyebrows of other shapes: nose and lips lead.
    CFaceFrame b = a;
    b.Slot(FaceSlot::Eyes).SetShape(0);
    b.Slot(FaceSlot::Eyebrows).SetShape(0);
    EXPECT_EQ(RankFeatures(k, MakeLikenessKey(b), 3), (std::vector<int>{21500, 21600, 21300}));
    EXPECT_EQ(FeatureCaption(21100), "Cheek-bone");
    EXPECT_EQ(FeatureCaption(21700), "Ears");
    EXPECT_EQ(FeatureCaption(21800), "");
}

TEST(Likeness, ExchangeSortAndOnePassSelectionAgreeWithAStableSort) {
    std::mt19937 gen(11);
    for (int round = 0; round < 50; ++round) {
        std::vector<LikenessEntry> entries;
        const int n = 1 + static_cast<int>(gen() % 40);
        for (int i = 0; i < n; ++i)
            entries.push_back({i, static_cast<double>(gen() % 6) * 0.5}); // many ties
        std::vector<LikenessEntry> reference = entries;
        std::stable_sort(
            reference.begin(), reference.end(),
            [](const LikenessEntry& x, const LikenessEntry& y) { return x.likeness > y.likeness; });
        std::vector<LikenessEntry> sorted = entries;
        StableExchangeSort(sorted);
        const std::vector<LikenessEntry> best = BestEntries(entries, 6);
        ASSERT_EQ(best.size(), std::min<std::size_t>(6, entries.size()));
        for (int i = 0; i < n; ++i)
            EXPECT_EQ(sorted[i].index, reference[i].index);
        for (std::size_t i = 0; i < best.size(); ++i)
            EXPECT_EQ(best[i].index, reference[i].index);
    }
}

TEST(SimilarSearch, TheEqualFaceComesFirstWithFiftyFive) {
    const CFaceFrame me = FromCode(kNewFace);
    const std::vector<StoredFace> gallery = {Stored(WithShape(5, 0), "Nose"), Stored(me, "Twin"),
                                             Stored(WithShape(0, 4), "Brow")};
    const CSimilarSearch search(gallery);
    const std::vector<SimilarRow> rows = search.Search(me);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].name, "Twin");
    EXPECT_EQ(rows[0].index, 1);
    EXPECT_EQ(rows[0].LikenessText(), "55.0");
    EXPECT_EQ(rows[0].like, "Eyes, Eyebrows");
    EXPECT_EQ(rows[1].name, "Brow"); // 54 before 52
    EXPECT_EQ(rows[2].name, "Nose");
    EXPECT_EQ(rows[2].LikenessText(), "52.0");
}

TEST(SimilarSearch, RowRules) {
    const CFaceFrame me = NewFace();
    // Equal likenesses keep collection order.
    {
        const CSimilarSearch search(
            {Stored(WithShape(5, 0), "B"), Stored(WithShape(5, 1), "A"), Stored(me, "C")});
        const auto rows = search.Search(me);
        ASSERT_EQ(rows.size(), 3u);
        EXPECT_EQ(rows[1].name, "B");
        EXPECT_EQ(rows[2].name, "A");
    }
    // Two gallery faces give two rows.
    EXPECT_EQ(CSimilarSearch({Stored(me, "A"), Stored(me, "B")}).Search(me).size(), 2u);
    // Three best of one name give one row; the next name follows. Only the
    // six best entries are walked, so at most five rows.
    {
        std::vector<StoredFace> gallery = {Stored(me, "Same"), Stored(me, "Same"),
                                           Stored(me, "Same"), Stored(WithShape(0, 4), "Next")};
        for (const char* name : {"E", "F", "G", "H"})
            gallery.push_back(Stored(WithShape(5, 0), name));
        const auto rows = CSimilarSearch(gallery).Search(me);
        ASSERT_EQ(rows.size(), 4u);
        EXPECT_EQ(rows[0].name, "Same");
        EXPECT_EQ(rows[1].name, "Next");
        EXPECT_EQ(rows[2].name, "E");
        EXPECT_EQ(rows[2].index, 4);
        EXPECT_EQ(rows[3].name, "F"); // the sixth entry; G is not walked
    }
    // A repeated name is only skipped right after itself.
    {
        std::vector<StoredFace> gallery;
        for (const char* name : {"A", "B", "A", "C", "D", "E", "F"})
            gallery.push_back(Stored(me, name));
        const auto rows = CSimilarSearch(gallery).Search(me);
        ASSERT_EQ(rows.size(), 5u);
        EXPECT_EQ(rows[2].name, "A");
        EXPECT_EQ(rows[4].name, "D");
    }
    EXPECT_TRUE(CSimilarSearch({}).Search(me).empty());
}

TEST(SimilarSearch, ALineThatDoesNotDecodeTakesPartAsANewFaceWithoutAName) {
    const CFaceFrame fresh = NewFace();
    const std::vector<StoredFace> gallery = {{"garbage;Somebody", "Somebody"},
                                             {"lo0101040030", "No separator"}};
    const auto rows = CSimilarSearch(gallery).Search(fresh);
    ASSERT_EQ(rows.size(), 1u); // the second row repeats the empty name
    EXPECT_EQ(rows[0].name, "");
    EXPECT_EQ(rows[0].LikenessText(), "55.0");
}

TEST(SimilarSearchFaces, ReadsFacListsAndFolders) {
    test::TempDir dir;
    const CFaceFrame me = NewFace();
    const std::string fac = ToFacLine(me.Encode("Anna"));
    test::WriteFileBytes(dir / "list.txt", fac + "\r\n\r\n" + ToFacLine(me.Encode("Bob")) + "\n");
    const auto list = ReadFacList(dir / "list.txt");
    ASSERT_TRUE(list);
    ASSERT_EQ(list->size(), 2u);
    EXPECT_EQ((*list)[0].line, me.Encode("Anna"));
    EXPECT_EQ((*list)[1].name, "Bob");
    EXPECT_FALSE(ReadFacList(dir / "missing.txt"));

    // A loaded gallery's face files keep their places, also one that does not
    // read (it takes part as a new face without a name).
    std::filesystem::create_directory(dir / "g");
    test::WriteFileBytes(dir / "g" / "a.fac", fac + "\r\n");
    test::WriteFileBytes(dir / "g" / "b.fac", "garbage|Nobody");
    CGallery gallery(test::ProgramFolder());
    gallery.LoadFolder(GallFolder::Gallery, dir / "g");
    const SearchGallery files = FaceFilesOf(gallery);
    ASSERT_EQ(files.faces.size(), 2u);
    ASSERT_EQ(files.pictures.size(), 2u);
    int named = 0;
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(files.pictures[i].extension(), ".jpg");
        if (files.faces[i].name == "Anna") {
            ++named;
            EXPECT_EQ(files.faces[i].line, me.Encode("Anna"));
        } else {
            EXPECT_EQ(files.faces[i].line, "");
            EXPECT_EQ(files.faces[i].name, "");
        }
    }
    EXPECT_EQ(named, 1);
    EXPECT_EQ(CSimilarSearch(files.faces).Search(me).size(), 2u);
}
