#include "resources/LoadString.h"
#include "resources/StringTable.h"
#include "shell/Lang.h"
#include "base/TextEncoding.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

using namespace mienlore;
using mienlore::test::ProgramFolder;
using mienlore::test::ReadFileBytes;

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
