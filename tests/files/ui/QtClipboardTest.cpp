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
