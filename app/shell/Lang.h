#pragma once

#include "base/ProfileFile.h"
#include "base/WriteResult.h"
#include "resources/LoadString.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mienlore {

// One language file: where it is and the name it gives itself.
struct LangEntry {
    std::filesystem::path path;
    std::string name;
};

// The language loader. It reads the file "lang.lng": the program folder's, or
// the user's copy where an installed (read-only) program keeps the choice;
// choosing a language copies a file of the "Lang" folder over it. That copy is
// the one record of the choice, read and written alike by the program and the
// console tool; the settings only mirror it.
// Dialogs, the main menu and the string table are translated through it by
// id; texts are UTF-8.
class CLang {
public:
    // Longest value read from a language file, in characters.
    static constexpr std::size_t kMaxValueChars = 254;
    // Display name of a file without a "Main"/"lang" value.
    static constexpr std::string_view kUnnamed = "???";
    // Key of the static texts of a dialog that have no id of their own.
    static constexpr int kStaticTextId = 65535;

    explicit CLang(std::filesystem::path programFolder, std::string fileName = "lang.lng");

    // The file every lookup reads ("lang.lng" where the choice is kept).
    const std::filesystem::path& FilePath() const { return m_filePath; }

    // A value of the "Main" section ("lang", "traits", "typepages", "tips").
    std::string ReadMainValue(std::string_view key, std::string_view defaultValue) const;

    // "Dialog_<id>".
    static std::string DialogSection(int dialogId);
    // The dialog's caption; the current caption when the file gives none.
    std::string DialogCaption(int dialogId, std::string_view current) const;
    // A control's text; the current text when the file gives none.
    std::string ControlText(int dialogId, int controlId, std::string_view current) const;
    // The tab title of a property page; empty when the file gives none.
    std::string PageTitle(int dialogId) const;
    // A main menu text: key is the position of a top-level menu or the
    // command id of an item.
    std::string MenuText(int key, std::string_view current) const;

    // The "Strings" value of a string id as written in the file ("|" not yet
    // turned into line feeds), when there is one.
    std::optional<std::string> StringsValue(unsigned id) const;
    // The lookup that lets the language file replace built-in strings; it
    // refers to this loader, which must outlive it.
    StringOverride Overrides() const;
    // An interface string as shown: the built-in text or its replacement from
    // the file, cut to a buffer of bufferSize characters, "|" made a line
    // feed; empty for ids that are not looked up (see LoadInterfaceString).
    std::string LoadString(unsigned id, std::size_t bufferSize = 256) const;

    // The display name of a language file, "???" when it has none.
    static LangEntry ReadEntry(const std::filesystem::path& path);

    // Every file of the program's "Lang" folder, by file name. Returns the
    // position of the current language in the list, or -1.
    int ListLanguages(std::vector<LangEntry>& out) const;

    // Makes the file the current language and copies it over "lang.lng"; an
    // empty path does nothing. The current entry names the chosen file even
    // when the copy fails; the result tells whether it succeeded.
    WriteResult SelectLanguage(const std::filesystem::path& path);

    const LangEntry& Current() const { return m_current; }
    const std::filesystem::path& CurrentLanguagePath() const { return m_current.path; }

    // Reads "lang.lng" again (after it was replaced).
    void Reload();

private:
    // The file of the "Lang" folder that "lang.lng" is a copy of; "lang.lng"
    // itself when none is.
    std::filesystem::path ChosenFile() const;

    std::filesystem::path m_programFolder;
    std::string m_fileName;
    std::filesystem::path m_filePath;
    LangEntry m_current;
    CProfileFile m_file;
};

} // namespace mienlore
