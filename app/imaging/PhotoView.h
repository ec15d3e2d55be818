#pragma once

// The photograph under the face: one decoded picture, the way the user looks
// at it (effects, zoom, pan, rotation) and the two ways it is drawn — as the
// photo page's view, and as a sketch of dark edges on a light ground under
// the composed face.

#include "imaging/Devib.h"
#include "imaging/PictureDecoder.h"

#include <filesystem>
#include <string>

namespace mienlore {

// The six effects of the photo view, in the order of the page's buttons.
struct PhotoEffects {
    bool blackWhite = false;
    bool invert = false;
    bool gray = false;
    bool median = false; // median, then maximum, then minimum over 3 x 3
    bool edge = false;   // edge strength, shown inverted
    bool smooth = false;
    bool Any() const { return blackWhite || invert || gray || median || edge || smooth; }
    bool operator==(const PhotoEffects&) const = default;
};

// The zoom value: the picture is shown at 10000 / value percent.
constexpr int kZoomDefault = 100;
constexpr int kZoomMin = 20;
constexpr int kZoomMax = 300;
constexpr int kZoomMaxVideo = 100; // while live video runs
// The pan sliders' ranges (pixels either way).
constexpr int kPanXLimit = 100;
constexpr int kPanYLimit = 150;
// Degrees per press of "Rotate Left" (added) and "Rotate Right" (taken off);
// the rotation counts counter-clockwise on the screen.
constexpr int kRotateStep = 2;
// The screen resolution that turns a physical picture size into pixels.
constexpr int kPhotoDpi = 96;
// The page's view starts its left gradient at this grey level.
constexpr int kGradientTop = 160;

// Draws the whole of picture into rect of surface and returns where it went:
// the rect's size, or with fit each side no larger than the picture's; the
// result is centred (a negative corner becomes 0) and moved up by its own
// height when it is lower than a quarter of the rect. The gallery and the
// character map draw their thumbnails with it.
ImageRect RenderPicture(CDevib& surface, const ImageRect& rect, const CDevib& picture, bool fit);

class CPhotoView {
public:
    explicit CPhotoView(PictureDecoder decoder = DecodeRasterPicture);

    // ---- the picture ----
    // Reads and decodes the file. On failure the previous picture and path
    // stay and false is returned with a message in *error.
    bool Load(const std::filesystem::path& path, std::string* error = nullptr);
    // Load in two halves, so that the slow half can run away from the
    // window's thread: DecodeFile only reads and decodes (it touches nothing
    // of the view; the decoder must be safe to call from another thread),
    // Take then makes its result the view's picture.
    bool DecodeFile(const std::filesystem::path& path, DecodedPicture& out,
                    std::string* error) const;
    void Take(const std::filesystem::path& path, DecodedPicture picture);
    // Takes a picture decoded elsewhere (no file behind it: nothing to
    // reload).
    void Adopt(DecodedPicture picture);
    // Decodes the file again when it changed on disk since it was decoded
    // (the decoded copy is reused otherwise). A file that can no longer be
    // read keeps the copy. Returns true when the picture was replaced.
    bool RefreshIfChanged();
    bool HasPicture() const { return !m_picture.bitmap.IsEmpty(); }
    const std::filesystem::path& Path() const { return m_path; }
    const DecodedPicture& Picture() const { return m_picture; }
    // How many times a file was decoded (loads and refreshes).
    int DecodeCount() const { return m_decodes; }
    // The picture's natural size in pixels: its physical size at the screen
    // resolution when it has one, else its pixel size.
    ImageSize NaturalSize() const;

    // ---- the view ----
    PhotoEffects effects;
    bool keyOn = false;            // replace the colour of pixel (0, 0) ...
    ColorRef keyColour = 0xFFFFFF; // ... by this one
    int gradientStart = 0;
    // "Background Face": the face is drawn over the photograph's sketch; the
    // view is then always transformed (zoomed, panned) even at 100 %.
    bool backgroundFace = false;

    int Zoom() const { return m_zoom; }
    // Keeps the value within kZoomMin..kZoomMax: the view divides by it.
    void SetZoom(int value);
    // "+": 10 down while at least 30, else to 20. "-": 10 up, at most
    // kZoomMax (kZoomMaxVideo while video runs).
    void ZoomIn();
    void ZoomOut(bool videoRunning);
    int PanX() const { return m_panX; }
    int PanY() const { return m_panY; }
    // Each kept within its slider's range.
    void SetPan(int x, int y);
    int Rotation() const { return m_rotation; }
    void SetRotation(int degrees) { m_rotation = degrees; }
    void RotateLeft() { m_rotation += kRotateStep; }
    void RotateRight() { m_rotation -= kRotateStep; }
    // "Actual Size and Position": no rotation, no pan, zoom 100, no effects.
    void Reset();
    // Whether the view is zoomed or panned (or under the face), as opposed to
    // fitted into the window.
    bool IsTransformed() const;

    // While set, each draw first looks whether the file changed on disk.
    // Cleared by drawing a picture over 1000 pixels wide.
    bool ReloadFlag() const { return m_reload; }
    void SetReloadFlag(bool on) { m_reload = on; }

    // The view into rect of surface: sketch off is the page's view with the
    // effects; sketch on is the picture under the face, dark edges on a light
    // ground whatever the effects, rotated by the rotation.
    void DrawPhoto(CDevib& surface, const ImageRect& rect, bool sketch);
    // The page's effects on one image, in their order (the key colour only
    // when withKey), rotation included, inverted at most once.
    void ApplyEffects(CDevib& image, bool withKey) const;

    // The size the picture is rendered at before it is resampled: the
    // natural size, divided by (width / 1000) when wider than 2000 pixels.
    ImageSize RenderSize() const;

private:
    bool Decode(const std::filesystem::path& path, DecodedPicture& out, std::string* error);
    // The picture of a file, with the file's time and size for refreshing.
    void Keep(const std::filesystem::path& path, DecodedPicture picture);
    const CDevib& Rendered(ImageSize size);

    PictureDecoder m_decoder;
    DecodedPicture m_picture;
    std::filesystem::path m_path;
    std::filesystem::file_time_type m_stamp{};
    std::uintmax_t m_fileSize = 0;
    int m_decodes = 0;
    CDevib m_rendered; // the picture at RenderSize when that differs
    int m_zoom = kZoomDefault;
    int m_panX = 0;
    int m_panY = 0;
    int m_rotation = 0;
    bool m_reload = true;
};

// Draws the photo view (sketch off, all effects) at width x height on the
// background colour and writes it: ".jpg" (any case) as JPEG with mode 1 and
// quality 75, any other name as BMP. False with a message when nothing could
// be written.
bool SavePhotoView(CPhotoView& view, const std::filesystem::path& path, int width, int height,
                   ColorRef background, std::string* error = nullptr);

} // namespace mienlore
