#include "shell/ui/AppGlobals.h"

#include "base/ProgramFolder.h"
#include "shell/ui/QtSettingsStore.h"
#include "shell/ui/UiStrings.h"

#include <fstream>

namespace mienlore {
namespace {

std::unique_ptr<ISettingsStore> UserStore(std::unique_ptr<ISettingsStore> store) {
    return store ? std::move(store) : std::make_unique<CQtSettingsStore>();
}

FateTextFiles TextFiles(const std::filesystem::path& folder, const CLang& lang) {
    return FateTextFiles{folder, lang.ReadMainValue("traits", "traits.ini"),
                         lang.ReadMainValue("typepages", "typepages.ini")};
}

CParams LoadedParams(ISettingsStore& store) {
    CParams params;
    params.Load(store);
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
      params(LoadedParams(*store)), face(programFolder), help(programFolder),
      programFolder(programFolder) {}

CAppGlobals::~CAppGlobals() {
    SaveSettings();
}

bool CAppGlobals::SaveSettings() {
    return params.Save(*store, &lang);
}

QString CAppGlobals::SaveSettingsReport() {
    if (SaveSettings())
        return {};
    QString where = QStringLiteral("the settings store");
    if (auto* qt = dynamic_cast<CQtSettingsStore*>(store.get()))
        where = qt->Settings().fileName();
    return QStringLiteral("The settings could not be saved to %1; the changes of this session "
                          "are lost when the program ends.")
        .arg(where);
}

QStringList CAppGlobals::UnreadableTextFiles() const {
    const FateTextFiles files = TextFiles(programFolder, lang);
    const struct {
        std::filesystem::path path;
        const char* what;
    } needed[] = {{DataPath(programFolder, "Text", files.traitsFile), "trait texts"},
                  {DataPath(programFolder, "PType", files.typesFile), "personality type pages"}};
    QStringList messages;
    for (const auto& file : needed) {
        std::ifstream in(file.path, std::ios::binary);
        char byte = 0;
        std::error_code ec;
        if (std::filesystem::is_regular_file(file.path, ec) && in && in.read(&byte, 1))
            continue;
        messages << QStringLiteral("The %1 file %2 is missing or cannot be read: the "
                                   "interpretation texts show \"???\".")
                        .arg(QLatin1String(file.what), QString::fromStdString(file.path.string()));
    }
    return messages;
}

} // namespace mienlore
