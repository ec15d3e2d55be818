#include "gallery/ui/FindInGListDlg.h"
#include "gallery/ui/PageGall.h"
#include "gallery/ui/PictListBox.h"
#include "imaging/ui/PagePict.h"
#include "shell/ui/CommandIds.h"
#include "shell/ui/View.h"
#include "support/FrameTestSupport.h"
#include "support/ShotSupport.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace mienlore;

namespace {

struct GalleryFrame : test::FrameTest {
    CPageGall* page = nullptr;
    void SetUp() override {
        frame.show();
        // The shipped gallery, read as at start-up.
        ASSERT_GE(globals.gallery.LoadShippedGallery(), 400u);
        page = frame.View()->GalleryPage();
        ASSERT_NE(page, nullptr);
        page->GalleryLoaded();
        QApplication::processEvents();
    }
};

} // namespace

TEST_F(GalleryFrame, GalleryCommandsAreEnabled) {
    frame.IdleUpdate();
    for (int id : {cmd::kOpenGallery, cmd::kSaveToGallery, cmd::kGalleryList})
        EXPECT_TRUE(frame.Action(id)->isEnabled()) << id;
}

TEST_F(GalleryFrame, GalleryListShowsFaceTraitsAndAppliesTheChosenPortrait) {
    page->ShowFolder(GallFolder::My);
    ASSERT_TRUE(frame.OnCommand(cmd::kGalleryList));
    EXPECT_EQ(page->Folder(), GallFolder::Gallery);
    EXPECT_EQ(frame.View()->ActivePage(), cmd::kPagePict);
    CFindInGListDlg* dlg = page->ListDialog();
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(static_cast<std::size_t>(dlg->List()->count()),
              globals.gallery.GalleryFaces().size());

    const CGallFace& target = globals.gallery.GalleryFaces()[7];
    const int before = frame.View()->ChangeCounter();
    dlg->SearchField()->setText(QString::fromStdString(target.Name()).toUpper());
    dlg->FindButton()->click();
    EXPECT_EQ(frame.View()->ChangeCounter(), before + 1);
    // The portrait's face is now the current face, its title shown.
    EXPECT_EQ(frame.View()->Face().Encode(), target.Face().Encode());
    EXPECT_EQ(page->TitleLabel()->text(), " " + QString::fromStdString(target.Name()));
    EXPECT_EQ(page->ShownStrip()->Strip().First(), target.index);
    // The portrait is the photograph now.
    auto* photo = qobject_cast<CPagePict*>(frame.View()->Page(cmd::kPagePict));
    ASSERT_NE(photo, nullptr);
    EXPECT_TRUE(photo->View().HasPicture());
    EXPECT_EQ(photo->View().Picture().bitmap.Width(), 148);

    if (!test::ShotDir().isEmpty()) {
        QTRY_VERIFY_WITH_TIMEOUT(page->ShownStrip()->HasThumbnail(target.index), 5000);
        test::SaveShot(&frame, QStringLiteral("main-gallery-chosen.png"));
        test::SaveShot(dlg, QStringLiteral("gallery-list-shipped.png"));
    }
}

TEST_F(GalleryFrame, UndescribedPortraitsComeLastWithTheirMark) {
    const std::size_t count = globals.gallery.Displayed(GallFolder::Gallery).size();
    const std::size_t described = globals.gallery.DescribedCount(GallFolder::Gallery);
    // About one in ten of the shipped portraits waits for a description.
    EXPECT_GT(count - described, count / 20);
    EXPECT_LT(count - described, count / 5);
    CPictListBox* strip = page->ShownStrip();
    EXPECT_TRUE(strip->Entries()[described - 1].described);
    EXPECT_FALSE(strip->Entries()[described].described);
    if (!test::ShotDir().isEmpty()) {
        page->ScrollTo(static_cast<int>(described) - 3);
        const int first = strip->Strip().First();
        QTRY_VERIFY_WITH_TIMEOUT(strip->HasThumbnail(first) && strip->HasThumbnail(first + 8),
                                 5000);
        test::SaveShot(page, QStringLiteral("gallery-strip-undescribed.png"));
    }
}
