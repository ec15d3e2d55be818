#include "base/TextEncoding.h"
#include "resources/LoadString.h"
#include "resources/StringTable.h"
#include "shell/Lang.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <sstream>
#include <string_view>

using namespace mienlore;
using namespace mienlore::test;

namespace {

// The keys of one section, read plainly.
std::vector<std::string> KeysOf(const std::string& text, const std::string& section) {
    std::vector<std::string> keys;
    std::istringstream in(text);
    std::string line;
    bool inside = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line.front() == '[') {
            inside = line == "[" + section + "]";
            continue;
        }
        const auto eq = line.find('=');
        if (inside && eq != std::string::npos)
            keys.push_back(line.substr(0, eq));
    }
    return keys;
}

} // namespace

TEST(ShippedLanguages, AreListedByTheirNames) {
    CLang lang(ProgramFolder(), "no-such-lang.lng");
    std::vector<LangEntry> list;
    lang.ListLanguages(list);
    std::vector<std::string> names;
    for (const auto& e : list)
        names.push_back(e.name);
    EXPECT_NE(std::find(names.begin(), names.end(), "English"), names.end());
    EXPECT_NE(std::find(names.begin(), names.end(), "Deutsch"), names.end());
    EXPECT_NE(std::find(names.begin(), names.end(), "Français"), names.end());
    for (const auto& e : list) {
        const std::string bytes = ReadFileBytes(e.path);
        EXPECT_EQ(Utf8From8Bit(bytes), bytes) << e.path << " is not UTF-8";
    }
}

TEST(ShippedLanguages, GermanTranslatesKnownStringsAndNoUnknownOnes) {
    const auto path = ProgramFolder() / "Lang" / "german.lng";
    const std::string text = ReadFileBytes(path);
    for (const std::string& key : KeysOf(text, "Strings")) {
        const auto id = static_cast<unsigned>(std::stoul(key));
        EXPECT_NE(ResourceString(id), nullptr)
            << "german.lng translates string " << key << ", which does not exist";
        EXPECT_LE(id, kMaxStringId) << "string " << key << " is never looked up";
    }

    CProfileFile file(path);
    EXPECT_EQ(file.GetString("Strings", "2330", ""), "Liste lesen (Strg+O)");
    EXPECT_EQ(file.GetString("Strings", "2692", ""), "Sanguiniker "); // keeps its blank
    EXPECT_EQ(file.GetString("Strings", "32777", ""), "Optionen ändern|Optionen");
    EXPECT_EQ(file.GetString("Menu_0", "57601", ""), "Ö&ffnen…\tStrg+O");
    EXPECT_EQ(file.GetString("Dialog_265", "Dialog_265", ""), "Datei speichern unter");
}

namespace {

// Every "section/key" of a language file, in file order.
std::vector<std::string> SectionKeys(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    std::string line, section;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line.front() == '[') {
            section = line.substr(1, line.find(']') - 1);
            continue;
        }
        const auto eq = line.find('=');
        if (eq != std::string::npos && line.front() != ';')
            out.push_back(section + "/" + line.substr(0, eq));
    }
    return out;
}

// The printf placeholders of a text, in order ("%%" is not one).
std::vector<std::string> Placeholders(const std::string& text) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '%')
            continue;
        std::size_t j = i + 1;
        if (text[j] == '%') {
            i = j;
            continue;
        }
        while (j < text.size() &&
               std::string_view("0123456789.-+ #l").find(text[j]) != std::string_view::npos)
            ++j;
        if (j < text.size())
            out.push_back(text.substr(i, j - i + 1));
        i = j;
    }
    return out;
}

} // namespace

// The German file is the complete translation kept with the program's texts;
// every other translation must cover exactly the same keys.
TEST(ShippedLanguages, EveryTranslationHasEveryKeyAndNoStrayOnes) {
    const std::string german = ReadFileBytes(ProgramFolder() / "Lang" / "german.lng");
    std::vector<std::string> reference = SectionKeys(german);
    std::sort(reference.begin(), reference.end());
    ASSERT_GT(reference.size(), 300u);
    int translations = 0;
    for (const auto& item : std::filesystem::directory_iterator(ProgramFolder() / "Lang")) {
        const std::string name = item.path().filename().string();
        if (name == "english.lng" || name == "german.lng")
            continue;
        ++translations;
        std::vector<std::string> keys = SectionKeys(ReadFileBytes(item.path()));
        std::sort(keys.begin(), keys.end());
        EXPECT_EQ(std::adjacent_find(keys.begin(), keys.end()), keys.end())
            << name << " repeats a key";
        std::vector<std::string> missing, stray;
        std::set_difference(reference.begin(), reference.end(), keys.begin(), keys.end(),
                            std::back_inserter(missing));
        std::set_difference(keys.begin(), keys.end(), reference.begin(), reference.end(),
                            std::back_inserter(stray));
        EXPECT_TRUE(missing.empty()) << name << " lacks " << missing.size() << " keys, first "
                                     << (missing.empty() ? "" : missing.front());
        EXPECT_TRUE(stray.empty()) << name << " has " << stray.size() << " unknown keys, first "
                                   << (stray.empty() ? "" : stray.front());
    }
    EXPECT_GE(translations, 1) << "no translation besides German is shipped";
}

TEST(ShippedLanguages, TranslatedStringsKeepTheirPlaceholders) {
    EXPECT_EQ(Placeholders("%d of %s, 100%%"), (std::vector<std::string>{"%d", "%s"}));
    EXPECT_EQ(Placeholders("%02d%03ld"), (std::vector<std::string>{"%02d", "%03ld"}));
    for (const auto& item : std::filesystem::directory_iterator(ProgramFolder() / "Lang")) {
        const std::string text = ReadFileBytes(item.path());
        const CProfileFile file(item.path());
        for (const std::string& key : KeysOf(text, "Strings")) {
            const char* english = ResourceString(static_cast<unsigned>(std::stoul(key)));
            if (!english)
                continue;
            EXPECT_EQ(Placeholders(file.GetString("Strings", key, "")), Placeholders(english))
                << item.path().filename() << " string " << key;
        }
    }
}
