// Pictures of the dialogs for a visual review: written only when the
// environment names a folder in MIENLORE_SHOT_DIR.
#include "files/ui/PeopList.h"
#include "model/FaceFrame.h"
#include "model/ui/Facewizard.h"
#include "shell/Lang.h"
#include "shell/Params.h"
#include "shell/ui/ColorButton.h"
#include "shell/ui/PropPages.h"
#include "shell/ui/Props.h"
#include "shell/ui/QtSettingsStore.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace mienlore;

namespace {

QString ShotDir() {
    return qEnvironmentVariable("MIENLORE_SHOT_DIR");
}

void Save(QWidget* w, const QString& name) {
    QApplication::processEvents();
    EXPECT_TRUE(w->grab().save(QDir(ShotDir()).filePath(name), "PNG")) << name.toStdString();
}

struct FaceListHost : IFaceListHost {
    CFaceFrame face{test::ProgramFolder()};
    bool IsSlotSelected() const override { return true; }
    CFaceFrame& CurrentFace() override { return face; }
    void FaceChanged() override {}
};

} // namespace

TEST(ReviewShots, WizardOptionsAndColourPopup) {
    if (ShotDir().isEmpty())
        GTEST_SKIP() << "MIENLORE_SHOT_DIR not set";
    CFaceFrame face(test::ProgramFolder());
    {
        CFacewizard wizard(face);
        wizard.show();
        for (int page = 1; page <= 8; ++page) {
            Save(&wizard, QStringLiteral("wizard_page%1.png").arg(page));
            wizard.next();
        }
    }

    test::TempDir dir;
    CParams params;
    CLang lang(test::ProgramFolder());
    CQtSettingsStore store(QString::fromStdString((dir / "s.conf").string()));
    CProps props(params, lang, store);
    props.show();
    for (int i = 0; i < 3; ++i) {
        props.Tabs()->setCurrentIndex(i);
        Save(&props, QStringLiteral("options_%1.png").arg(i));
    }
    props.Tabs()->setCurrentIndex(0);
    CColorButton* button = props.FacePage()->InfoColourButton();
    button->click();
    ASSERT_NE(button->Popup(), nullptr);
    Save(button->Popup(), QStringLiteral("colour_popup.png"));
    button->Popup()->close();

    FaceListHost host;
    CPeopList list(host, test::ProgramFolder(), &lang);
    list.LoadDefaultList();
    list.show();
    Save(&list, QStringLiteral("faces_list.png"));
    props.reject();
}
