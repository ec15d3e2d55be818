#include "reports/WebReport.h"

#include "analysis/FateFrame.h"
#include "base/AtomicFile.h"
#include "base/TextEncoding.h"
#include "imaging/FaceImageFile.h"
#include "model/FaceFrame.h"
#include "model/FaceNames.h"

#include <cstdio>

namespace mienlore {
namespace {

// Which slot and which member of a pair each rectangle key shows.
struct RectSource {
    FaceSlot slot;
    bool right;
};
constexpr std::array<RectSource, 16> kRectSources = {{
    {FaceSlot::Forehead, false},
    {FaceSlot::CheekBones, false},
    {FaceSlot::CheekBones, true},
    {FaceSlot::Chin, false},
    {FaceSlot::Eyes, false},
    {FaceSlot::Eyes, true},
    {FaceSlot::Eyebrows, false},
    {FaceSlot::Eyebrows, true},
    {FaceSlot::Nose, false},
    {FaceSlot::Lips, false},
    {FaceSlot::Ears, false},
    {FaceSlot::Ears, true},
    {FaceSlot::Hair, false},
    {FaceSlot::Moustache, false},
    {FaceSlot::Beard, false},
    {FaceSlot::Glasses, false},
}};

void AddText(std::string& out, const char* key, std::string_view value) {
    out += "var g_";
    out += key;
    out += " = ";
    out += JsStringLiteral(value);
    out += ";\r\n";
}

void AddNumber(std::string& out, const char* key, int value) {
    out += "var g_";
    out += key;
    out += " = ";
    out += std::to_string(value);
    out += ";\r\n";
}

void AddRect(std::string& out, const char* key, const FaceRect& r) {
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "(%d,%d,%d,%d)", r.left, r.top, r.right - r.left,
                  r.bottom - r.top);
    out += "var g_";
    out += key;
    out += " = new facel";
    out += buffer;
    out += ";\r\n";
}

} // namespace

std::string JsStringLiteral(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    AppendQuotedText(out, text, QuotedTextRules::Script);
    return out;
}

WebReportFacts CollectWebReportFacts(const CFaceFrame& face, CFateFrame& fate,
                                     std::string_view name, const StringOverride& strings) {
    WebReportFacts facts;
    facts.name = Utf8Prefix(Utf8From8Bit(name), kReportNameChars);
    for (int i = 0; i < 8; ++i)
        facts.slotTexts[i] = ChoiceName(face.Item(i), strings);
    for (std::size_t k = 0; k < kRectSources.size(); ++k) {
        const CFaceItem& item = face.Slot(kRectSources[k].slot);
        const int which = kRectSources[k].right && item.IsPaired() ? 1 : 0;
        facts.rects[k] = item.pict[which].drawnRect;
    }
    facts.confidence = fate.GetIndicator(2800).value;
    for (std::size_t t = 0; t < facts.traits.size(); ++t)
        facts.traits[t] = fate.GetIndicator(WebReportFacts::kTraitIndicatorIds[t]).value;
    // An analysis that never ran has no codes (-1): no name either.
    facts.profession = fate.Profession() < 0 ? "-" : fate.ProfessionName();
    facts.temperament = fate.Temperament() < 0 ? "-" : fate.TemperamentName();
    facts.summary = fate.GetSummary();
    return facts;
}

std::string FormatResultScript(const WebReportFacts& facts) {
    std::string out;
    AddText(out, "sName", facts.name);
    for (std::size_t i = 0; i < facts.slotTexts.size(); ++i)
        AddText(out, WebReportFacts::kSlotKeys[i], facts.slotTexts[i]);
    out += "function facel(left,top,width,height)\r\n"
           "{ this.left=left;\r\n"
           "  this.top=top;\r\n"
           "  this.width=width;\r\n"
           "  this.height=height;\r\n"
           "}\r\n";
    for (std::size_t k = 0; k < facts.rects.size(); ++k)
        AddRect(out, WebReportFacts::kRectKeys[k], facts.rects[k]);
    AddNumber(out, "fCheck", facts.confidence);
    for (std::size_t t = 0; t < facts.traits.size(); ++t)
        AddNumber(out, WebReportFacts::kTraitKeys[t], facts.traits[t]);
    AddText(out, "sProf", facts.profession);
    AddText(out, "sTemp", facts.temperament);
    AddText(out, "sInfo", facts.summary);
    AddText(out, "sCom1", facts.name);
    AddText(out, "sCom2", "-");
    AddText(out, "sCom3", "-");
    return out;
}

WriteResult WriteWebReport(const std::filesystem::path& folder, const WebReportJob& job) {
    WriteResult result;
    if (!job.compositor || !job.face || !job.fate) {
        result.error = "there is no face to report";
        return result;
    }
    const auto fail = [&result](const std::filesystem::path& path, const std::string& why) {
        result.error = "cannot write " + path.string() + (why.empty() ? "" : ": " + why);
        return result;
    };

    std::string error;
    const std::filesystem::path small = folder / kReportSmallPicture;
    if (!SaveFaceImage(*job.compositor, *job.face, job.look, small, 3, job.faceWidth,
                       job.faceHeight, &error))
        return fail(small, error);

    const std::filesystem::path picture = folder / kReportPicture;
    error.clear();
    const bool pictureWritten = job.photoWriter
                                    ? job.photoWriter(picture, &error)
                                    : SaveFaceImage(*job.compositor, *job.face, job.look, picture,
                                                    1, job.faceWidth, job.faceHeight, &error);
    if (!pictureWritten)
        return fail(picture, error);

    const WebReportFacts facts = CollectWebReportFacts(*job.face, *job.fate, job.name, job.strings);
    const std::filesystem::path script = folder / kReportScript;
    error.clear();
    if (!WriteFileAtomically(script, FormatResultScript(facts), &error))
        return fail(script, error);
    result.ok = true;
    return result;
}

} // namespace mienlore
