#include "shell/Lang.h"

#include "base/AtomicFile.h"
#include "base/TextEncoding.h"
#include "base/UserDataPath.h"
#include "base/WholeFile.h"

#include <algorithm>
#include <system_error>
#include <vector>

namespace mienlore {
namespace {

constexpr const char* kMainSection = "Main";
constexpr const char* kMenuSection = "Menu_0";
constexpr const char* kStringsSection = "Strings";
constexpr const char* kLangFolder = "Lang";

bool SamePathNoCase(const std::filesystem::path& a, const std::filesystem::path& b) {
    return !a.empty() && !b.empty() && EqualsNoCase(a.string(), b.string());
}

} // namespace

CLang::CLang(std::filesystem::path programFolder, std::string fileName)
    : m_programFolder(std::move(programFolder)), m_fileName(std::move(fileName)),
      m_filePath(PreferredReadPath(m_programFolder, {}, m_fileName)) {
    Reload();
    m_current =
        LangEntry{ChosenFile(), m_file.GetString(kMainSection, "lang", kUnnamed, kMaxValueChars)};
}

std::filesystem::path CLang::ChosenFile() const {
    // "lang.lng" is a copy of the chosen file: the file of the "Lang" folder
    // with the same bytes is the choice, whoever made it.
    std::string active;
    if (ReadWholeFile(m_filePath, active, CProfileFile::kMaxProfileBytes) != FileRead::Done)
        return m_filePath;
    std::error_code ec;
    std::vector<std::filesystem::path> files;
    for (const auto& item : std::filesystem::directory_iterator(m_programFolder / kLangFolder, ec))
        if (!item.is_directory(ec) && item.file_size(ec) == active.size())
            files.push_back(item.path());
    std::sort(files.begin(), files.end());
    std::string bytes;
    for (const auto& path : files)
        if (ReadWholeFile(path, bytes, CProfileFile::kMaxProfileBytes) == FileRead::Done &&
            bytes == active)
            return path;
    return m_filePath;
}

void CLang::Reload() {
    m_file.Load(m_filePath);
}

std::string CLang::ReadMainValue(std::string_view key, std::string_view defaultValue) const {
    return m_file.GetString(kMainSection, key, defaultValue, kMaxValueChars);
}

std::string CLang::DialogSection(int dialogId) {
    return "Dialog_" + std::to_string(dialogId);
}

std::string CLang::DialogCaption(int dialogId, std::string_view current) const {
    const std::string section = DialogSection(dialogId);
    return m_file.GetString(section, section, current, kMaxValueChars);
}

std::string CLang::ControlText(int dialogId, int controlId, std::string_view current) const {
    return m_file.GetString(DialogSection(dialogId), std::to_string(controlId), current,
                            kMaxValueChars);
}

std::string CLang::PageTitle(int dialogId) const {
    return DialogCaption(dialogId, {});
}

std::string CLang::MenuText(int key, std::string_view current) const {
    return m_file.GetString(kMenuSection, std::to_string(key), current, kMaxValueChars);
}

std::optional<std::string> CLang::StringsValue(unsigned id) const {
    auto v = m_file.Find(kStringsSection, std::to_string(id));
    if (v)
        *v = Utf8Prefix(*v, kMaxValueChars);
    return v;
}

StringOverride CLang::Overrides() const {
    return [this](unsigned id) { return StringsValue(id); };
}

std::string CLang::LoadString(unsigned id, std::size_t bufferSize) const {
    return LoadInterfaceString(id, bufferSize, Overrides());
}

LangEntry CLang::ReadEntry(const std::filesystem::path& path) {
    const CProfileFile file(path);
    return LangEntry{path, file.GetString(kMainSection, "lang", kUnnamed, kMaxValueChars)};
}

int CLang::ListLanguages(std::vector<LangEntry>& out) const {
    out.clear();
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (const auto& item : std::filesystem::directory_iterator(m_programFolder / kLangFolder, ec))
        if (!item.is_directory(ec))
            files.push_back(item.path());
    std::sort(files.begin(), files.end());

    int currentIndex = -1;
    for (const auto& path : files) {
        if (currentIndex < 0 && SamePathNoCase(path, m_current.path))
            currentIndex = static_cast<int>(out.size());
        out.push_back(ReadEntry(path));
    }
    return currentIndex;
}

WriteResult CLang::SelectLanguage(const std::filesystem::path& path) {
    if (path.empty())
        return WriteResult{true, {}};
    m_current = ReadEntry(path);

    std::string bytes;
    if (ReadWholeFile(path, bytes, CProfileFile::kMaxProfileBytes) != FileRead::Done)
        return WriteResult{false, "cannot read " + path.string()};
    // An installed program folder is read-only: the choice then goes to the
    // user's data folder, which later starts read first.
    WriteResult result;
    const std::filesystem::path target =
        UserDataPath(m_programFolder, {}, m_fileName, {}, &result.error);
    if (target.empty())
        return result;
    result.ok = WriteFileAtomically(target, bytes, &result.error);
    if (result.ok)
        m_filePath = target;
    Reload();
    return result;
}

} // namespace mienlore
