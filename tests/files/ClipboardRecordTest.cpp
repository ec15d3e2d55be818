#include "files/ClipboardRecord.h"
#include "support/MemoryClipboard.h"

#include <gtest/gtest.h>

using namespace mienlore;

namespace {

using FakeClipboard = test::MemoryClipboard;

const std::string kCode = "lo0101040030sc0800100120ch0202042190ey0300076122br0400056095"
                          "no0202100120mo0101100190ea0101100095ha0000100010mu0000100110"
                          "be0000100110;";

} // namespace

TEST(ClipboardRecord, LayoutIsTagTextAndNul) {
    const std::string r = MakeClipboardRecord("abc", "FACE");
    EXPECT_EQ(r, std::string("FACEabc\0", 8));
    EXPECT_EQ(MakeClipboardRecord("", "SEND"), std::string("SEND\0", 5));
}

TEST(ClipboardRecord, CopiedFaceStaysForAnyNumberOfPastes) {
    FakeClipboard cb;
    ASSERT_TRUE(PutRecord(cb, kCode, kFaceRecordTag));
    EXPECT_TRUE(cb.other.empty()); // putting a record empties the clipboard
    EXPECT_TRUE(IsRecordAvailable(cb));
    EXPECT_EQ(TakePastedFace(cb), kCode);
    EXPECT_EQ(TakePastedFace(cb), kCode);
    EXPECT_FALSE(TakeHandedOverFace(cb)); // a copied face is never taken as a hand-over
    EXPECT_TRUE(IsRecordAvailable(cb));
}

TEST(ClipboardRecord, HandOverIsIgnoredByPasteAndConsumedOnce) {
    FakeClipboard cb;
    ASSERT_TRUE(PutRecord(cb, kCode, kSendRecordTag));
    EXPECT_FALSE(TakePastedFace(cb));
    EXPECT_TRUE(IsRecordAvailable(cb));
    EXPECT_EQ(TakeHandedOverFace(cb), kCode);
    EXPECT_FALSE(IsRecordAvailable(cb));
    EXPECT_FALSE(TakeHandedOverFace(cb));
}

TEST(ClipboardRecord, OnlyTheFirstTagLetterAndTheTextLengthDecide) {
    FakeClipboard cb;
    cb.record = MakeClipboardRecord(kCode, "FOOD");
    EXPECT_EQ(TakePastedFace(cb), kCode);

    cb.record = MakeClipboardRecord("0123456789", "FACE"); // 10 characters: too short
    EXPECT_FALSE(TakePastedFace(cb));
    cb.record = MakeClipboardRecord("0123456789A", "FACE");
    EXPECT_EQ(TakePastedFace(cb), "0123456789A");

    cb.record = MakeClipboardRecord("0123456789A", "SEND");
    EXPECT_FALSE(TakeRecord(cb, 'F', true));
    EXPECT_TRUE(cb.record.has_value()); // a refused record stays

    cb.record = std::string("FAC");
    EXPECT_FALSE(TakePastedFace(cb));
    cb.record = std::string("FACEabcdefghijkl\0trailing", 25);
    EXPECT_EQ(TakePastedFace(cb), "abcdefghijkl"); // the text ends at the NUL
}

TEST(ClipboardRecord, TextIsCutTo255CharactersWithoutSplittingOne) {
    FakeClipboard cb;
    ASSERT_TRUE(PutRecord(cb, std::string(300, 'x'), kSendRecordTag));
    EXPECT_EQ(TakeHandedOverFace(cb), std::string(255, 'x'));

    std::string umlauts;
    for (int i = 0; i < 300; ++i)
        umlauts += "\xC3\xBC";
    ASSERT_TRUE(PutRecord(cb, umlauts, kFaceRecordTag));
    EXPECT_EQ(TakePastedFace(cb), umlauts.substr(0, 510));
}

TEST(ClipboardRecord, OneParserCutsOrRefusesALongTextAsItsCallerSays) {
    const std::string longest = MakeClipboardRecord(std::string(255, 'x'), "SEND");
    const std::string tooLong = MakeClipboardRecord(std::string(256, 'x'), "SEND");
    EXPECT_EQ(ParseFaceRecord(longest, 'S', LongRecordText::Refuse), std::string(255, 'x'));
    EXPECT_EQ(ParseFaceRecord(tooLong, 'S', LongRecordText::Cut), std::string(255, 'x'));
    EXPECT_FALSE(ParseFaceRecord(tooLong, 'S', LongRecordText::Refuse));
    EXPECT_FALSE(ParseFaceRecord(longest, 'F', LongRecordText::Cut));
    EXPECT_FALSE(ParseFaceRecord("SEN", 'S', LongRecordText::Cut));
}

TEST(ClipboardRecord, PutFailsOnABadTagOrAClosedClipboard) {
    FakeClipboard cb;
    EXPECT_FALSE(PutRecord(cb, kCode, "FAC"));
    EXPECT_FALSE(cb.HasRecord());
    cb.writable = false;
    EXPECT_FALSE(PutRecord(cb, kCode, kFaceRecordTag));
}
