#include "resources/LoadString.h"
#include "resources/StringTable.h"

#include <gtest/gtest.h>

#include <string>

using namespace mienlore;

TEST(LoadString, IdAndBufferRules) {
    EXPECT_EQ(LoadInterfaceString(2802, 81), "Not recognized");
    EXPECT_EQ(LoadInterfaceString(2802, 5), "Not ");
    EXPECT_EQ(LoadInterfaceString(2802, 2), "N");
    EXPECT_EQ(LoadInterfaceString(2802, 1), "");
    EXPECT_EQ(LoadInterfaceString(2802, 0), "");
    EXPECT_EQ(LoadInterfaceString(0, 81), "");
    EXPECT_EQ(LoadInterfaceString(0x10000, 81), ""); // low 16 bits are 0
    EXPECT_EQ(LoadInterfaceString(12345, 81), "");   // no such string
    // Ids above 40000 exist in the table but are not looked up.
    ASSERT_NE(ResourceString(57601), nullptr);
    EXPECT_EQ(LoadInterfaceString(57601, 200), "");
    EXPECT_EQ(LoadInterfaceString(2692, 81), "Sanguine ");
}

TEST(LoadString, OverridesReplaceTextsAndBarsBecomeLineFeeds) {
    const StringOverride lang = [](unsigned id) -> std::optional<std::string> {
        if (id == 2900)
            return std::string("Melancolique|triste");
        if (id == 2901)
            return std::string(300, 'y');
        if (id == 2902)
            return std::string();
        if (id == 12345)
            return std::string("never used");
        return std::nullopt;
    };
    EXPECT_EQ(LoadInterfaceString(2900, 81, lang), "Melancolique\ntriste");
    EXPECT_EQ(LoadInterfaceString(2901, 1000, lang), std::string(254, 'y'));
    EXPECT_EQ(LoadInterfaceString(2901, 10, lang), std::string(9, 'y'));
    EXPECT_EQ(LoadInterfaceString(2902, 81, lang), "");
    EXPECT_EQ(InterfaceName(2902, "-", lang), "-");
    EXPECT_EQ(LoadInterfaceString(12345, 81, lang), ""); // no built-in string
    EXPECT_EQ(LoadInterfaceString(2903, 81, lang), "Unrecognized");
    // Lengths are characters, not bytes.
    const StringOverride utf8 = [](unsigned) -> std::optional<std::string> {
        return std::string("\xC3\xA9\xC3\xA9\xC3\xA9");
    };
    EXPECT_EQ(LoadInterfaceString(2900, 3, utf8), "\xC3\xA9\xC3\xA9");
}

TEST(StringTable, HoldsTheNamedTextsInIdOrder) {
    struct {
        unsigned id;
        const char* text;
    } samples[] = {
        {128, "Mienlore"},
        {2100, "Forehead Shapes(Ctrl+1)"},
        {2300, "Glasses (Ctrl+G)"},
        {2340, "Save List (Ctrl+S)"},
        {2906, "Phlegmatic"},
        {2907, "-"},
        {2924, "Travellier"},
        {2928, "-"},
        {21008, "Empty"},
        {21099, "Forehead: "},
        {21115, "Empty"},
        {21409, "Narrowed down to Temples"},
        {21523, "Hooked, Nostrils Showing"},
        {21706, "Without ears"},
        {21722, "With Large Lobe"},
        {21902, "Left click on face image and move. Use Shift."},
        {32615, "Paste facial traits from the Clipboard\nPaste Facial Traits"},
        {59393, "Show or hide the status bar\nToggle StatusBar"},
    };
    for (const auto& s : samples) {
        ASSERT_NE(ResourceString(s.id), nullptr) << s.id;
        EXPECT_STREQ(ResourceString(s.id), s.text);
    }
    // The last shape of every main slot has a name; variants beyond the named
    // ones have none.
    for (unsigned last : {21008u, 21115u, 21205u, 21310u, 21414u, 21508u, 21605u, 21706u})
        EXPECT_NE(ResourceString(last), nullptr) << last;
    EXPECT_EQ(ResourceString(21323), nullptr);
    EXPECT_EQ(ResourceString(21120), nullptr);
}
