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
#include "support/FaceTestSupport.h"
#include "support/ShotSupport.h"

#include <QTabWidget>
#include <gtest/gtest.h>

using namespace mienlore;

namespace {

using ReviewShots = test::ShotTest<>;

} // namespace

TEST_F(ReviewShots, WizardOptionsAndColourPopup) {
    CFaceFrame face(test::ProgramFolder());
    {
        CFacewizard wizard(face);
        wizard.show();
        for (int page = 1; page <= 8; ++page) {
            test::SaveShot(&wizard, QStringLiteral("wizard_page%1.png").arg(page));
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
        test::SaveShot(&props, QStringLiteral("options_%1.png").arg(i));
    }
    props.Tabs()->setCurrentIndex(0);
    CColorButton* button = props.FacePage()->InfoColourButton();
    button->click();
    ASSERT_NE(button->Popup(), nullptr);
    test::SaveShot(button->Popup(), QStringLiteral("colour_popup.png"));
    button->Popup()->close();

    test::FakeFaceListHost host;
    CPeopList list(host, test::ProgramFolder(), &lang);
    list.LoadDefaultList();
    list.show();
    test::SaveShot(&list, QStringLiteral("faces_list.png"));
    props.reject();
}
