#include "shell/ui/AppGlobals.h"

#include "shell/ui/QtSettingsStore.h"
#include "shell/ui/UiStrings.h"

namespace mienlore {
namespace {

std::unique_ptr<ISettingsStore> UserStore(std::unique_ptr<ISettingsStore> store) {
    return store ? std::move(store) : std::make_unique<CQtSettingsStore>();
}

FateTextFiles TextFiles(const std::filesystem::path& folder, const CLang& lang) {
    return FateTextFiles{folder, lang.ReadMainValue("traits", "traits.ini"),
                         lang.ReadMainValue("typepages", "typepages.ini")};
}

CParams LoadedParams(ISettingsStore& store, CLang& lang) {
    CParams params;
    params.Load(store, &lang);
    return params;
}

std::optional<std::string> LanguageString(unsigned id) {
    const StringOverride& strings = UiStringOverride();
    return strings ? strings(id) : std::nullopt;
}

} // namespace

CAppGlobals::LanguageStrings::LanguageStrings(const CLang& lang) {
    SetUiStringOverride(lang.Overrides());
}

CAppGlobals::LanguageStrings::~LanguageStrings() {
    SetUiStringOverride({});
}

CAppGlobals::CAppGlobals(const std::filesystem::path& programFolder,
                         std::unique_ptr<ISettingsStore> settingsStore)
    : store(UserStore(std::move(settingsStore))), lang(programFolder),
      fate(TextFiles(programFolder, lang), &LanguageString), gallery(programFolder),
      params(LoadedParams(*store, lang)), face(programFolder), help(programFolder) {}

CAppGlobals::~CAppGlobals() {
    SaveSettings();
}

bool CAppGlobals::SaveSettings() {
    return params.Save(*store, &lang);
}

} // namespace mienlore
