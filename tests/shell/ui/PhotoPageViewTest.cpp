// The photo page inside the main window: the keys reach it, "Background Face"
// draws the face over the photograph, and the frame's picture commands.
#include "imaging/ui/FaceWnd.h"
#include "imaging/ui/PagePict.h"
#include "model/ui/PageFace.h"
#include "shell/ui/CommandIds.h"
#include "shell/ui/ReportCommands.h"
#include "shell/ui/View.h"
#include "support/FrameTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <gtest/gtest.h>

using namespace mienlore;

namespace {

struct PhotoInFrame : test::FrameTest {
    CView& view = *frame.View();
    CPagePict& page = *view.PhotoPage();
    void SetUp() override {
        frame.show();
        frame.activateWindow();
        QApplication::processEvents();
    }
};

} // namespace

TEST_F(PhotoInFrame, SampleIsLoadedAndSpaceLaysItUnderTheFace) {
    ASSERT_TRUE(page.View().HasPicture());
    EXPECT_TRUE(page.View().Path().string().ends_with("SAMPLES/face.gif"));
    const QImage before = view.FacePage()->FaceWindow()->Cache();
    test::KeyClick(Qt::Key_Space);
    EXPECT_TRUE(page.BackgroundFace());
    const QImage over = view.FacePage()->FaceWindow()->Cache();
    EXPECT_NE(over, before);
    // The photograph changes the face: panning moves the sketch under it.
    test::KeyClick(Qt::Key_L);
    EXPECT_EQ(page.View().PanX(), 1);
    EXPECT_NE(view.FacePage()->FaceWindow()->Cache(), over);
    test::KeyClick(Qt::Key_Space);
    EXPECT_FALSE(page.BackgroundFace());
    EXPECT_EQ(view.FacePage()->FaceWindow()->Cache(), before);
}

TEST_F(PhotoInFrame, PasteBitmapTakesTheClipboardAndShowsThePhotoPage) {
    QApplication::clipboard()->setText(QStringLiteral("text only"));
    frame.IdleUpdate();
    EXPECT_FALSE(frame.Action(cmd::kPasteBitmap)->isEnabled());
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QApplication::clipboard()->setImage(image);
    frame.IdleUpdate();
    EXPECT_TRUE(frame.Action(cmd::kPasteBitmap)->isEnabled());
    EXPECT_TRUE(frame.Action(cmd::kOpenPicture)->isEnabled());
    ASSERT_TRUE(frame.OnCommand(cmd::kPasteBitmap));
    EXPECT_EQ(view.ActivePage(), cmd::kPagePict);
    EXPECT_EQ(page.View().Picture().bitmap.Width(), 64);
}

TEST_F(PhotoInFrame, SavedPhotoViewHasTheWindowSize) {
    test::TempDir out;
    std::string error;
    ASSERT_TRUE(page.SavePhotoView(QString::fromStdString((out / "view.bmp").string()), &error))
        << error;
    const QImage saved(QString::fromStdString((out / "view.bmp").string()));
    EXPECT_EQ(saved.size(), page.PictureWindow()->size());
}

TEST_F(PhotoInFrame, WebReportTakesThePhotoViewWhileThePageIsShown) {
    auto* reports = frame.findChild<CReportCommands*>();
    ASSERT_NE(reports, nullptr);
    reports->SetMessageReporter([](const QString&) {});
    test::TempDir out;
    const auto picture = [&out] {
        return QImage(QString::fromStdString((out / "face0.jpg").string())).size();
    };
    ASSERT_TRUE(reports->WriteWebReportTo(out.Path()).ok);
    EXPECT_EQ(picture(), view.FacePage()->FaceWindow()->size());
    view.SelectPage(cmd::kPagePict);
    ASSERT_TRUE(reports->WriteWebReportTo(out.Path()).ok);
    EXPECT_EQ(picture(), page.PictureWindow()->size());
    view.SelectPage(cmd::kPageHist);
    ASSERT_TRUE(reports->WriteWebReportTo(out.Path()).ok);
    EXPECT_EQ(picture(), view.FacePage()->FaceWindow()->size());
}
