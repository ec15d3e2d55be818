#include "base/TextEncoding.h"

#include <gtest/gtest.h>

using namespace mienlore;

TEST(TextEncoding, KeepsValidUtf8AndConvertsStrayBytes) {
    EXPECT_EQ(Utf8From8Bit("plain"), "plain");
    EXPECT_EQ(Utf8From8Bit("\xE2\x82\xAC"), "\xE2\x82\xAC");
    EXPECT_EQ(Utf8From8Bit("\x80"), "\xE2\x82\xAC");                         // euro sign
    EXPECT_EQ(Utf8From8Bit("caf\xE9"), "caf\xC3\xA9");                       // é
    EXPECT_EQ(Utf8From8Bit("\x81"), "\xC2\x81");                             // undefined byte
    EXPECT_EQ(Utf8From8Bit("\xC3"), "\xC3\x83");                             // cut sequence
    EXPECT_EQ(Utf8From8Bit("\xC0\xAF"), "\xC3\x80\xC2\xAF");                 // overlong form
    EXPECT_EQ(Utf8From8Bit("\xED\xA0\x80"), "\xC3\xAD\xC2\xA0\xE2\x82\xAC"); // surrogate
}

TEST(TextEncoding, LengthsAndPrefixesCountCharacters) {
    const std::string s = "a\xC3\xA9\xE2\x82\xAC"
                          "b";
    EXPECT_EQ(Utf8Length(s), 4u);
    EXPECT_EQ(Utf8Prefix(s, 2), "a\xC3\xA9");
    EXPECT_EQ(Utf8Prefix(s, 0), "");
    EXPECT_EQ(Utf8Prefix(s, 10), s);
    EXPECT_TRUE(EqualsNoCase("Dialog_172", "DIALOG_172"));
    EXPECT_FALSE(EqualsNoCase("Main", "Mains"));
}
