#include "files/FaceClipboard.h"
#include "model/FaceFrame.h"
#include "support/FaceTestSupport.h"
#include "support/MemoryClipboard.h"

#include <gtest/gtest.h>

using namespace mienlore;

namespace {

using test::MemoryClipboard;

using test::NewFace;

} // namespace

TEST(FaceClipboard, CopyThenPasteGivesTheSameFaceAgainAndAgain) {
    MemoryClipboard cb;
    CFaceFrame source = NewFace();
    source.Slot(FaceSlot::Nose).SetShape(4);
    source.Slot(FaceSlot::Beard).SetShape(6);
    ASSERT_TRUE(CopyFaceToClipboard(cb, source));
    EXPECT_EQ(*cb.record, "FACE" + source.Encode() + std::string(1, '\0'));

    CFaceFrame target = NewFace();
    ASSERT_TRUE(PasteFaceFromClipboard(cb, target));
    EXPECT_EQ(target.Encode(), source.Encode());
    CFaceFrame other = NewFace();
    ASSERT_TRUE(PasteFaceFromClipboard(cb, other)); // the copied face stays
    EXPECT_EQ(other.Encode(), source.Encode());
    EXPECT_FALSE(TakeHandedOverFace(cb, other));
}

TEST(FaceClipboard, HandOverIsNotPastedButTakenOnce) {
    MemoryClipboard cb;
    CFaceFrame sent = NewFace();
    sent.Slot(FaceSlot::Lips).SetShape(3);
    ASSERT_TRUE(PutRecord(cb, sent.Encode(), kSendRecordTag));

    CFaceFrame face = NewFace();
    const std::string before = face.Encode();
    EXPECT_FALSE(PasteFaceFromClipboard(cb, face));
    EXPECT_EQ(face.Encode(), before);
    EXPECT_TRUE(TakeHandedOverFace(cb, face));
    EXPECT_EQ(face.Encode(), sent.Encode());
    EXPECT_FALSE(cb.HasRecord());
}

TEST(FaceClipboard, RecordThatDoesNotDecodeLeavesTheFaceUntouched) {
    MemoryClipboard cb;
    CFaceFrame face = NewFace();
    face.Slot(FaceSlot::Eyes).SetShape(8);
    const std::string before = face.Encode();
    ASSERT_TRUE(PutRecord(cb, "lo0808040050sc0000100120 and nothing more", kFaceRecordTag));
    EXPECT_FALSE(PasteFaceFromClipboard(cb, face));
    EXPECT_EQ(face.Encode(), before);

    ASSERT_TRUE(PutRecord(cb, "lo0808040050sc0000100120 and nothing more", kSendRecordTag));
    EXPECT_FALSE(TakeHandedOverFace(cb, face));
    EXPECT_EQ(face.Encode(), before);
    EXPECT_FALSE(cb.HasRecord()); // a hand-over is consumed even when it is no face
}
