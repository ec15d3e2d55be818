// Pictures of the photo page for a visual review: the sample photograph, each
// effect, and the face page with the photograph under the face. Written only
// when the environment names a folder in MIENLORE_SHOT_DIR.
#include "imaging/ui/PagePict.h"
#include "model/ui/PageFace.h"
#include "shell/ui/CommandIds.h"
#include "shell/ui/View.h"
#include "support/FrameTestSupport.h"
#include "support/ShotSupport.h"

#include <gtest/gtest.h>

using namespace mienlore;

using PhotoShots = test::ShotTest<test::FrameTest>;

TEST_F(PhotoShots, PhotoPageEffectsAndFaceOverPhoto) {
    frame.show();
    CView& view = *frame.View();
    view.SelectPage(cmd::kPagePict);
    CPagePict* page = view.PhotoPage();
    test::SaveShot(&frame, QStringLiteral("photo_main.png"));
    test::SaveShot(page, QStringLiteral("photo_page.png"));
    const std::pair<int, const char*> effects[] = {{2391, "bw"},   {2392, "inv"},
                                                   {2393, "gray"}, {2394, "median"},
                                                   {2395, "edge"}, {2397, "smooth"}};
    for (auto [id, name] : effects) {
        page->Command(id);
        test::SaveShot(page, QStringLiteral("photo_effect_%1.png").arg(QLatin1String(name)));
        page->Command(id);
    }
    page->Command(2382);
    page->Command(2382);
    page->Command(2386);
    test::SaveShot(page, QStringLiteral("photo_zoom_rotate.png"));
    page->Command(2381);
    page->Command(2390);
    test::SaveShot(&frame, QStringLiteral("photo_background_face.png"));
    test::SaveShot(view.FacePage(), QStringLiteral("photo_background_face_page.png"));
}
