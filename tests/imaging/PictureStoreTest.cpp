// The shipped picture store, as the build draws it into the program folder:
// every picture of every slot is present at its box size, and the head
// pieces close the face the way the compositor's silhouette fill needs.

#include "imaging/PixelWord.h"
#include "model/FaceFrame.h"
#include "imaging/FeaturePictures.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <deque>
#include <vector>

using namespace mienlore;

namespace {

// Grey level at picture coordinates (y = 0 at the top).
int Luma(const CDevib& b, int x, int y) {
    return LumaInt(b.GetPixel(x, b.Height() - 1 - y));
}

bool IsNone(const CFaceItem& item, int index) {
    if (item.IsAccessory())
        return index == 0;
    const int shape = item.IsVariantMajor() ? index % item.Shapes() : index / item.Variants();
    return shape + 1 >= item.Shapes();
}

struct Census {
    int white = 0; // 255 (and 254: left untouched by the darkening)
    int skin = 0;  // 250..253
    int dark = 0;  // below 240: found as outline
};

Census Count(const CDevib& b) {
    Census c;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) {
            const int l = Luma(b, x, y);
            c.white += l >= 254;
            c.skin += l >= 250 && l <= 253;
            c.dark += l < 240;
        }
    return c;
}

// Every (slot, index) of the face, read from the program folder.
class PictureStore : public ::testing::Test {
protected:
    CFaceFrame face{test::ProgramFolder()};
    CFeaturePictures store{test::ProgramFolder()};
};

TEST_F(PictureStore, EveryPictureExistsAtItsBoxSizeWithWhiteCornersAndAnOutline) {
    for (int n = 0; n < kFaceSlotCount; ++n) {
        CFaceItem& item = face.Item(n);
        // The nose is read from both of its sources.
        for (int source = 0; source < (item.Slot() == FaceSlot::Nose ? 2 : 1); ++source) {
            if (item.Slot() == FaceSlot::Nose)
                item.SetPictureSource(source == 0);
            for (int index = 0; index < item.Shapes() * item.Variants(); ++index) {
                SCOPED_TRACE(std::string(item.Tag()) + " index " + std::to_string(index));
                const CDevib b = store.LoadPicture(item, item.IsPaired() ? 1 : 0, index);
                ASSERT_FALSE(b.IsEmpty());
                ASSERT_EQ(b.Width(), item.PictWidth());
                ASSERT_EQ(b.Height(), item.PictHeight());
                const int w = b.Width() - 1;
                const int h = b.Height() - 1;
                EXPECT_EQ(Luma(b, 0, 0) + Luma(b, w, 0) + Luma(b, 0, h) + Luma(b, w, h), 4 * 255);
                const Census c = Count(b);
                if (IsNone(item, index)) {
                    EXPECT_EQ(c.white, b.Width() * b.Height()) << "the empty picture is white";
                } else {
                    EXPECT_GT(c.dark, 40) << "too few outline pixels";
                    EXPECT_GT(c.white + c.skin, b.Width() * b.Height() / 4)
                        << "mostly paper or skin";
                }
            }
        }
    }
}

TEST_F(PictureStore, FeaturesEndInsideTheirBoxNotInAStraightCut) {
    // A drawing that runs into its box's edge shows a straight cut on the
    // face; the beards once did at the bottom. Head pieces and hair are
    // meant to join their neighbours and are left out.
    const FaceSlot slots[] = {FaceSlot::Eyes,      FaceSlot::Eyebrows, FaceSlot::Lips,
                              FaceSlot::Moustache, FaceSlot::Beard,    FaceSlot::Glasses};
    for (FaceSlot slot : slots) {
        CFaceItem& item = face.Slot(slot);
        for (int index = 0; index < item.Shapes() * item.Variants(); ++index) {
            SCOPED_TRACE(std::string(item.Tag()) + " index " + std::to_string(index));
            const CDevib b = store.LoadPicture(item, item.IsPaired() ? 1 : 0, index);
            ASSERT_FALSE(b.IsEmpty());
            int darkest = 255;
            for (int x = 0; x < b.Width(); ++x)
                darkest = std::min({darkest, Luma(b, x, 0), Luma(b, x, b.Height() - 1)});
            for (int y = 0; y < b.Height(); ++y)
                darkest = std::min({darkest, Luma(b, 0, y), Luma(b, b.Width() - 1, y)});
            EXPECT_GE(darkest, 250);
        }
    }
}

TEST_F(PictureStore, HeadPiecesHaveLightSkinInsideAndNothingAtTheirSides) {
    const FaceSlot pieces[] = {FaceSlot::Forehead, FaceSlot::CheekBones, FaceSlot::Chin};
    const int skinRow[] = {85, 40, 20}; // a row well inside the face of each piece
    for (int p = 0; p < 3; ++p) {
        const CFaceItem& item = face.Slot(pieces[p]);
        const int centre = 130 - item.GetPosX();
        for (int index = 0; index < item.Shapes() * item.Variants(); ++index) {
            if (IsNone(item, index))
                continue;
            SCOPED_TRACE(std::string(item.Tag()) + " index " + std::to_string(index));
            const CDevib b = store.LoadPicture(item, 0, index);
            ASSERT_FALSE(b.IsEmpty());
            const int skin = Luma(b, centre, skinRow[p]);
            EXPECT_GE(skin, 250);
            EXPECT_LE(skin, 253);
            for (int y = 0; y < b.Height(); ++y) {
                EXPECT_EQ(Luma(b, 0, y), 255);
                EXPECT_EQ(Luma(b, b.Width() - 1, y), 255);
            }
        }
    }
}

// A sketch of the silhouette step: pictures painted where they are darker
// than 254, closing lines between the pieces' outline points, and a flood
// fill from outside the face.
class Silhouette {
public:
    static constexpr int kW = 260;
    static constexpr int kH = 300;
    struct Point {
        int x;
        int y;
    };

    void Paint(const CDevib& b, int x0, int y0) {
        for (int y = 0; y < b.Height(); ++y)
            for (int x = 0; x < b.Width(); ++x)
                if (Luma(b, x, y) < 254)
                    Set(x0 + x, y0 + y);
    }
    void Line(Point a, Point b) {
        const int steps = std::max(std::abs(b.x - a.x), std::abs(b.y - a.y));
        for (int i = 0; i <= steps; ++i) {
            const int x = a.x + (steps ? (b.x - a.x) * i / steps : 0);
            const int y = a.y + (steps ? (b.y - a.y) * i / steps : 0);
            Set(x, y);
            Set(x + 1, y); // a 4-connected line
        }
    }
    // Marks everything a 4-connected fill from (4, 100) reaches.
    void Flood() {
        std::deque<Point> todo{{4, 100}};
        m_reached.assign(kW * kH, false);
        m_reached[100 * kW + 4] = true;
        while (!todo.empty()) {
            const Point p = todo.front();
            todo.pop_front();
            const Point next[4] = {{p.x + 1, p.y}, {p.x - 1, p.y}, {p.x, p.y + 1}, {p.x, p.y - 1}};
            for (const Point& q : next) {
                if (q.x < 0 || q.y < 0 || q.x >= kW || q.y >= kH)
                    continue;
                const int at = q.y * kW + q.x;
                if (m_painted[at] || m_reached[at])
                    continue;
                m_reached[at] = true;
                todo.push_back(q);
            }
        }
    }
    bool Reached(int x, int y) const { return m_reached[y * kW + x]; }

private:
    void Set(int x, int y) {
        if (x >= 0 && y >= 0 && x < kW && y < kH)
            m_painted[y * kW + x] = true;
    }
    std::vector<bool> m_painted = std::vector<bool>(kW * kH, false);
    std::vector<bool> m_reached;
};

// Outline points 0..5 of a picture, in picture coordinates: the first pixel
// darker than 240 from the top (from the left, from the right) and from the
// bottom, then the first pixel darker than 250 from the left (right) on the
// row a fifth of the way down between them.
std::array<Silhouette::Point, 6> OutlinePoints(const CDevib& b) {
    std::array<Silhouette::Point, 6> p{};
    auto scan = [&](bool fromTop, bool fromLeft) {
        for (int r = 0; r < b.Height(); ++r) {
            const int y = fromTop ? r : b.Height() - 1 - r;
            for (int c = 0; c < b.Width(); ++c) {
                const int x = fromLeft ? c : b.Width() - 1 - c;
                if (Luma(b, x, y) < 240)
                    return Silhouette::Point{x, y};
            }
        }
        return Silhouette::Point{0, 0};
    };
    p[0] = scan(true, true);
    p[1] = scan(true, false);
    p[2] = scan(false, true);
    p[3] = scan(false, false);
    auto row = [&](int y, bool fromLeft) {
        for (int c = 0; c < b.Width(); ++c) {
            const int x = fromLeft ? c : b.Width() - 1 - c;
            if (Luma(b, x, y) < 250)
                return Silhouette::Point{x, y};
        }
        return Silhouette::Point{fromLeft ? b.Width() - 1 : 0, y};
    };
    p[4] = row(p[0].y + (p[2].y - p[0].y) / 5, true);
    p[5] = row(p[1].y + (p[3].y - p[1].y) / 5, false);
    return p;
}

struct Placement {
    int foreheadIndex, cheekIndex, chinIndex;
    int foreheadY = 30, cheekY = 120, chinY = 190;
};

// True when the flood from outside stays out of the face.
::testing::AssertionResult FaceIsClosed(CFeaturePictures& store, const CFaceFrame& face,
                                        const Placement& at) {
    const CDevib forehead = store.LoadPicture(face.Slot(FaceSlot::Forehead), 0, at.foreheadIndex);
    const CDevib cheeks = store.LoadPicture(face.Slot(FaceSlot::CheekBones), 0, at.cheekIndex);
    const CDevib chin = store.LoadPicture(face.Slot(FaceSlot::Chin), 0, at.chinIndex);
    if (forehead.IsEmpty() || cheeks.IsEmpty() || chin.IsEmpty())
        return ::testing::AssertionFailure() << "picture missing";
    Silhouette s;
    s.Paint(cheeks, 42, at.cheekY);
    s.Paint(chin, 42, at.chinY);
    s.Paint(forehead, 40, at.foreheadY);
    const auto f = OutlinePoints(forehead);
    const auto c = OutlinePoints(cheeks);
    const auto j = OutlinePoints(chin);
    auto at2 = [](Silhouette::Point p, int x, int y) {
        return Silhouette::Point{p.x + x, p.y + y};
    };
    s.Line(at2(f[2], 40, at.foreheadY), at2(c[4], 42, at.cheekY));
    s.Line(at2(f[3], 40, at.foreheadY), at2(c[5], 42, at.cheekY));
    s.Line(at2(c[2], 42, at.cheekY), at2(j[0], 42, at.chinY));
    s.Line(at2(c[3], 42, at.cheekY), at2(j[1], 42, at.chinY));
    s.Flood();
    if (!s.Reached(255, 100) || !s.Reached(4, 290))
        return ::testing::AssertionFailure() << "the outside is cut in two";
    const int inside[][2] = {{130, at.foreheadY + 60},
                             {130, at.cheekY + 45},
                             {130, at.chinY + 30},
                             {100, at.cheekY + 30},
                             {160, at.cheekY + 30}};
    for (const auto& p : inside)
        if (s.Reached(p[0], p[1]))
            return ::testing::AssertionFailure()
                   << "the fill reaches (" << p[0] << "," << p[1] << ")";
    return ::testing::AssertionSuccess();
}

TEST_F(PictureStore, EveryHeadPieceClosesTheFaceWithTheDefaultOthers) {
    const Placement initial{4, 24, 14};
    for (int i = 0; i < 24; ++i) { // forehead shapes 0..7 × widths
        Placement p = initial;
        p.foreheadIndex = i;
        EXPECT_TRUE(FaceIsClosed(store, face, p)) << "forehead " << i;
    }
    for (int i = 0; i < 45; ++i) { // cheek-bones 0..14 × sets
        Placement p = initial;
        p.cheekIndex = i;
        EXPECT_TRUE(FaceIsClosed(store, face, p)) << "cheek-bones " << i;
    }
    for (int i = 0; i < 30; ++i) { // jaws 0..4 × chins
        Placement p = initial;
        p.chinIndex = i;
        EXPECT_TRUE(FaceIsClosed(store, face, p)) << "chin " << i;
    }
}

TEST_F(PictureStore, TheFaceStaysClosedAtTheEndsOfTheVerticalRanges) {
    const int foreheadY[] = {10, 60};
    const int cheekY[] = {100, 140};
    const int chinY[] = {170, 210};
    for (int a : foreheadY)
        for (int b : cheekY)
            for (int c : chinY) {
                Placement p{4, 24, 14, a, b, c};
                EXPECT_TRUE(FaceIsClosed(store, face, p)) << a << " " << b << " " << c;
            }
}

} // namespace
