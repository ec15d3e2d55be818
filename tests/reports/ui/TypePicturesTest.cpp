// The pictures drawn at build time, read back as a browser would read them.
#include "reports/Interpretation.h"
#include "support/TestSupport.h"

#include <QImage>
#include <QImageReader>
#include <QResource>
#include <gtest/gtest.h>

namespace mienlore {
namespace {

QString Folder() {
    return QString::fromStdString(test::ProgramFolder().string());
}

// Columns of row 7 that are neither see-through nor the grey frame.
int FilledColumns(const QImage& bar) {
    int n = 0;
    for (int x = 1; x < bar.width() - 1; ++x) {
        const QRgb p = bar.pixel(x, 7);
        if (qAlpha(p) == 255 && qRed(p) > qBlue(p) + 60)
            ++n;
    }
    return n;
}

TEST(TypePicturesTest, ThePackHoldsBarsOfElevenLevelsAndABadgePerSign) {
    ASSERT_TRUE(QResource::registerResource(Folder() + "/" + kTypePicturesPack, "/typetest"));
    int previous = -1;
    for (int level = 0; level <= 10; ++level) {
        QImageReader reader(QStringLiteral(":/typetest/GIFS/i-rect-%1.gif").arg(level));
        EXPECT_EQ(reader.format(), QByteArray("gif")) << level;
        const QImage bar = reader.read();
        ASSERT_EQ(bar.size(), QSize(101, 14)) << level;
        const int filled = FilledColumns(bar.convertToFormat(QImage::Format_ARGB32));
        EXPECT_EQ(filled, 99 * level / 10) << level;
        EXPECT_GT(filled, previous);
        previous = filled;
    }
    for (const char* sign : {"aries", "taurus", "gemini", "cancer", "leo", "virgo", "libra",
                             "scorpio", "sagittarius", "capricorn", "aquarius", "pisces"}) {
        const QImage badge(QStringLiteral(":/typetest/GIFS/horo-%1.gif").arg(QLatin1String(sign)));
        EXPECT_EQ(badge.size(), QSize(20, 19)) << sign;
    }
    QResource::unregisterResource(Folder() + "/" + kTypePicturesPack, "/typetest");
}

TEST(TypePicturesTest, BackgroundsAndTheAboutAnimation) {
    for (const char* folder : {"Text", "PType"})
        for (const char* name : {"lineb.gif", "linew.gif"}) {
            QImageReader reader(Folder() + "/" + folder + "/" + name);
            EXPECT_EQ(reader.format(), QByteArray("gif")) << folder << name;
            EXPECT_FALSE(reader.read().isNull()) << folder << name;
        }
    // The dark ground is dark and the light one light.
    const QImage dark(Folder() + "/PType/lineb.gif");
    const QImage light(Folder() + "/PType/linew.gif");
    EXPECT_LT(qGray(dark.pixel(0, 0)), 60);
    EXPECT_GT(qGray(light.pixel(0, 0)), 200);

    QImageReader about(Folder() + "/about.gif");
    EXPECT_TRUE(about.supportsAnimation());
    EXPECT_GT(about.imageCount(), 5);
    EXPECT_EQ(about.size(), QSize(120, 120));
}

} // namespace
} // namespace mienlore
