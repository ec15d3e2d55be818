#include "analysis/FateFrame.h"
#include "gallery/ui/FindFaceDlg.h"
#include "gallery/ui/FindInGallDlg.h"
#include "gallery/ui/FindSohDlg.h"
#include "gallery/ui/PageCoef.h"
#include "imaging/PhotoView.h"
#include "imaging/ui/PagePict.h"
#include "model/FaceFrame.h"
#include "model/ui/PageFace.h"
#include "shell/ui/View.h"
#include "support/FrameTestSupport.h"
#include "support/ShotSupport.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QTreeWidget>

using namespace mienlore;

namespace {

// Runs action on the modal dialog of type T once it is open, then closes it.
template <typename T> void WhenOpen(std::function<void(T&)> action) {
    QTimer::singleShot(50, [action] {
        auto* dlg = qobject_cast<T*>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        action(*dlg);
        dlg->reject();
    });
}

struct SearchFrame : test::FrameTest {};

} // namespace

TEST_F(SearchFrame, FindFaceComposesTheCurrentFaceAndShowsTheFactorMeanwhile) {
    frame.show();
    QApplication::processEvents();
    CView* view = frame.View();
    const std::string before = globals.face.Encode();
    const int changes = view->ChangeCounter();
    bool factorShown = false;
    bool searching = false;
    int factor = 0;
    WhenOpen<CFindFaceDlg>([&](CFindFaceDlg& dlg) {
        searching = view->SearchBar()->IsSearching();
        dlg.ChooseType(5); // the fifth type, ENTJ
        EXPECT_TRUE(dlg.Start());
        factorShown = view->SearchBar()->FactorShown();
        factor = view->SearchBar()->Factor();
        test::SaveShot(&frame, QStringLiteral("main-after-find-face.png"));
    });
    EXPECT_TRUE(frame.OnCommand(2024));
    EXPECT_TRUE(searching);
    EXPECT_TRUE(factorShown);
    EXPECT_FALSE(view->SearchBar()->FactorShown());
    EXPECT_FALSE(view->SearchBar()->IsSearching());
    EXPECT_NE(globals.face.Encode(), before);
    // The factor shown was the match of the face the search left.
    globals.fate.Recompute(true);
    EXPECT_EQ(factor, MatchScore(globals.fate, PrepareTargets(PresetTargets(4))));
    EXPECT_EQ(view->ChangeCounter(), changes + 1); // one change, kept for undo
    for (int s = 0; s < kMainSlotCount; ++s)
        EXPECT_FALSE(globals.face.Item(s).IsEmpty()) << s;
    EXPECT_TRUE(globals.params.placements[kPlacementFindFace].valid);
    CFindFaceDlg::StoredTargets().Reset();
}

TEST_F(SearchFrame, FindOnMapOpensTheMapDialog) {
    frame.show();
    QApplication::processEvents();
    bool opened = false;
    WhenOpen<CFindSohDlg>([&](CFindSohDlg& dlg) {
        opened = true;
        EXPECT_EQ(dlg.windowTitle(), "Persons with similar character");
    });
    EXPECT_TRUE(frame.OnCommand(2031));
    EXPECT_TRUE(opened);
    EXPECT_TRUE(globals.params.placements[kPlacementFindSoh].valid);
}

TEST_F(SearchFrame, FindInGalleryListsTheBestFacesAndShowsAChosenPortrait) {
    globals.gallery.LoadShippedGallery();
    const std::vector<CGallFace>& files = globals.gallery.GalleryFaceFiles();
    ASSERT_FALSE(files.empty()) << "the shipped gallery";
    frame.show();
    QApplication::processEvents();
    CView* view = frame.View();
    // The current face becomes a gallery face with a portrait.
    std::size_t chosen = 0;
    while (chosen < files.size() &&
           (files[chosen].Line().empty() || !std::filesystem::exists(files[chosen].PicturePath())))
        ++chosen;
    ASSERT_LT(chosen, files.size());
    ASSERT_TRUE(view->ApplyFaceText(QString::fromStdString(files[chosen].Line())));
    const std::string before = globals.face.Encode();

    EXPECT_TRUE(frame.OnCommand(2023));
    auto* dlg = frame.findChild<CFindInGallDlg*>();
    ASSERT_NE(dlg, nullptr);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(view->ActivePage(), 2362);
    QTreeWidget* list = dlg->List();
    ASSERT_GE(list->topLevelItemCount(), 1);
    ASSERT_LE(list->topLevelItemCount(), 5);
    EXPECT_EQ(list->topLevelItem(0)->text(2), "55.0");
    test::SaveShot(dlg, QStringLiteral("find-in-gallery-shipped.png"));

    // Choosing a row shows that portrait; the face stays.
    list->setCurrentItem(list->topLevelItem(0));
    const int index = list->topLevelItem(0)->data(0, Qt::UserRole).toInt();
    EXPECT_EQ(
        view->PhotoPage()->View().Path(),
        CFindInGallDlg::PortraitToShow(files[index].PicturePath(), globals.face.ProgramFolder()));
    EXPECT_EQ(globals.face.Encode(), before);
    test::SaveShot(&frame, QStringLiteral("main-found-in-gallery.png"));
    dlg->close();
    EXPECT_TRUE(dlg->isHidden());
    EXPECT_TRUE(globals.params.placements[kPlacementFindGall].valid);
}
