#pragma once

// The face compositor: turns a face description into the face picture on a
// canvas. Pictures are composed by darkening (white is transparent), the
// silhouette keeps the face colour while its surroundings take the fill
// colour, the skin is evened out, and the window's view is smoothed.

#include "imaging/Devib.h"
#include "imaging/FeaturePicture.h"
#include "model/FaceFrame.h"

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace mienlore {

// Platform colour values (0x00BBGGRR) of the three face colours.
constexpr ColorRef kFaceYellow = 0xF0FFFF;
constexpr ColorRef kFaceGray = 0xE0E0E4;
constexpr ColorRef kFaceWhite = 0xFFFFFF;
// The colour the surroundings are flooded with before they are recoloured.
constexpr ColorRef kSurroundKey = 0x0080FF;

// Index of a face colour among yellow, gray and white: it selects the skin
// shading. A colour that is none of them counts as the first.
int FaceColorIndex(ColorRef faceColor);

// The settings the compositor reads (the face options), filled by the
// caller from the settings record.
struct FaceLook {
    ColorRef faceColor = kFaceWhite;
    ColorRef fillColor = 0xFFFFFF;
    int smoothing = 2;            // 0..5
    bool showInfo = true;         // caption line
    bool photoBackground = false; // draw the face over the photograph
};

// Not safe for concurrent use: it keeps prepared pictures between drawings.
class CFaceCompositor {
public:
    // Loads the current picture of one member of a slot (0: left or single,
    // 1: right of a pair); null when there is none. A loader that hands out
    // the same bitmap object again for an unchanged picture lets the
    // compositor reuse its scaled and blurred copies.
    using PictureLoader =
        std::function<std::shared_ptr<const CDevib>(const CFaceItem& item, int which)>;
    // Draws the photograph as a sketch into rect of the canvas.
    using PhotoPainter = std::function<void(CDevib& canvas, const ImageRect& rect)>;
    // Draws the caption text onto the rendered face and returns the text's
    // height in pixels.
    using CaptionPainter = std::function<int(CDevib& canvas, const std::string& caption)>;

    explicit CFaceCompositor(PictureLoader loader);

    void SetPhotoPainter(PhotoPainter painter) { m_photo = std::move(painter); }

    // Draws the face into rect of the canvas. Updates the face's drawn
    // rectangles, outline points and picture sizes, the ears' placement (x
    // from the forehead's outline, offsets 0) and the nose's picture source
    // (the picture library at smoothing 0, files otherwise).
    void DrawFace(CDevib& canvas, const ImageRect& rect, CFaceFrame& face,
                  const FaceLook& look) const;

    // The window's view: the face at width x height, the caption (when
    // shown and painter is given) and the smoothing. Returns the height of
    // the caption band that the smoothing leaves alone.
    int Render(CDevib& cache, int width, int height, CFaceFrame& face, const FaceLook& look,
               const std::string& caption = {}, const CaptionPainter& painter = {}) const;

    // The FaceSlot number of the slot whose last drawn picture lies under
    // (x, y), first in the hit-test order (eyes before eyebrows before the
    // forehead ...), or 0. The canvas is shown with its origin at rect's
    // top-left corner; points outside rect hit nothing.
    static int HitTest(const CFaceFrame& face, const ImageRect& rect, int x, int y);

    // The single steps of DrawFace, in their order; exposed for the tests.
    void DrawPhotoBackground(CDevib& canvas, const ImageRect& rect, CFaceFrame& face,
                             const FaceLook& look) const;
    void DrawSilhouette(CDevib& canvas, const ImageRect& rect, CFaceFrame& face,
                        const FaceLook& look) const;
    void DrawHeadPictures(CDevib& canvas, CFaceFrame& face) const;
    void EvenSkin(CDevib& canvas, const ImageRect& rect, const CFaceFrame& face,
                  const FaceLook& look) const;
    void DrawFeatures(CDevib& canvas, CFaceFrame& face, const FaceLook& look) const;

private:
    struct PreparedKey {
        const CDevib* source;
        int width;
        int height;
        int side;
        int blur;
        int lighten;
        auto operator<=>(const PreparedKey&) const = default;
    };
    struct Prepared {
        std::shared_ptr<const CDevib> source; // keeps the key's address taken
        CDevib picture;
    };

    // The picture scaled to target and mirrored, blurred and lightened as
    // look says; kept for the next drawing.
    const CDevib& PreparedPicture(const std::shared_ptr<const CDevib>& source,
                                  const ImageRect& target, const PictureLook& look) const;
    static void EvenSkinOf(CDevib& skin, int left, int top, const CFaceFrame& face,
                           const FaceLook& look);
    std::shared_ptr<const CDevib> Load(const CFaceItem& item, int which) const;
    void DrawMember(CDevib& canvas, CFaceItem& item, int which) const;
    void DrawSlot(CDevib& canvas, CFaceItem& item) const;
    void FillSlot(CDevib& canvas, CFaceItem& item, ColorRef color, bool paint) const;
    void ShadeSlot(CDevib& canvas, const CFaceItem& item, ColorRef color, int kind,
                   int strength) const;

    PictureLoader m_loader;
    PhotoPainter m_photo;
    static constexpr size_t kPreparedLimit = 96;
    mutable std::map<PreparedKey, Prepared> m_prepared;
};

// The silhouette colour of a face colour: its green byte lowered by 10
// (raised by 10 when it is below 10, so that it always differs).
ColorRef SilhouetteColor(ColorRef faceColor);

} // namespace mienlore
