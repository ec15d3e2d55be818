#pragma once

// The web report: two pictures of the face and "result.js", a script that
// defines one global variable per fact of the current face and its analysis.
// The report page "face.htm" beside them reads those variables.

#include "base/WriteResult.h"
#include "imaging/FaceCompositor.h"
#include "model/FaceItemPict.h"
#include "resources/LoadString.h"

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace mienlore {

class CFaceFrame;
class CFateFrame;

// File names of the report folder.
inline constexpr const char* kReportPage = "face.htm";
inline constexpr const char* kReportScript = "result.js";
inline constexpr const char* kReportSmallPicture = "face.jpg";
inline constexpr const char* kReportPicture = "face0.jpg";

// The longest name the report takes (in characters).
constexpr std::size_t kReportNameChars = 79;

// text as a JavaScript string literal between double quotes. Backslash,
// quotes, line breaks and every control character are escaped, and so are
// "<", ">" and "&" (as \u003c ...), so that no text can end the script
// element or start markup of the page that loads it; U+2028 and U+2029 are
// escaped for older engines. Other characters stay as they are (UTF-8);
// bytes that are not UTF-8 are read as Windows-1252 characters first.
std::string JsStringLiteral(std::string_view text);

// The facts the report shows, in the order "result.js" lists them.
struct WebReportFacts {
    // Keys of the texts of the eight main slots and of the sixteen drawn
    // rectangles.
    static constexpr std::array<const char*, 8> kSlotKeys = {"sHead", "sScul", "sChin", "sEyes",
                                                             "sBrov", "sNous", "sMout", "sEars"};
    static constexpr std::array<const char*, 16> kRectKeys = {
        "eHead", "eScul", "eScur", "eChin", "eEyel", "eEyer", "eBrol", "eBror",
        "eNous", "eMout", "eEarl", "eEarr", "eHair", "eMust", "eBear", "eGlas"};
    // Keys of the fourteen trait values (every trait but "heal").
    static constexpr std::array<const char*, 14> kTraitKeys = {
        "fSexu", "fActi", "fEner", "fConf", "fSoci", "fPeop", "fLife",
        "fMyse", "fHeav", "fWork", "fInte", "fHumo", "fChan", "fCowa"};
    static constexpr std::array<int, 14> kTraitIndicatorIds = {
        2520, 2530, 2540, 2550, 2560, 2570, 2580, 2590, 2620, 2630, 2640, 2650, 2660, 2670};

    std::string name;
    std::array<std::string, 8> slotTexts;
    std::array<FaceRect, 16> rects;
    int confidence = 0;
    std::array<int, 14> traits{};
    std::string profession;
    std::string temperament;
    std::string summary;
};

// Reads the facts from a face (as last drawn: the rectangles are those of
// its latest composition) and its analysis. The name is cut to
// kReportNameChars characters. The analysis is read as it stands; its
// summary is rebuilt from the current results.
WebReportFacts CollectWebReportFacts(const CFaceFrame& face, CFateFrame& fate,
                                     std::string_view name, const StringOverride& strings = {});

// The text of "result.js": UTF-8, every line ending in CR LF, every value
// whole whatever its length.
std::string FormatResultScript(const WebReportFacts& facts);

// What writing a report needs besides the folder.
struct WebReportJob {
    const CFaceCompositor* compositor = nullptr;
    CFaceFrame* face = nullptr;
    CFateFrame* fate = nullptr;
    FaceLook look;
    std::string name;
    // The face window's size: the size of "face0.jpg" drawn from the face.
    int faceWidth = 260;
    int faceHeight = 260;
    // Writes "face0.jpg" from the photo view instead of the face; empty
    // while the photo is not shown.
    std::function<bool(const std::filesystem::path& path, std::string* error)> photoWriter;
    StringOverride strings;
};

// Writes "face.jpg" (the reduced face), "face0.jpg" (the photo view, or the
// face at window size) and "result.js" into folder, each through a temporary
// file renamed into place. Stops at the first file that cannot be written
// and says which.
WriteResult WriteWebReport(const std::filesystem::path& folder, const WebReportJob& job);

} // namespace mienlore
