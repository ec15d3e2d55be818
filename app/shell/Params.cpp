#include "shell/Params.h"

#include "shell/Lang.h"
#include "shell/SettingsStore.h"

#include <algorithm>

namespace mienlore {
namespace {

void ReadInt(ISettingsStore& store, const char* name, int& field) {
    if (const auto v = store.ReadNumber(name))
        field = static_cast<int>(*v);
}

void ReadColour(ISettingsStore& store, const char* name, Colour& field) {
    if (const auto v = store.ReadNumber(name))
        field = *v;
}

void ReadText(ISettingsStore& store, const char* name, std::string& field) {
    if (auto v = store.ReadString(name))
        field = std::move(*v);
}

void WriteInt(ISettingsStore& store, const char* name, int value) {
    store.WriteNumber(name, static_cast<std::uint32_t>(value));
}

int InvertComponent(int c) {
    return 255 - std::clamp(c, 0, 255);
}

} // namespace

Colour StyledColour(Colour colour, int style) {
    if (style != kStyleWhite)
        return colour;
    return Rgb(InvertComponent(ColourRed(colour)), InvertComponent(ColourGreen(colour)),
               InvertComponent(ColourBlue(colour)));
}

void CParams::SetDefaults() {
    face = CFaceParams{};
    fate = CFateParams{};
    placements.fill(WindowPlacement{});
    language.clear();
    tips = TipsParams{};
}

void CParams::Load(ISettingsStore& store) {
    SetDefaults();

    if (store.OpenSection("Face")) {
        const int defaultFilter = face.filter;
        ReadInt(store, "Filter", face.filter);
        // The level indexes a fixed list; an out-of-range stored value would
        // point past it.
        if (face.filter < 0 || face.filter >= kFilterLevels)
            face.filter = defaultFilter;
        ReadText(store, "File", face.file);
        ReadInt(store, "IsInfo", face.showInfo);
        ReadInt(store, "IsFill", face.gradientFill);
        ReadColour(store, "ColorInfo", face.infoColour);
        ReadColour(store, "ColorFace", face.faceColour);
        ReadColour(store, "ColorFill", face.fillColour);
        ReadInt(store, "Tooltip", face.tooltips);
        store.CloseSection();
    }

    if (store.OpenSection("Fate")) {
        ReadColour(store, "ColorText", fate.textColour);
        ReadColour(store, "ColorLine", fate.lineColour);
        ReadColour(store, "ColorWind", fate.windowColour);
        ReadColour(store, "ColorMin", fate.minColour);
        ReadColour(store, "ColorMax", fate.maxColour);
        ReadInt(store, "Style", fate.style);
        store.CloseSection();
    }

    if (store.OpenSection("Wind")) {
        for (int i = 0; i < kPlacementCount; ++i)
            if (const auto text = store.ReadString(kPlacementNames[i]))
                placements[i] = ParsePlacement(*text);
        // A record of the choice only: the language loader's own file is
        // the one owner of the language, so that a choice made elsewhere
        // (the console tool) is not undone at the next start.
        if (auto name = store.ReadString("Lang"))
            language = std::move(*name);
        store.CloseSection();
    }

    if (store.OpenSection("Tips")) {
        ReadInt(store, "IsTipDay", tips.showAtStartup);
        ReadInt(store, "NumLesson", tips.nextTip);
        store.CloseSection();
    }
}

bool CParams::Save(ISettingsStore& store, const CLang* lang) {
    if (lang != nullptr)
        language = lang->CurrentLanguagePath().string();

    if (store.OpenSection("Face")) {
        WriteInt(store, "Filter", face.filter);
        store.WriteString("File", face.file);
        WriteInt(store, "IsInfo", face.showInfo);
        WriteInt(store, "IsFill", face.gradientFill);
        store.WriteNumber("ColorInfo", face.infoColour);
        store.WriteNumber("ColorFace", face.faceColour);
        store.WriteNumber("ColorFill", face.fillColour);
        WriteInt(store, "Tooltip", face.tooltips);
        store.CloseSection();
    }

    if (store.OpenSection("Fate")) {
        store.WriteNumber("ColorText", fate.textColour);
        store.WriteNumber("ColorLine", fate.lineColour);
        store.WriteNumber("ColorWind", fate.windowColour);
        store.WriteNumber("ColorMin", fate.minColour);
        store.WriteNumber("ColorMax", fate.maxColour);
        WriteInt(store, "Style", fate.style);
        store.CloseSection();
    }

    if (store.OpenSection("Wind")) {
        for (int i = 0; i < kPlacementCount; ++i)
            store.WriteString(kPlacementNames[i], FormatPlacement(placements[i]));
        store.WriteString("Lang", language);
        store.CloseSection();
    }

    if (store.OpenSection("Tips")) {
        WriteInt(store, "IsTipDay", tips.showAtStartup);
        WriteInt(store, "NumLesson", tips.nextTip);
        store.CloseSection();
    }

    return store.Commit();
}

} // namespace mienlore
