#include "analysis/AnalysisJson.h"

#include "analysis/FateFrame.h"
#include "base/TextEncoding.h"
#include "model/FaceFrame.h"

#include <charconv>

namespace mienlore {
namespace {

void AppendInt(std::string& out, int value) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

template <typename ValueOf> void AppendTraitObject(std::string& out, ValueOf valueOf) {
    out += '{';
    for (int t = 0; t < kTraitCount; ++t) {
        if (t > 0)
            out += ',';
        out += '"';
        out += kTraitKeys[t];
        out += "\":";
        valueOf(t);
    }
    out += '}';
}

} // namespace

void AppendJsonString(std::string& out, std::string_view text) {
    AppendQuotedText(out, text, QuotedTextRules::Json);
}

std::string JsonString(std::string_view text) {
    std::string out;
    AppendJsonString(out, text);
    return out;
}

void AppendJsonNumber(std::string& out, double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

bool AppendAnalysisJson(std::string& out, std::string_view code, const CFaceFrame& prototype,
                        CFaceFrame& face, CFateFrame& fate) {
    face = prototype;
    out += "{\"code\":";
    AppendJsonString(out, code);
    if (!face.Decode(FaceArgumentCode(code, prototype.ProgramFolder()), true)) {
        out += ",\"valid\":false,\"error\":\"not a face code: a main feature is missing or "
               "unreadable\"}\n";
        return false;
    }
    fate.ResetResults();
    fate.BindFace(&face);
    fate.Recompute(true);

    out += ",\"valid\":true,\"indicators\":";
    AppendTraitObject(out,
                      [&](int t) { AppendInt(out, fate.GetIndicator(kTraitIndicators[t]).value); });
    out += ",\"norm\":";
    AppendTraitObject(out, [&](int t) { AppendJsonNumber(out, fate.GetTrait(t).norm); });
    out += ",\"levels\":";
    AppendTraitObject(out, [&](int t) { AppendInt(out, fate.GetTrait(t).GetLevel()); });
    out += ",\"temperament\":";
    AppendInt(out, fate.Temperament());
    out += ",\"profession\":";
    AppendInt(out, fate.Profession());
    out += ",\"confidence\":";
    AppendJsonNumber(out, fate.Confidence());
    out += ",\"summary\":";
    AppendJsonString(out, fate.GetSummary());
    out += ",\"types\":[";
    const auto& types = fate.GetTypes();
    for (std::size_t i = 0; i < types.size(); ++i) {
        if (i > 0)
            out += ',';
        out += "{\"code\":";
        AppendJsonString(out, types[i].code);
        out += ",\"score\":";
        AppendInt(out, types[i].score);
        out += ",\"accuracy\":";
        AppendJsonNumber(out, types[i].accuracy);
        out += '}';
    }
    out += "],\"best_type\":";
    const int best = fate.BestType();
    if (best >= 0) {
        AppendJsonString(out, types[best].code);
        out += ",\"sign\":";
        AppendJsonString(out, types[best].sign);
    } else {
        out += "null,\"sign\":null";
    }
    out += "}\n";
    return true;
}

} // namespace mienlore
