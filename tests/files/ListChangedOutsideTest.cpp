#include "files/LineFile.h"
#include "files/ListFileState.h"
#include "files/PeopListModel.h"
#include "files/StoredFace.h"
#include "model/FaceFrame.h"
#include "support/FaceTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace mienlore;
using namespace mienlore::test;
using ::testing::ElementsAre;

namespace {

std::string Line(int eyes, const std::string& name) {
    return FaceLine(FaceSlot::Eyes, eyes, name);
}

std::string Crlf(std::initializer_list<std::string> lines) {
    std::string out;
    for (const auto& line : lines)
        out += line + "\r\n";
    return out;
}

} // namespace

TEST(ListMerge, TheUsersDeletionsAndAdditionsApplyToTheOtherProgramsContent) {
    // The user deleted b and added d; the other program added e and moved c first.
    EXPECT_THAT(MergeListLines({"a", "b", "c"}, {"a", "c", "d"}, {"c", "a", "b", "e"}),
                ElementsAre("c", "a", "e", "d"));
    // Counted per occurrence: one of two equal lines deleted, one added twice.
    EXPECT_THAT(MergeListLines({"a", "a", "x"}, {"a", "x", "n", "n"}, {"a", "a", "a", "x"}),
                ElementsAre("a", "a", "x", "n", "n"));
    // A line the other program already deleted is not deleted again, nor brought back.
    EXPECT_THAT(MergeListLines({"a", "b"}, {"a"}, {"a"}), ElementsAre("a"));
    EXPECT_THAT(MergeListLines({"a", "b"}, {"a", "b"}, {"b"}), ElementsAre("b"));
    // No change by the user: the other program's content as it is, empty lines dropped.
    EXPECT_THAT(MergeListLines({"a"}, {"a", ""}, {"z", "", "a"}), ElementsAre("z", "a"));
}

TEST(ListMerge, FileStateSeesAChangedContentOfTheSameSize) {
    TempDir dir;
    WriteFileBytes(dir / "f", "abc");
    const ListFileState before = StateOfFile(dir / "f", "abc");
    EXPECT_TRUE(before.exists);
    EXPECT_EQ(before.size, 3u);
    EXPECT_EQ(before, StateOfFile(dir / "f", "abc"));
    EXPECT_NE(before, StateOfFile(dir / "f", "abd"));
    EXPECT_FALSE(StateOfFile(dir / "missing", "").exists);
    // FNV-1a reference values.
    EXPECT_EQ(ContentHash(""), 0xcbf29ce484222325ull);
    EXPECT_EQ(ContentHash("a"), 0xaf63dc4c8601ec8cull);
}

TEST(PeopListModel, AddDelAndSaveKeepTheLinesAnotherProgramWroteMeanwhile) {
    TempDir dir;
    const auto list = dir / "l.phy";
    WriteFileBytes(list, Crlf({Line(1, "bob"), Line(2, "amy")}));
    FakeFaceListHost host;
    CPeopListModel model(host);
    model.LoadList(list); // selects "amy"

    // Another program appends a face and a note of its own.
    WriteFileBytes(list, Crlf({Line(1, "bob"), Line(2, "amy"), Line(3, "cid"), "# note"}));
    host.face.Slot(FaceSlot::Eyes).SetShape(5);
    ASSERT_TRUE(model.Add("dan"));
    EXPECT_EQ(ReadFileBytes(list),
              Crlf({Line(1, "bob"), Line(2, "amy"), Line(3, "cid"), "# note", Line(5, "dan")}));
    EXPECT_EQ(model.EditText(), "dan");
    ASSERT_GE(model.Selection(), 0);
    EXPECT_EQ(model.Entries()[model.Items()[model.Selection()].position], Line(5, "dan"));

    // It now takes "bob" out and puts "eve" in; the user deletes "amy".
    WriteFileBytes(
        list, Crlf({Line(4, "eve"), Line(2, "amy"), Line(3, "cid"), "# note", Line(5, "dan")}));
    model.SelectItem(0); // "amy"
    ASSERT_EQ(model.EditText(), "amy");
    ASSERT_TRUE(model.Del());
    EXPECT_EQ(ReadFileBytes(list),
              Crlf({Line(4, "eve"), Line(3, "cid"), "# note", Line(5, "dan")}));
    std::vector<std::string> names;
    for (const auto& item : model.Items())
        names.push_back(item.name);
    EXPECT_THAT(names, ElementsAre("cid", "dan", "eve"));

    // Save over the list itself after yet another outside change.
    WriteFileBytes(
        list, Crlf({Line(4, "eve"), Line(3, "cid"), "# note", Line(5, "dan"), Line(6, "fay")}));
    ASSERT_TRUE(model.SaveAs(list));
    EXPECT_EQ(ReadFileBytes(list),
              Crlf({Line(4, "eve"), Line(3, "cid"), "# note", Line(5, "dan"), Line(6, "fay")}));
    EXPECT_EQ(model.Items().size(), 4u);
}

TEST(PeopListModel, AListThatCanNoLongerBeReadIsNotOverwritten) {
    TempDir dir;
    const auto list = dir / "l.phy";
    WriteFileBytes(list, Crlf({Line(1, "one")}));
    FakeFaceListHost host;
    CPeopListModel model(host);
    model.LoadList(list);
    // Replaced by a file too large to read back: writing would lose its lines.

    std::filesystem::resize_file(list, kMaxLineFileBytes + 1);
    const auto r = model.Add("two");
    EXPECT_FALSE(r);
    EXPECT_FALSE(r.error.empty());
    EXPECT_EQ(std::filesystem::file_size(list), kMaxLineFileBytes + 1);
}
