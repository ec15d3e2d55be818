#include "files/PeopListModel.h"
#include "files/LineFile.h"
#include "model/FaceFrame.h"
#include "support/TestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace mienlore;
using mienlore::test::ReadFileBytes;
using mienlore::test::TempDir;
using mienlore::test::WriteFileBytes;
using ::testing::ElementsAre;

namespace {

class FakeHost : public IFaceListHost {
public:
    CFaceFrame face{mienlore::test::ProgramFolder()};
    bool slotSelected = true;
    int changes = 0;

    bool IsSlotSelected() const override { return slotSelected; }
    CFaceFrame& CurrentFace() override { return face; }
    void FaceChanged() override { ++changes; }
};

std::string Line(int eyes, const std::string& name) {
    CFaceFrame face(mienlore::test::ProgramFolder());
    face.Slot(FaceSlot::Eyes).SetShape(eyes);
    return face.Encode(name);
}

std::vector<std::string> Names(const CPeopListModel& model) {
    std::vector<std::string> names;
    for (const auto& item : model.Items())
        names.push_back(item.name);
    return names;
}

} // namespace

TEST(PeopListModel, LoadsValidLinesSortsNamesAndPicksTheFirst) {
    TempDir dir;
    WriteFileBytes(dir / "l.phy", Line(1, "zoe") + "\n" + "garbage;Nobody\n\n" + Line(2, "Adam") +
                                      "\n" + Line(3, "bob") + "\n" + Line(4, "adam") + "\n");
    FakeHost host;
    CPeopListModel model(host);
    const auto r = model.LoadList(dir / "l.phy");
    EXPECT_TRUE(r.opened);
    EXPECT_EQ(r.linesRead, 6);
    EXPECT_EQ(model.ListPath(), dir / "l.phy");
    EXPECT_EQ(model.Entries().size(), 4u);
    EXPECT_THAT(Names(model), ElementsAre("Adam", "adam", "bob", "zoe"));
    EXPECT_EQ(model.Items()[0].position, 1);
    EXPECT_EQ(model.Items()[3].position, 0);

    EXPECT_EQ(model.Selection(), 0);
    EXPECT_EQ(model.EditText(), "Adam");
    EXPECT_EQ(host.face.Slot(FaceSlot::Eyes).GetShape(), 2);
    EXPECT_EQ(host.changes, 1);

    EXPECT_TRUE(model.SelectItem(2));
    EXPECT_EQ(model.EditText(), "bob");
    EXPECT_EQ(host.face.Slot(FaceSlot::Eyes).GetShape(), 3);
    EXPECT_FALSE(model.SelectItem(4));
}

TEST(PeopListModel, LineEndsLongLinesAndTheLastLineDoNotLoseEntries) {
    TempDir dir;
    const std::string longName(255, 'n');
    const std::string overlong(kMaxLineBytes + 10, 'x');
    WriteFileBytes(dir / "crlf.phy", Line(1, "one") + "\r\n" + Line(2, "two") + "\r\n");
    WriteFileBytes(dir / "lf.phy", Line(1, "one") + "\n" + Line(2, "two"));
    WriteFileBytes(dir / "long.phy", Line(1, "one") + "\r\n" + Line(2, longName) + "\r\n" +
                                         overlong + "\r\n" + Line(3, "three") + "\r\n" +
                                         Line(4, "four"));
    FakeHost host;
    CPeopListModel crlf(host), lf(host), withLong(host);
    crlf.LoadList(dir / "crlf.phy");
    lf.LoadList(dir / "lf.phy");
    EXPECT_EQ(crlf.Entries(), lf.Entries());
    EXPECT_THAT(Names(lf), ElementsAre("one", "two"));

    const auto r = withLong.LoadList(dir / "long.phy");
    EXPECT_EQ(r.tooLong, 1u);
    EXPECT_THAT(Names(withLong), ElementsAre("four", longName, "one", "three"));
}

TEST(PeopListModel, PickNeedsASelectedSlot) {
    TempDir dir;
    WriteFileBytes(dir / "l.phy", Line(5, "five") + "\n");
    FakeHost host;
    host.slotSelected = false;
    CPeopListModel model(host);
    model.LoadList(dir / "l.phy");
    EXPECT_EQ(model.Selection(), 0);
    EXPECT_EQ(host.changes, 0);
    EXPECT_EQ(host.face.Slot(FaceSlot::Eyes).GetShape(), 3);
    host.slotSelected = true;
    EXPECT_TRUE(model.Pick());
    EXPECT_EQ(host.face.Slot(FaceSlot::Eyes).GetShape(), 5);
}

TEST(PeopListModel, MissingFileKeepsTheEntriesButBecomesTheListFile) {
    TempDir dir;
    WriteFileBytes(dir / "a.phy", Line(1, "one") + "\r\n");
    FakeHost host;
    CPeopListModel model(host);
    model.LoadList(dir / "a.phy");
    const auto r = model.LoadList(dir / "b.phy");
    EXPECT_FALSE(r.opened);
    EXPECT_EQ(r.linesRead, 0);
    EXPECT_THAT(Names(model), ElementsAre("one"));
    EXPECT_EQ(model.ListPath(), dir / "b.phy");

    ASSERT_TRUE(model.Add("two"));
    EXPECT_EQ(ReadFileBytes(dir / "b.phy"), Line(1, "one") + "\r\n" + Line(1, "two") + "\r\n");
    EXPECT_EQ(ReadFileBytes(dir / "a.phy"), Line(1, "one") + "\r\n");

    model.LoadList(""); // an empty path changes nothing
    EXPECT_EQ(model.ListPath(), dir / "b.phy");
}

TEST(PeopListModel, AddAndDelRewriteTheFileAndKeepPositions) {
    TempDir dir;
    WriteFileBytes(dir / "l.phy", Line(1, "b") + "\r\n" + Line(2, "a") + "\r\n");
    FakeHost host;
    CPeopListModel model(host);
    model.LoadList(dir / "l.phy"); // picks "a": eyes 2
    ASSERT_EQ(model.EditText(), "a");

    ASSERT_TRUE(model.Del());
    EXPECT_THAT(model.Entries(), ElementsAre(Line(1, "b"), ""));
    EXPECT_THAT(Names(model), ElementsAre("b"));
    EXPECT_EQ(model.Selection(), 0);
    EXPECT_EQ(model.EditText(), "b");
    EXPECT_EQ(ReadFileBytes(dir / "l.phy"), Line(1, "b") + "\r\n");

    host.face.Slot(FaceSlot::Eyes).SetShape(7);
    ASSERT_TRUE(model.Add("b"));
    EXPECT_EQ(model.Entries().size(), 3u);
    EXPECT_EQ(model.Entries()[2], Line(7, "b"));
    EXPECT_THAT(Names(model), ElementsAre("b", "b")); // the same name twice
    EXPECT_EQ(model.Items()[1].position, 2);
    EXPECT_EQ(model.Selection(), 1);
    EXPECT_EQ(ReadFileBytes(dir / "l.phy"), Line(1, "b") + "\r\n" + Line(7, "b") + "\r\n");

    // Reading the file again closes the gap.
    model.LoadList(dir / "l.phy");
    EXPECT_EQ(model.Entries().size(), 2u);
}

TEST(PeopListModel, FailedWriteIsReportedAndKeepsTheEntryAndTheOldFile) {
    TempDir dir;
    WriteFileBytes(dir / "l.phy", Line(1, "one") + "\r\n");
    FakeHost host;
    CPeopListModel model(host);
    EXPECT_FALSE(model.Add("before any list")); // no list file yet
    EXPECT_EQ(model.Entries().size(), 1u);

    model.LoadList(dir / "l.phy");
    std::filesystem::rename(dir / "l.phy", dir / "moved.phy");
    std::filesystem::create_directory(dir / "l.phy");
    WriteFileBytes(dir / "l.phy" / "x", "x"); // the name is taken by a folder: rename fails
    const auto r = model.Add("two");
    EXPECT_FALSE(r);
    EXPECT_FALSE(r.error.empty());
    EXPECT_THAT(Names(model), ElementsAre("one", "two"));

    // Saving elsewhere keeps everything and moves the list there.
    ASSERT_TRUE(model.SaveAs(dir / "saved.phy"));
    EXPECT_EQ(model.ListPath(), dir / "saved.phy");
    EXPECT_EQ(ReadFileBytes(dir / "saved.phy"), Line(1, "one") + "\r\n" + Line(1, "two") + "\r\n");
    EXPECT_FALSE(model.SaveAs(dir / "none" / "x.phy"));
    EXPECT_EQ(model.ListPath(), dir / "saved.phy");
}

TEST(PeopListModel, DefaultListIsInTheSamplesFolder) {
    EXPECT_EQ(CPeopListModel::DefaultListPath("/prog"),
              std::filesystem::path("/prog/SAMPLES/list.phy"));
    EXPECT_TRUE(FaceNameLess("apple", "Banana"));
    EXPECT_TRUE(FaceNameLess("\xC3\xA4rger", "\xC3\x9C"
                                             "bel")); // ä before Ü
    EXPECT_FALSE(FaceNameLess("Abc", "abc"));
    EXPECT_TRUE(FaceNameLess("ab", "abc"));
}

TEST(PeopListModel, ShippedSampleListHoldsADozenFacesWithinTheirRanges) {
    FakeHost host;
    CPeopListModel model(host);
    const auto r = model.LoadDefaultList(mienlore::test::ProgramFolder());
    EXPECT_EQ(r.linesRead, 12);
    ASSERT_EQ(model.Entries().size(), 12u);
    for (const std::string& line : model.Entries()) {
        // Values that needed no wrapping or clamping encode back unchanged.
        CFaceFrame face(mienlore::test::ProgramFolder());
        std::string name = line;
        ASSERT_TRUE(face.DecodeAndStrip(name)) << line;
        EXPECT_EQ(face.Encode(name), line);
        EXPECT_FALSE(name.empty());
        EXPECT_FALSE(face.IsBlank());
    }
}
