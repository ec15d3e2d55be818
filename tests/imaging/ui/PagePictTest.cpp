// The photo page: buttons, keys, loading (file, paste, drop), the face over
// the photograph, and the live video loop with the tests' video module.
#include "imaging/ui/PagePict.h"
#include "imaging/BmpFile.h"
#include "imaging/ui/PictureReaders.h"
#include "model/FaceFrame.h"
#include "shell/ui/DialogUnits.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include <memory>

#include <dlfcn.h>

using namespace mienlore;

namespace {

struct PageFixture : ::testing::Test {
    CFaceFrame face{MIENLORE_PROGRAM_FOLDER};
    DialogUnits units{6, 13};
    std::unique_ptr<CPagePict> page;
    test::TempDir dir;
    QStringList messages;

    void SetUp() override {
        page = std::make_unique<CPagePict>(face, units);
        page->resize(units.Rect(0, 0, 194, 276).size());
        page->SetMessageSink([this](const QString& caption, const QString& text) {
            messages << caption + ":" + text;
        });
    }
    QString WriteBmpFile(const std::string& name, int w, int h, PixelWord word) {
        CDevib d;
        d.Create(w, h);
        d.Fill(word);
        const auto path = dir / name;
        EXPECT_TRUE(WriteBmp(d, path));
        return QString::fromStdString(path.string());
    }
    void Click(int id) { QTest::mouseClick(page->Button(id), Qt::LeftButton); }
};

} // namespace

TEST_F(PageFixture, StartsWithTheSamplePhotographAndTheFaceCaptions) {
    ASSERT_TRUE(page->LoadSample());
    EXPECT_TRUE(page->View().HasPicture());
    EXPECT_EQ(page->View().Picture().bitmap.Width(), 280);
    page->Refresh();
    const QImage shown = page->PictureWindow()->Image();
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown.size(), page->PictureWindow()->size());
    // The captions name the face's shapes.
    face.Slot(FaceSlot::Forehead).SetShape(0);
    page->Refresh();
    EXPECT_EQ(page->Caption(21099)->text(), "Round");
    face.Slot(FaceSlot::Forehead).SetShape(1);
    page->Refresh();
    EXPECT_EQ(page->Caption(21099)->text(), "Oval");
    for (int id : {21199, 21299, 21399, 21599, 21699, 21799})
        EXPECT_FALSE(page->Caption(id)->text().isEmpty()) << id;
    // Buttons carry their tool tips; "Video" waits for a camera.
    EXPECT_EQ(page->Button(2381)->toolTip(), "Actual Size and Position");
    EXPECT_TRUE(page->Button(2388)->isHidden());
}

TEST_F(PageFixture, ButtonsChangeTheViewAndActualSizeResetsIt) {
    ASSERT_TRUE(page->LoadSample());
    for (int id : {2391, 2392, 2393, 2394, 2395, 2397})
        Click(id);
    const PhotoEffects& e = page->View().effects;
    EXPECT_TRUE(e.blackWhite && e.invert && e.gray && e.median && e.edge && e.smooth);
    EXPECT_TRUE(page->Button(2395)->isChecked());
    Click(2382);
    EXPECT_EQ(page->View().Zoom(), 90);
    Click(2383);
    Click(2383);
    EXPECT_EQ(page->View().Zoom(), 110);
    Click(2386);
    EXPECT_EQ(page->View().Rotation(), 2);
    page->Slider(1011)->setValue(30);
    EXPECT_EQ(page->View().PanX(), 30);
    Click(2390); // background face on
    QSignalSpy renders(page.get(), &CPagePict::faceRenderRequested);
    Click(2381);
    EXPECT_EQ(page->View().effects, PhotoEffects{});
    EXPECT_FALSE(page->Button(2395)->isChecked());
    EXPECT_EQ(page->View().Zoom(), 100);
    EXPECT_EQ(page->View().Rotation(), 0);
    EXPECT_EQ(page->Slider(1011)->value(), 0);
    // The face is drawn again over the view that stays transformed.
    EXPECT_GE(renders.count(), 1);
    EXPECT_TRUE(page->View().IsTransformed());
    EXPECT_TRUE(page->Button(2390)->isChecked());
}

TEST_F(PageFixture, KeysPanZoomAndToggleTheBackground) {
    ASSERT_TRUE(page->LoadSample());
    EXPECT_TRUE(page->OnKey(Qt::Key_I));
    EXPECT_TRUE(page->OnKey(Qt::Key_L));
    EXPECT_TRUE(page->OnKey(Qt::Key_L));
    EXPECT_EQ(page->View().PanY(), -1);
    EXPECT_EQ(page->View().PanX(), 2);
    EXPECT_EQ(page->Slider(1009)->value(), -1);
    page->View().SetZoom(298);
    for (int i = 0; i < 4; ++i)
        page->OnKey(Qt::Key_O);
    EXPECT_EQ(page->View().Zoom(), 300);
    page->View().SetZoom(22);
    for (int i = 0; i < 4; ++i)
        page->OnKey(Qt::Key_P);
    EXPECT_EQ(page->View().Zoom(), 20);
    EXPECT_TRUE(page->OnKey(Qt::Key_Space));
    EXPECT_TRUE(page->BackgroundFace());
    EXPECT_FALSE(page->OnKey(Qt::Key_W)); // the face page's key
}

TEST_F(PageFixture, FailedLoadKeepsThePictureAndSaysWhy) {
    const QString good = WriteBmpFile("good.bmp", 30, 20, 0xFF102030u);
    ASSERT_TRUE(page->LoadPhoto(good, false));
    test::WriteFileBytes(dir / "bad.jpg", "no picture at all");
    QSignalSpy status(page.get(), &CPagePict::statusMessage);
    EXPECT_FALSE(page->LoadPhoto(QString::fromStdString((dir / "bad.jpg").string()), false));
    EXPECT_EQ(page->View().Path().string(), good.toStdString());
    ASSERT_EQ(status.count(), 1);
    EXPECT_TRUE(status[0][0].toString().contains("bad.jpg"));
}

TEST_F(PageFixture, PasteTakesTheClipboardImageThroughAPrivateFile) {
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(QColor(10, 200, 30));
    QApplication::clipboard()->setImage(image);
    QApplication::processEvents();
    EXPECT_TRUE(page->Button(2389)->isEnabled());
    ASSERT_TRUE(page->PasteImage());
    const QString file = page->TemporaryPastePath();
    EXPECT_TRUE(file.contains("mienlore-paste-"));
    EXPECT_FALSE(file.endsWith("/screen1.bmp"));
    EXPECT_TRUE(QFile::exists(file));
    EXPECT_EQ(page->View().Picture().bitmap.Width(), 40);
    EXPECT_EQ(page->View().Picture().bitmap.GetPixel(5, 5), MakePixel(10, 200, 30));
    // The file goes with the page (the program's end).
    page.reset();
    EXPECT_FALSE(QFile::exists(file));

    QApplication::clipboard()->setText(QStringLiteral("no picture"));
    QApplication::processEvents();
    CPagePict other(face, units);
    EXPECT_FALSE(other.Button(2389)->isEnabled());
    EXPECT_FALSE(other.PasteImage());
}

TEST_F(PageFixture, DroppedFileIsLoadedAndOverlongPathsAreRefused) {
    const QString file = WriteBmpFile("dropped.bmp", 12, 12, 0xFF0000FFu);
    QSignalSpy show(page.get(), &CPagePict::showFaceRequested);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file)});
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    // As the window system delivers it to the page.
    static_cast<QObject*>(page.get())->event(&drop);
    EXPECT_EQ(page->View().Path().string(), file.toStdString());
    EXPECT_EQ(show.count(), 1);

    const QString longPath = QStringLiteral("/tmp/") + QString(5000, QLatin1Char('a'));
    EXPECT_FALSE(page->DropFile(longPath));
    EXPECT_TRUE(page->LastStatus().contains("too long"));
    EXPECT_EQ(page->View().Path().string(), file.toStdString());

    // A dropped file that is no picture: the user is told in a message box
    // (not only on the status bar), and the picture stays.
    test::WriteFileBytes(dir / "notes.gif", "GIF89a but not really");
    EXPECT_FALSE(page->DropFile(QString::fromStdString((dir / "notes.gif").string())));
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages[0].contains("too long"));
    EXPECT_TRUE(messages[1].contains("Cannot open picture notes.gif")) << messages[1].toStdString();
    EXPECT_EQ(page->View().Path().string(), file.toStdString());
}

TEST_F(PageFixture, MissingVideoModuleShowsTheMessage) {
    page->SetVideoModulePath(QString::fromStdString((dir / "vidgrab.so").string()));
    EXPECT_FALSE(page->StartVideo());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], "WND:Check library vidgrab");
    // A library without the entry points.
    test::WriteFileBytes(dir / "vidgrab.so", "not a library");
    EXPECT_FALSE(page->StartVideo());
    EXPECT_FALSE(page->IsVideoRunning());
}

TEST_F(PageFixture, VideoLoopShowsFramesWithinItsZoomLimitAndStopFreesTheModule) {
    const QString module = QStringLiteral(MIENLORE_FAKE_VIDEO_DIR "/vidgrab.so");
    const auto log = dir / "video.log";
    qputenv("MIENLORE_FAKE_VIDEO_LOG", QByteArray::fromStdString(log.string()));
    const auto calls = [&log] { return QString::fromStdString(test::ReadFileBytes(log)); };
    page->SetVideoModulePath(module);
    page->ProbeVideo();
    EXPECT_FALSE(page->Button(2388)->isHidden()); // the stand-in has a camera
    page->View().SetZoom(50);
    Click(2388);
    ASSERT_TRUE(page->IsVideoRunning()) << messages.join(";").toStdString();
    EXPECT_TRUE(page->Button(2388)->isChecked());
    EXPECT_FALSE(page->Button(2380)->isEnabled());
    EXPECT_FALSE(page->OnKey(Qt::Key_Space)); // keys wait while video runs
    // Frames arrive with the 100 ms timer.
    QTest::qWait(450);
    EXPECT_GE(calls().count("frame"), 3);
    EXPECT_TRUE(calls().startsWith("probe\nprobe\nstart\nframe\n"));
    const QImage shown = page->findChild<CPictWnd*>(QStringLiteral("videoWnd"))->Image();
    ASSERT_FALSE(shown.isNull());
    // Zoom out stops at 100 while video runs.
    for (int i = 0; i < 10; ++i)
        Click(2383);
    EXPECT_EQ(page->View().Zoom(), 100);
    // Stop: capture freed, the module let go, the controls back.
    Click(2388);
    EXPECT_FALSE(page->IsVideoRunning());
    EXPECT_FALSE(page->IsVideoModuleLoaded());
    EXPECT_TRUE(calls().endsWith("free\n"));
    EXPECT_EQ(dlopen(module.toLocal8Bit().constData(), RTLD_NOW | RTLD_NOLOAD), nullptr);
    EXPECT_TRUE(page->Button(2380)->isEnabled());
    EXPECT_FALSE(page->VideoTick());
    // Zoom goes past 100 again.
    Click(2383);
    EXPECT_EQ(page->View().Zoom(), 110);
    qunsetenv("MIENLORE_FAKE_VIDEO_LOG");
}

TEST(PictureReaders, QtReadersAndTheMetafiles) {
    // A JPEG written by Qt comes back through Qt's readers.
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(QColor(250, 20, 20));
    QByteArray jpeg;
    {
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(image.save(&buffer, "JPG", 95));
    }
    DecodedPicture p;
    std::string error;
    ASSERT_TRUE(DecodeAnyPicture(std::string_view(jpeg.constData(), jpeg.size()), p, &error))
        << error;
    EXPECT_EQ(p.bitmap.Width(), 20);
    EXPECT_NEAR(RedOf(p.bitmap.GetPixel(5, 5)), 250, 4);

    EXPECT_FALSE(DecodeAnyPicture("not a picture", p, &error));
    EXPECT_FALSE(error.empty());
}

// A picture cut short says it is damaged; only a file of no known kind is
// "not a picture".
TEST(PictureReaders, ACutShortPictureIsCalledDamaged) {
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(QColor(10, 120, 200));
    for (const char* format : {"PNG", "JPG", "TIFF"}) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, format))
            continue; // no writer for this format here
        DecodedPicture p;
        std::string error;
        ASSERT_FALSE(DecodeAnyPicture(std::string_view(bytes.constData(), 60), p, &error))
            << format;
        EXPECT_NE(error.find("damaged"), std::string::npos) << format << ": " << error;
        EXPECT_TRUE(p.bitmap.IsEmpty());
    }
    DecodedPicture p;
    std::string error;
    EXPECT_FALSE(DecodeAnyPicture("plain words, no picture at all", p, &error));
    EXPECT_EQ(error.find("damaged"), std::string::npos) << error;
}

namespace {

// Little-endian writers for hand-made metafiles.
using test::Put16;
using test::Put32;

// A placeable WMF: a 1000 x 500 box at 1000 units per inch (1 x 0.5 inch),
// filled by a red rectangle.
std::string RedWmf() {
    std::string s;
    Put32(s, 0x9AC6CDD7);
    Put16(s, 0);
    for (int v : {0, 0, 1000, 500})
        Put16(s, v);
    Put16(s, 1000);
    Put32(s, 0);
    int checksum = 0;
    for (std::size_t i = 0; i < s.size(); i += 2)
        checksum ^= static_cast<unsigned char>(s[i]) | (static_cast<unsigned char>(s[i + 1]) << 8);
    Put16(s, checksum);
    std::string records;
    const auto record = [&records](int function, std::initializer_list<int> params) {
        Put32(records, 3 + static_cast<std::uint32_t>(params.size()));
        Put16(records, function);
        for (int p : params)
            Put16(records, p);
    };
    record(0x020B, {0, 0});                 // SETWINDOWORG y, x
    record(0x020C, {500, 1000});            // SETWINDOWEXT y, x
    record(0x02FC, {0, 0x00FF, 0x0000, 0}); // CREATEBRUSHINDIRECT solid red
    record(0x012D, {0});                    // SELECTOBJECT
    record(0x041B, {500, 1000, 0, 0});      // RECTANGLE bottom, right, top, left
    record(0x0000, {});                     // EOF
    Put16(s, 1);
    Put16(s, 9);
    Put16(s, 0x0300);
    Put32(s, 9 + static_cast<std::uint32_t>(records.size()) / 2);
    Put16(s, 1);
    Put32(s, 7);
    Put16(s, 0);
    return s + records;
}

// An EMF with a frame of 2645 x 1322 hundredths of a millimetre (100 x 50
// pixels at 96 dpi), filled by a red rectangle.
std::string RedEmf() {
    std::string body;
    Put32(body, 39); // CREATEBRUSHINDIRECT
    Put32(body, 24);
    Put32(body, 1);
    Put32(body, 0);
    Put32(body, 0x000000FF);
    Put32(body, 0);
    Put32(body, 37); // SELECTOBJECT
    Put32(body, 12);
    Put32(body, 1);
    Put32(body, 43); // RECTANGLE
    Put32(body, 24);
    for (int v : {0, 0, 99, 49})
        Put32(body, v);
    Put32(body, 14); // EOF
    Put32(body, 20);
    Put32(body, 0);
    Put32(body, 16);
    Put32(body, 20);
    std::string s;
    Put32(s, 1);
    Put32(s, 88);
    for (int v : {0, 0, 99, 49})
        Put32(s, v);
    for (int v : {0, 0, 2645, 1322})
        Put32(s, v);
    Put32(s, 0x464D4520);
    Put32(s, 0x10000);
    Put32(s, 88 + static_cast<std::uint32_t>(body.size()));
    Put32(s, 5);
    Put16(s, 2);
    Put16(s, 0);
    for (int v : {0, 0, 0, 1024, 768, 320, 240})
        Put32(s, v);
    return s + body;
}

} // namespace

TEST(PictureReaders, WmfAtItsPhysicalSize) {
    const std::string wmf = RedWmf();
    ASSERT_TRUE(IsWmf(wmf));
    DecodedPicture p;
    std::string error;
    ASSERT_TRUE(DecodeAnyPicture(wmf, p, &error)) << error;
    EXPECT_EQ(p.himetricWidth, 2540);
    EXPECT_EQ(p.himetricHeight, 1270);
    EXPECT_EQ(p.bitmap.Width(), 96);
    EXPECT_EQ(p.bitmap.Height(), 48);
    const PixelWord centre = p.bitmap.GetPixel(48, 24);
    EXPECT_GT(RedOf(centre), 200);
    EXPECT_LT(GreenOf(centre), 60);
    // Cut short: refused.
    EXPECT_FALSE(DecodeAnyPicture(wmf.substr(0, 30), p, &error));
}

TEST(PictureReaders, EmfAtItsPhysicalSize) {
    const std::string emf = RedEmf();
    ASSERT_TRUE(IsEmf(emf));
    DecodedPicture p;
    std::string error;
    ASSERT_TRUE(DecodeAnyPicture(emf, p, &error)) << error;
    EXPECT_EQ(p.himetricWidth, 2645);
    EXPECT_EQ(p.bitmap.Width(), 100);
    EXPECT_EQ(p.bitmap.Height(), 50);
    const PixelWord centre = p.bitmap.GetPixel(50, 25);
    EXPECT_GT(RedOf(centre), 200);
    EXPECT_LT(GreenOf(centre), 60);
}

TEST_F(PageFixture, ShippedVideoModuleAnswersTheProbe) {
    // The program's own module: its entry points are found; this machine has
    // no camera, so "Video" stays hidden (a camera would show it).
    const QString module = QStringLiteral(MIENLORE_PROGRAM_FOLDER "/vidgrab.so");
    if (!QFile::exists(module))
        GTEST_SKIP() << "no vidgrab.so (Qt Multimedia missing at build time)";
    CVideoModule probe;
    ASSERT_EQ(probe.Load(module), CVideoModule::Status::Loaded);
    const int cameras = probe.capture(nullptr, 0, 1, 0);
    EXPECT_GE(cameras, 0);
    int size = 0;
    EXPECT_EQ(probe.grab(nullptr, &size, nullptr), 0); // nothing captured
    probe.Unload();
    page->SetVideoModulePath(module);
    page->ProbeVideo();
    EXPECT_EQ(page->Button(2388)->isHidden(), cameras == 0);
}

TEST(PictureReaders, PicturesBeyondTheLimitArriveShrunkWithinIt) {
    // 4001 x 4000 pixels is just beyond the limit, as PNG, JPEG and TIFF.
    QImage image(4001, 4000, QImage::Format_RGB32);
    image.fill(QColor(20, 200, 20));
    for (const char* format : {"PNG", "JPG", "TIFF"}) {
        QByteArray bytes;
        {
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            ASSERT_TRUE(image.save(&buffer, format)) << format;
        }
        DecodedPicture p;
        std::string error;
        ASSERT_TRUE(DecodeAnyPicture(std::string_view(bytes.constData(), bytes.size()), p, &error))
            << format << ": " << error;
        EXPECT_LE(p.bitmap.Count(), kMaxPicturePixels) << format;
        EXPECT_GE(p.bitmap.Width(), 2000) << format;
        EXPECT_NEAR(GreenOf(p.bitmap.GetPixel(100, 100)), 200, 4) << format;
    }
}

TEST_F(PageFixture, TheWindowGoesOnWhileALargePictureIsDecoded) {
    // Beyond the picture limit: seconds of decoding in a debug build.
    QImage image(4001, 4000, QImage::Format_RGB32);
    image.fill(QColor(30, 60, 90));
    const QString path = QString::fromStdString((dir / "large.png").string());
    ASSERT_TRUE(image.save(path, "PNG"));
    int ticks = 0;
    bool busy = false;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++ticks;
        busy = busy || (QApplication::overrideCursor() &&
                        QApplication::overrideCursor()->shape() == Qt::WaitCursor);
    });
    timer.start(5);
    ASSERT_TRUE(page->LoadPhoto(path, false));
    timer.stop();
    EXPECT_GT(ticks, 0);
    EXPECT_TRUE(busy);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_LE(page->View().Picture().bitmap.Count(), kMaxPicturePixels);
    EXPECT_EQ(page->View().Path().string(), path.toStdString());
}
