#include "files/ui/QtClipboard.h"

#include <QGuiApplication>
#include <QMimeData>
#include <gtest/gtest.h>

using namespace mienlore;

TEST(QtClipboard, RecordTravelsUnderThePrivateTypeAndIsRemovedAlone) {
    QClipboard* system = QGuiApplication::clipboard();
    ASSERT_NE(system, nullptr);
    CQtClipboard cb;
    const std::string text = "lo0101040030sc0800100120ch0202042190;";

    ASSERT_TRUE(PutRecord(cb, text, kSendRecordTag));
    ASSERT_TRUE(cb.HasRecord());
    EXPECT_EQ(system->mimeData()->data(QStringLiteral("application/x-mienlore-clb")),
              QByteArray("SEND" + QByteArray::fromStdString(text) + QByteArray(1, '\0')));
    EXPECT_FALSE(TakePastedFace(cb));
    EXPECT_EQ(TakeHandedOverFace(cb), text);
    EXPECT_FALSE(cb.HasRecord());

    // Removing the record keeps whatever else is on the clipboard.
    auto* mixed = new QMimeData;
    mixed->setText(QStringLiteral("plain"));
    mixed->setData(CQtClipboard::MimeType(), QByteArray("SEND") + QByteArray::fromStdString(text));
    system->setMimeData(mixed);
    EXPECT_EQ(TakeHandedOverFace(cb), text);
    EXPECT_FALSE(cb.HasRecord());
    EXPECT_EQ(system->text(), QStringLiteral("plain"));

    system->clear();
    EXPECT_FALSE(cb.ReadRecord());
}

TEST(QtClipboard, ARecordTheSystemDoesNotKeepIsNotReportedAsWritten) {
    QClipboard* system = QGuiApplication::clipboard();
    ASSERT_NE(system, nullptr);
    int tried = 0;
    for (const QClipboard::Mode mode : {QClipboard::Selection, QClipboard::FindBuffer}) {
        const bool supported = mode == QClipboard::Selection ? system->supportsSelection()
                                                             : system->supportsFindBuffer();
        if (supported)
            continue;
        ++tried;
        CQtClipboard cb(mode);
        EXPECT_FALSE(PutRecord(cb, "text", kFaceRecordTag)) << mode;
        EXPECT_FALSE(cb.HasRecord());
    }
    if (tried == 0)
        GTEST_SKIP() << "this platform keeps every clipboard mode";
}
