#include "gallery/ui/PageGall.h"
#include "files/StoredFace.h"
#include "files/ui/InputNameDlg.h"
#include "gallery/GallCollection.h"
#include "gallery/ui/FindInGListDlg.h"
#include "gallery/ui/PictListBox.h"
#include "imaging/Devib.h"
#include "shell/ui/StaticLink.h"
#include "support/FaceTestSupport.h"
#include "support/ShotSupport.h"

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace mienlore;
using namespace mienlore::test;

namespace {

std::string Line(int nose, const std::string& name) {
    return FaceLine(FaceSlot::Nose, nose, name);
}

void WritePortrait(const std::filesystem::path& path, QColor colour) {
    QImage image(120, 150, QImage::Format_RGB32);
    image.fill(colour);
    QPainter p(&image);
    p.setBrush(Qt::white);
    p.drawEllipse(20, 20, 80, 110);
    p.end();
    ASSERT_TRUE(image.save(QString::fromStdString(path.string()), "JPG"));
}

struct GalleryPanel : ::testing::Test {
    TempDir dir; // the program folder: Gallery/ and MyGallery/ below it
    CGallery gallery{dir.Path()};
    CFaceFrame face{mienlore::test::ProgramFolder()};
    int changes = 0;
    int prepared = 0;
    bool slot = true;
    QStringList shownPictures;
    QStringList reports;
    QStringList questions;
    bool answer = true;
    std::vector<QString> names; // what the name dialog answers, in turn
    std::unique_ptr<CPageGall> page;

    void SetUp() override {
        std::filesystem::create_directory(dir / "Gallery");
        WritePortrait(dir / "Gallery/posters-Old-Town.jpg", Qt::darkBlue);
        WritePortrait(dir / "Gallery/drawme-Ann-Lee.jpg", Qt::darkGreen);
        WritePortrait(dir / "Gallery/Plain.jpg", Qt::darkRed);
        WriteFileBytes(dir / "Gallery/drawme-Ann-Lee.phy", Line(4, "Ann Lee") + "\r\n");
        WriteFileBytes(dir / "Gallery/drawme-Ann-Lee.fac", ToFacLine(Line(4, "Ann Lee")) + "\r\n");
        WriteFileBytes(dir / "Gallery/posters-Old-Town.phy", Line(6, "Old Town") + "\r\n");
        WriteFileBytes(dir / "Gallery/posters-Old-Town.fac",
                       ToFacLine(Line(6, "Old Town")) + "\r\n");
        gallery.LoadFolder(GallFolder::Gallery, dir / "Gallery");
        MakePage();
    }

    void MakePage() {
        GallHost host;
        host.hasCurrentSlot = [this] { return slot; };
        host.prepare = [this] { ++prepared; };
        host.faceChanged = [this] { ++changes; };
        host.showPicture = [this](const QString& path) { shownPictures << path; };
        host.facePicture = [](CDevib& picture) {
            picture.Create(30, 40);
            picture.Fill(0xFF405060u);
            return true;
        };
        page = std::make_unique<CPageGall>(gallery, face, host, nullptr);
        page->SetNameAsker([this](QString& name, bool& saveImage, bool) {
            if (names.empty())
                return false;
            name = names.front();
            names.erase(names.begin());
            saveImage = false;
            return true;
        });
        page->SetQuestion([this](const QString&, const QString& text) {
            questions << text;
            return answer;
        });
        page->SetReporter([this](const QString& text) { reports << text; });
        page->resize(760, 100);
        page->show();
        QApplication::processEvents();
    }

    int PositionOf(const char* file) const {
        const auto& items = gallery.Displayed(GallFolder::Gallery);
        for (const CGallItem& item : items)
            if (item.PicturePath().filename() == file)
                return item.index;
        return -1;
    }
};

} // namespace

TEST_F(GalleryPanel, SelectingAppliesTheFaceOnceWithTitleAndLink) {
    const int poster = PositionOf("posters-Old-Town.jpg");
    ASSERT_GE(poster, 0);
    page->ShowPosition(poster);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(face.Slot(FaceSlot::Nose).GetShape(), 6);
    EXPECT_EQ(page->TitleLabel()->text(), " Old Town");
    EXPECT_EQ(page->Title(), "Old Town");
    EXPECT_EQ(page->Link()->text(), QString::fromUtf8(GalleryLink(1).text));
    EXPECT_EQ(page->Link()->Address(), QString::fromUtf8(GalleryLink(1).address));
    ASSERT_EQ(shownPictures.size(), 1);
    EXPECT_TRUE(shownPictures[0].endsWith("posters-Old-Town.jpg"));

    // The same portrait again, by click: nothing happens.
    page->ClickCell(0);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(prepared, 0);
}

TEST_F(GalleryPanel, UndescribedPortraitClearsTheFaceAndPreparesWithoutSlot) {
    slot = false;
    face.Slot(FaceSlot::Nose).SetShape(5);
    const int plain = PositionOf("Plain.jpg");
    EXPECT_EQ(plain, 2); // described portraits come first
    page->ShowPosition(plain);
    EXPECT_EQ(prepared, 1);
    EXPECT_EQ(changes, 1);
    CFaceFrame cleared(mienlore::test::ProgramFolder());
    cleared.Clear();
    EXPECT_EQ(face.Encode(), cleared.Encode());
    EXPECT_EQ(page->TitleLabel()->text(), " Plain");
    EXPECT_EQ(page->Link()->text(), QString::fromUtf8(GalleryLink(3).text));
    EXPECT_FALSE(page->ShownStrip()->Entries()[2].described);
    EXPECT_TRUE(page->ShownStrip()->Entries()[0].described);
}

TEST_F(GalleryPanel, PrevNextAndScrollBarStayWithinTheList) {
    QScrollBar* bar = page->ScrollBar();
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 2);
    page->Prev();
    EXPECT_EQ(changes, 1); // the first portrait
    for (int i = 0; i < 4; ++i)
        page->Next();
    EXPECT_EQ(bar->value(), 2);
    EXPECT_EQ(changes, 3);
    // The scroll bar moves the strip without selecting.
    bar->setValue(0);
    EXPECT_EQ(page->ShownStrip()->Strip().First(), 0);
    EXPECT_EQ(changes, 3);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(page->ShownStrip()->Strip().First(), 2);

    // My Gallery is empty: its range is 0..0 and nothing is selected.
    page->Radio(GallFolder::My)->click();
    EXPECT_EQ(page->Folder(), GallFolder::My);
    EXPECT_EQ(bar->maximum(), 0);
    page->Next();
    EXPECT_EQ(changes, 3);
    EXPECT_FALSE(page->Button(CPageGall::kDelId)->isHidden());
}

TEST_F(GalleryPanel, AddToMyGalleryRefusesBadNamesAndAsksBeforeOverwriting) {
    page->ShowFolder(GallFolder::My);
    const auto my = MyGalleryFolder(dir.Path());
    // A name that would leave the folder is refused with a reason and asked
    // again; the second answer is taken.
    names = {"../Escape", "Ann"};
    face.Slot(FaceSlot::Nose).SetShape(3);
    page->Add();
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains("/"));
    EXPECT_FALSE(std::filesystem::exists(dir / "Escape.phy"));
    EXPECT_TRUE(std::filesystem::exists(my / "Ann.jpg"));
    EXPECT_EQ(mienlore::test::ReadFileBytes(my / "Ann.phy"), Line(3, "Ann") + "\r\n");
    EXPECT_EQ(page->Strip(GallFolder::My)->Entries().size(), 1u);
    EXPECT_TRUE(questions.empty());

    // The same name again: only after a yes.
    face.Slot(FaceSlot::Nose).SetShape(8);
    answer = false;
    names = {"Ann"};
    page->Add();
    ASSERT_EQ(questions.size(), 1);
    EXPECT_EQ(mienlore::test::ReadFileBytes(my / "Ann.phy"), Line(3, "Ann") + "\r\n");
    answer = true;
    names = {"Ann"};
    page->Add();
    EXPECT_EQ(mienlore::test::ReadFileBytes(my / "Ann.phy"), Line(8, "Ann") + "\r\n");
    EXPECT_EQ(page->Strip(GallFolder::My)->Entries().size(), 1u);

    // Cancel changes nothing.
    page->Add();
    EXPECT_EQ(page->Strip(GallFolder::My)->Entries().size(), 1u);
}

TEST_F(GalleryPanel, RemoveAsksAndDeletesTheThreeFiles) {
    page->ShowFolder(GallFolder::My);
    const auto my = MyGalleryFolder(dir.Path());
    names = {"Bo"};
    page->Add();
    names = {"Cy"};
    page->Add();
    ASSERT_EQ(page->Strip(GallFolder::My)->Entries().size(), 2u);
    // The portrait added last is in view.
    const auto& mine = gallery.Displayed(GallFolder::My);
    const int cy = mine[0].PicturePath().filename() == "Cy.jpg" ? 0 : 1;
    EXPECT_EQ(page->Strip(GallFolder::My)->Strip().First(), cy);
    page->ScrollTo(0);

    page->Delete(); // nothing selected yet
    EXPECT_TRUE(questions.empty());
    page->ShowPosition(0);
    const QString chosen = page->Title();
    answer = false;
    page->Delete();
    ASSERT_EQ(questions.size(), 1);
    EXPECT_EQ(questions[0], "Do you want to remove item?");
    EXPECT_EQ(page->Strip(GallFolder::My)->Entries().size(), 2u);
    answer = true;
    page->Delete();
    EXPECT_EQ(page->Strip(GallFolder::My)->Entries().size(), 1u);
    for (const char* ext : {".jpg", ".phy", ".fac"})
        EXPECT_FALSE(std::filesystem::exists(my / (chosen.toStdString() + ext))) << ext;
    EXPECT_TRUE(reports.empty());
}

// A name that looks like markup is shown as typed, at the title's size.
TEST_F(GalleryPanel, ANameIsShownAsTypedNotAsMarkup) {
    page->ShowFolder(GallFolder::My);
    const QString name = QStringLiteral("<font size=7 color=red>Big");
    names = {name};
    page->Add();
    ASSERT_TRUE(reports.empty()) << reports.join(' ').toStdString();
    page->ShowPosition(0);
    ASSERT_EQ(page->Title(), name);
    EXPECT_TRUE(page->TitleLabel()->text().contains(name));
    QLabel plain(QStringLiteral("Big"));
    plain.setFont(page->TitleLabel()->font());
    EXPECT_LE(page->TitleLabel()->sizeHint().height(), plain.sizeHint().height() + 2);
}

TEST_F(GalleryPanel, DescribeWritesTheSelectedPortraitsDescription) {
    const int plain = PositionOf("Plain.jpg");
    page->ShowPosition(plain);
    face.Slot(FaceSlot::Nose).SetShape(2);
    page->Add(); // with "Gallery" chosen: Describe
    // The undescribed portrait cleared the face; the nose was chosen after.
    CFaceFrame expected(mienlore::test::ProgramFolder());
    expected.Clear();
    expected.Slot(FaceSlot::Nose).SetShape(2);
    EXPECT_EQ(mienlore::test::ReadFileBytes(dir / "Gallery/Plain.phy"),
              expected.Encode("Plain") + "\r\n");
    EXPECT_TRUE(page->ShownStrip()->Entries()[static_cast<std::size_t>(plain)].described);
    EXPECT_FALSE(std::filesystem::exists(dir / "Gallery/Plain.fac"));
    EXPECT_TRUE(questions.empty()); // nothing was there to replace

    // Described now: Add asks, and No keeps the description byte for byte.
    const std::string first = mienlore::test::ReadFileBytes(dir / "Gallery/Plain.phy");
    face.Slot(FaceSlot::Nose).SetShape(3);
    answer = false;
    page->Add();
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].contains("Plain"));
    EXPECT_EQ(mienlore::test::ReadFileBytes(dir / "Gallery/Plain.phy"), first);
    answer = true;
    page->Add();
    EXPECT_EQ(questions.size(), 2);
    EXPECT_NE(mienlore::test::ReadFileBytes(dir / "Gallery/Plain.phy"), first);
}

TEST_F(GalleryPanel, GalleryListFindsByNameIgnoringCase) {
    page->ShowFolder(GallFolder::My);
    page->ShowGalleryList();
    EXPECT_EQ(page->Folder(), GallFolder::Gallery);
    CFindInGListDlg* dlg = page->ListDialog();
    ASSERT_NE(dlg, nullptr);
    EXPECT_TRUE(dlg->isVisible());
    ASSERT_EQ(dlg->List()->count(), 2);

    dlg->SearchField()->setText("");
    EXPECT_FALSE(dlg->Find());
    EXPECT_EQ(changes, 0);
    dlg->SearchField()->setText("TOWN");
    QTest::mouseClick(dlg->FindButton(), Qt::LeftButton);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(page->Title(), "Old Town");
    EXPECT_EQ(page->ShownStrip()->Strip().First(), PositionOf("posters-Old-Town.jpg"));
    EXPECT_EQ(page->ShownStrip()->Strip().SelectedCell(), 0);
    EXPECT_EQ(dlg->List()->currentItem()->text(), "Old Town");
    // Enter in the search field finds too.
    dlg->SearchField()->setText("lee");
    dlg->SearchField()->setFocus();
    QTest::keyClick(dlg->SearchField(), Qt::Key_Return);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(page->Title(), "Ann Lee");
    dlg->SearchField()->setText("nobody");
    EXPECT_FALSE(dlg->Find());
    test::SaveShot(dlg, QStringLiteral("gallery-list.png"));
    dlg->close();
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(page->ListDialog(), dlg); // hidden, kept
}

TEST_F(GalleryPanel, ThumbnailsArriveInTheBackgroundAndTheCacheStaysSmall) {
    CPictListBox* strip = page->ShownStrip();
    QTRY_VERIFY_WITH_TIMEOUT(strip->HasThumbnail(0) && strip->HasThumbnail(2), 5000);
    test::SaveShot(page.get(), QStringLiteral("gallery-panel.png"));

    // A long list: only what is in view and near it is kept.
    std::vector<CPictListBox::Entry> many;
    for (int i = 0; i < 400; ++i)
        many.push_back({QString::fromStdString((dir / "Gallery/Plain.jpg").string()), i % 2 == 0});
    strip->SetEntries(many);
    for (int first = 0; first < 400; first += 37) {
        strip->Strip().ScrollTo(first);
        strip->StripChanged();
        QApplication::processEvents();
    }
    QTRY_VERIFY_WITH_TIMEOUT(strip->PendingCount() == 0, 10000);
    EXPECT_GT(strip->CachedCount(), 0u);
    EXPECT_LE(strip->CachedCount(), strip->CacheLimit());
    EXPECT_LT(strip->CachedCount(), 100u);
}

TEST(StaticLink, OpensItsAddressAndKeepsTextWhenUnchanged) {
    CStaticLink link;
    QStringList opened;
    link.SetOpener([&opened](const QUrl& url) {
        opened << url.toString();
        return true;
    });
    link.SetLink("Text", "https://example.org/a");
    link.SetLink("Text", "https://example.org/b"); // same text: kept as it was
    EXPECT_EQ(link.Address(), "https://example.org/a");
    link.resize(100, 20);
    QTest::mouseClick(&link, Qt::LeftButton);
    EXPECT_EQ(opened, QStringList{"https://example.org/a"});
    link.SetOpener([](const QUrl&) { return false; });
    EXPECT_FALSE(link.Open());
}

TEST_F(GalleryPanel, AddAsksForTheNameStartingFromTheTitle) {
    page->ShowPosition(PositionOf("posters-Old-Town.jpg"));
    page->ShowFolder(GallFolder::My);
    page->SetNameAsker({}); // the real name dialog
    bool seen = false;
    QTimer::singleShot(50, [&seen] {
        auto* dlg = qobject_cast<CInputNameDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        seen = true;
        EXPECT_EQ(dlg->Name(), "Old Town");
        EXPECT_TRUE(dlg->SaveImageBox()->isVisible());
        EXPECT_FALSE(dlg->SaveImageBox()->isChecked());
        test::SaveShot(dlg, QStringLiteral("add-to-my-gallery.png"));
        dlg->reject();
    });
    page->Add();
    EXPECT_TRUE(seen);
    EXPECT_FALSE(std::filesystem::exists(MyGalleryFolder(dir.Path()) / "Old Town.phy"));
    EXPECT_TRUE(page->Strip(GallFolder::My)->Entries().empty());
}

TEST_F(GalleryPanel, SaveImageTakesThePhotographInsteadOfTheFace) {
    GallHost host;
    host.facePicture = [](CDevib& picture) { return picture.Create(30, 40); };
    host.hasPhoto = [] { return true; };
    host.photoPicture = [](CDevib& picture) { return picture.Create(64, 48); };
    CPageGall withPhoto(gallery, face, host, nullptr);
    bool offered = false;
    withPhoto.SetNameAsker([&offered](QString& name, bool& saveImage, bool photoAvailable) {
        offered = photoAvailable;
        name = "Photo";
        saveImage = true;
        return true;
    });
    withPhoto.ShowFolder(GallFolder::My);
    withPhoto.Add();
    EXPECT_TRUE(offered);
    const QImage saved(
        QString::fromStdString((MyGalleryFolder(dir.Path()) / "Photo.jpg").string()));
    EXPECT_EQ(saved.size(), QSize(64, 48));
}
