// The shipped pictures as the face window shows them: at the default
// smoothing the glow must leave the features dark enough to read as a face,
// while the skin of the cheeks stays light.
#include "base/CrtRandom.h"
#include "imaging/FaceCompositor.h"
#include "imaging/FacePictureLoader.h"
#include "model/FaceFrame.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace mienlore {
namespace {

// Grey at picture coordinates (the image stores its bottom row first).
int Grey(const CDevib& image, int x, int y) {
    return LumaInt(image.GetPixel(x, image.Height() - 1 - y));
}

int DarkestIn(const CDevib& image, const FaceRect& r) {
    int darkest = 255;
    for (int y = std::max(r.top, 0); y < std::min(r.bottom, image.Height()); ++y)
        for (int x = std::max(r.left, 0); x < std::min(r.right, image.Width()); ++x)
            darkest = std::min(darkest, Grey(image, x, y));
    return darkest;
}

int Median(std::vector<int> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

TEST(FeatureTone, FeaturesReadAtTheDefaultSmoothingAndTheCheeksStayLight) {
    const std::filesystem::path folder = test::ProgramFolder();
    const CFaceCompositor compositor(MakeFacePictureLoader(folder));
    FaceLook look; // the default smoothing, level 2
    ASSERT_EQ(look.smoothing, 2);
    struct Goal {
        FaceSlot slot;
        int darkest; // the median darkest grey in the feature's box may be no lighter
        std::vector<int> found;
    };
    Goal goals[] = {{FaceSlot::Eyes, 110, {}},
                    {FaceSlot::Eyebrows, 140, {}},
                    {FaceSlot::Nose, 170, {}},
                    {FaceSlot::Lips, 150, {}}};
    std::vector<int> cheeks;
    CCrtRandom random(11);
    // The new face and random faces without hair, moustache, beard or
    // glasses, at the default placement.
    for (int n = 0; n < 13; ++n) {
        CFaceFrame face(folder);
        if (n > 0)
            for (int i = 0; i < kFaceSlotCount; ++i) {
                face.Item(i).Randomize(random);
                if (face.Item(i).IsAccessory())
                    face.Item(i).Hide();
            }
        CDevib image;
        compositor.Render(image, 300, 300, face, look);
        ASSERT_FALSE(image.IsEmpty());
        for (Goal& g : goals) {
            const CFaceItem& item = face.Slot(static_cast<int>(g.slot));
            if (item.IsEmpty())
                continue;
            int darkest = 255;
            for (int which = 0; which < (item.IsPaired() ? 2 : 1); ++which)
                darkest = std::min(darkest, DarkestIn(image, item.pict[which].drawnRect));
            g.found.push_back(darkest);
        }
        if (!face.Slot(static_cast<int>(FaceSlot::CheekBones)).IsEmpty())
            cheeks.push_back(std::min(DarkestIn(image, {70, 158, 96, 182}),
                                      DarkestIn(image, {164, 158, 190, 182})));
    }
    for (const Goal& g : goals) {
        ASSERT_FALSE(g.found.empty());
        EXPECT_LE(Median(g.found), g.darkest) << "slot " << static_cast<int>(g.slot);
    }
    ASSERT_FALSE(cheeks.empty());
    EXPECT_GE(Median(cheeks), 170);
}

} // namespace
} // namespace mienlore
