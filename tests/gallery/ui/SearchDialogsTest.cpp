#include "gallery/ui/FindFaceDlg.h"
#include "gallery/ui/FindInGallDlg.h"
#include "gallery/ui/FindSohDlg.h"
#include "gallery/ui/PageCoef.h"
#include "gallery/ui/PictToolTip.h"
#include "gallery/ui/SonDiagram.h"

#include "gallery/SimilarSearchFaces.h"
#include "model/FaceFrame.h"
#include "shell/WindowPlacement.h"
#include "shell/ui/DialogUnits.h"
#include "support/ShotSupport.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSlider>
#include <QStyle>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace mienlore;

namespace {

std::filesystem::path TypesFile() {
    return test::ProgramFolder() / "PType" / "typepages.ini";
}

// A portrait stand-in: a coloured card with the face's number.
void WritePortrait(const std::filesystem::path& path, int n) {
    QImage card(60, 72, QImage::Format_RGB32);
    card.fill(QColor::fromHsv((n * 37) % 360, 120, 230));
    QPainter p(&card);
    p.setPen(Qt::black);
    p.drawEllipse(QRect(12, 10, 36, 46));
    p.drawText(card.rect(), Qt::AlignBottom | Qt::AlignHCenter, QString::number(n));
    p.end();
    card.save(QString::fromStdString(path.string()), "JPG");
}

// The shipped gallery when there is one, else faces drawn with a seed, with
// portraits written to pictures.
SearchGallery SampleGallery(const std::filesystem::path& pictures, int count = 300) {
    SearchGallery gallery;
    CGallery shipped(test::ProgramFolder());
    shipped.LoadShippedGallery();
    gallery = FaceFilesOf(shipped);
    if (!gallery.faces.empty())
        return gallery;
    CFaceFrame face(test::ProgramFolder());
    CCrtRandom random(5);
    for (int n = 0; n < count; ++n) {
        for (int i = 0; i < kMainSlotCount; ++i) {
            face.Item(i).Randomize(random);
            if (face.Item(i).IsEmpty())
                face.Item(i).SetShape(0);
        }
        const std::string name = "Face " + std::to_string(n);
        gallery.faces.push_back({face.Encode(name), name});
        gallery.pictures.push_back(pictures / ("face" + std::to_string(n) + ".jpg"));
        if (n % 3 == 1)
            WritePortrait(gallery.pictures.back(), n);
    }
    return gallery;
}

} // namespace

TEST(FindFaceDlg, ControlsPresetsAndDefault) {
    CFindFaceDlg dlg(nullptr, TypesFile(), nullptr);
    EXPECT_EQ(dlg.windowTitle(), "Find Face");
    // The hidden trait keeps its slider and label; the others show theirs.
    EXPECT_TRUE(dlg.Slider(2510)->isHidden());
    EXPECT_FALSE(dlg.Slider(2530)->isHidden());
    EXPECT_EQ(dlg.Slider(2530)->maximum(), 100);
    EXPECT_EQ(dlg.Slider(2530)->tickInterval(), 10);
    EXPECT_EQ(dlg.findChild<QLabel*>("lbl2532")->text(), "Introvert");
    EXPECT_EQ(dlg.findChild<QLabel*>("lbl2534")->text(), "Extrovert");
    EXPECT_EQ(dlg.findChild<QLabel*>("lbl2594"), nullptr); // one-sided

    QComboBox* combo = dlg.TypeCombo();
    ASSERT_EQ(combo->count(), 17);
    EXPECT_EQ(combo->itemText(0), "-");
    EXPECT_TRUE(combo->itemText(1).startsWith("ENFJ : ")) << combo->itemText(1).toStdString();
    EXPECT_EQ(combo->itemData(14).toInt(), 14);

    dlg.ChooseType(14); // ISTP
    EXPECT_TRUE(dlg.Check(2550)->isChecked());
    EXPECT_EQ(dlg.Slider(2550)->value(), 100);
    EXPECT_EQ(dlg.Slider(2670)->value(), 0);
    EXPECT_FALSE(dlg.Check(2530)->isChecked());
    dlg.ChooseType(0); // "-"
    for (int i = 0; i < kTargetTraitCount; ++i) {
        EXPECT_EQ(dlg.Slider(TargetTraitId(i))->value(), 100);
        EXPECT_FALSE(dlg.Check(TargetTraitId(i))->isChecked());
    }
    dlg.ChooseType(1);
    dlg.Button(CFindFaceDlg::kDefaultId)->click();
    EXPECT_FALSE(dlg.Check(2530)->isChecked());
    EXPECT_EQ(dlg.Slider(2530)->value(), 100);
    // The preset is not kept without "Start".
    EXPECT_FALSE(CFindFaceDlg::StoredTargets().ticked[TargetTraitIndex(2530)]);
    dlg.ChooseType(5);
    dlg.show();
    test::SaveShot(&dlg, QStringLiteral("find-face.png"));
}

TEST(FindFaceDlg, StartRunsOnlyForStrongTargetsAndKeepsThem) {
    WindowPlacement placement;
    int runs = 0;
    bool buttonsOffDuringRun = false;
    {
        CFindFaceDlg dlg(nullptr, TypesFile(), &placement);
        dlg.SetSearch([&](const PreparedTargets& targets, const TraitSearchProgress& progress) {
            ++runs;
            progress.slotStarted(2130);
            buttonsOffDuringRun = !dlg.Button(9)->isEnabled() && !dlg.Button(1110)->isEnabled() &&
                                  !dlg.Button(2)->isEnabled() && dlg.Progress()->value() == 2130 &&
                                  targets.CanStart();
            return TraitSearchResult();
        });
        dlg.Check(2530)->setChecked(true);
        dlg.Slider(2530)->setValue(45);
        EXPECT_FALSE(dlg.Start());
        EXPECT_EQ(runs, 0);
        dlg.Check(2550)->setChecked(true);
        dlg.Slider(2550)->setValue(90);
        EXPECT_TRUE(dlg.Start());
        EXPECT_EQ(runs, 1);
        EXPECT_TRUE(buttonsOffDuringRun);
        EXPECT_EQ(dlg.Progress()->value(), 2100);
        EXPECT_TRUE(dlg.Button(1110)->isEnabled());
        dlg.show();
        dlg.reject();
    }
    EXPECT_TRUE(placement.valid);
    // Reopened: the values of the last "Start".
    CFindFaceDlg again(nullptr, TypesFile(), nullptr);
    EXPECT_TRUE(again.Check(2550)->isChecked());
    EXPECT_EQ(again.Slider(2550)->value(), 90);
    EXPECT_EQ(again.Slider(2530)->value(), 45);
    CFindFaceDlg::StoredTargets().Reset();
}

TEST(FindInGallDlg, ColumnsRowsAndChoosing) {
    CFindInGallDlg dlg(nullptr);
    dlg.show();
    QTreeWidget* list = dlg.List();
    EXPECT_EQ(list->headerItem()->text(0), "Face");
    EXPECT_EQ(list->headerItem()->text(2), QStringLiteral("   ") + QChar(0xA0));
    SimilarRow a;
    a.index = 17;
    a.name = "Anna";
    a.like = "Eyes, Nose";
    a.likeness = 55;
    SimilarRow b = a;
    b.index = 3;
    b.name = "Bob";
    b.likeness = 41.25;
    dlg.SetRows({a, b});
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(0)->text(2), "55.0");
    EXPECT_EQ(list->topLevelItem(1)->text(2), "41.2");
    const int scroll = dlg.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    const int u = (list->width() - scroll - 3) / 8;
    EXPECT_EQ(list->columnWidth(0), 3 * u);
    EXPECT_EQ(list->columnWidth(1), 4 * u);
    EXPECT_EQ(list->columnWidth(2), u);
    QSignalSpy chosen(&dlg, &CFindInGallDlg::faceChosen);
    list->setCurrentItem(list->topLevelItem(1));
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 3);
    test::SaveShot(&dlg, QStringLiteral("find-in-gallery.png"));
    // Closing only hides.
    QSignalSpy closed(&dlg, &CFindInGallDlg::closed);
    dlg.close();
    EXPECT_TRUE(dlg.isHidden());
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(list->topLevelItemCount(), 2);
}

TEST(FindInGallDlg, AMissingPortraitShowsNoPicture) {
    test::TempDir dir;
    WritePortrait(dir / "anna.jpg", 1);
    test::WriteFileBytes(dir / "broken.jpg", "not a picture");
    EXPECT_EQ(CFindInGallDlg::PortraitToShow(dir / "anna.jpg", "/prog"), dir / "anna.jpg");
    EXPECT_EQ(CFindInGallDlg::PortraitToShow(dir / "broken.jpg", "/prog"),
              std::filesystem::path("/prog/no-picture.jpg"));
    EXPECT_EQ(CFindInGallDlg::PortraitToShow(dir / "none.jpg", "/prog"),
              std::filesystem::path("/prog/no-picture.jpg"));
}

TEST(PageCoef, ButtonsAndFactor) {
    QWidget host;
    const DialogUnits units(host.font());
    CPageCoef bar(units, &host);
    bar.setGeometry(units.Rect(7, 252, 281, 56));
    host.resize(bar.geometry().bottomRight().x() + 10, bar.geometry().bottom() + 10);
    host.show();
    EXPECT_EQ(bar.Button(2024)->text(), "Find Face");
    EXPECT_EQ(bar.Button(2023)->text(), "Find in Gallery");
    EXPECT_EQ(bar.Button(2026)->text(), "Find on Map");
    EXPECT_FALSE(bar.FactorShown());
    bar.SetFactor(73);
    EXPECT_TRUE(bar.FactorShown());
    test::SaveShot(&bar, QStringLiteral("search-bar.png"));
    bar.SetFactor(0);
    EXPECT_FALSE(bar.FactorShown());
    QSignalSpy commands(&bar, &CPageCoef::commandRequested);
    for (int id : {2024, 2023, 2026})
        bar.Button(id)->click();
    ASSERT_EQ(commands.count(), 3);
    EXPECT_EQ(commands.at(1).at(0).toInt(), 2023);
}

TEST(FindSohDlg, StartTicksThreeTraitsAndMarksTheFace) {
    test::TempDir pictures;
    const SearchGallery gallery = SampleGallery(pictures.Path());
    IndicatorValues current{};
    current.fill(50);
    WindowPlacement placement;
    CFindSohDlg dlg(
        nullptr, gallery, [&] { return current; }, &placement);
    dlg.SetPacing(false);
    dlg.resize(820, 480);
    dlg.show();
    dlg.Start();
    EXPECT_TRUE(dlg.Check(2530)->isChecked());
    EXPECT_TRUE(dlg.Check(2550)->isChecked());
    EXPECT_TRUE(dlg.Check(2560)->isChecked());
    EXPECT_FALSE(dlg.Check(2570)->isChecked());
    EXPECT_EQ(dlg.Map().Dims(), (std::vector<int>{2530, 2540, 2560, 2550}));
    EXPECT_GE(dlg.Diagram()->MarkedNode(), 0);
    EXPECT_TRUE(dlg.Diagram()->ThumbnailsShown());
    EXPECT_FALSE(dlg.Diagram()->IsComputing());
    EXPECT_TRUE(CFindSohDlg::Statistics().computed);
    test::SaveShot(&dlg, QStringLiteral("find-on-map-4dims.png"));

    // Hovering: outside the map, and on a node with a face.
    EXPECT_EQ(dlg.Diagram()->HoverTextAt(QPoint(1, 1)), "diagramm");
    int withFace = -1;
    for (int i = 0; i < CSon::kNodeCount && withFace < 0; ++i)
        if (dlg.Map().Node(i).face >= 0)
            withFace = i;
    ASSERT_GE(withFace, 0);
    const CNode& node = dlg.Map().Node(withFace);
    const QString text = dlg.Diagram()->HoverTextAt(QPoint(node.centreX, node.centreY));
    EXPECT_TRUE(text.endsWith(QString::fromStdString("\n" + gallery.faces[node.face].name)))
        << text.toStdString();
    EXPECT_EQ(dlg.Diagram()->HoverFace(), node.face);

    // Three other traits: colours straight from the weights.
    for (int id : {2530, 2550, 2560})
        dlg.Check(id)->setChecked(false);
    for (int id : {2550, 2560, 2570})
        dlg.Check(id)->setChecked(true);
    dlg.Start();
    EXPECT_EQ(dlg.Map().Dims(), (std::vector<int>{2550, 2560, 2570}));
    test::SaveShot(&dlg, QStringLiteral("find-on-map-3dims.png"));
    for (int id : {2580, 2590, 2620, 2630})
        dlg.Check(id)->setChecked(true);
    dlg.Start(); // seven ticked: six are kept
    EXPECT_EQ(dlg.Map().Dims().size(), 6u);
    EXPECT_FALSE(dlg.Check(2630)->isChecked());
    test::SaveShot(&dlg, QStringLiteral("find-on-map-6dims.png"));
    dlg.reject();
    EXPECT_TRUE(placement.valid);
}

TEST(PictToolTip, ShowsAndHidesItsText) {
    QWidget owner;
    CPictToolTip tip(&owner);
    tip.ShowText(QPoint(10, 10), "Choleric\nAnna");
    EXPECT_TRUE(tip.isVisible());
    EXPECT_GT(tip.height(), tip.fontMetrics().height());
    tip.ShowText(QPoint(10, 10), {});
    EXPECT_FALSE(tip.isVisible());
}
