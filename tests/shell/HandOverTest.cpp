#include "shell/HandOver.h"

#include <gtest/gtest.h>

using namespace mienlore;

TEST(HandOver, RecordsRoundTripAndShortOrForeignOnesAreRefused) {
    const std::string code(132, 'x');
    EXPECT_EQ(ParseHandOverRecord(MakeHandOverRecord(code + ";")), code + ";");
    // Only the first tag letter counts; the text ends at the first NUL.
    EXPECT_EQ(ParseHandOverRecord(std::string("Sxxx") + "0123456789A" + std::string(1, '\0') + "z"),
              "0123456789A");
    EXPECT_FALSE(ParseHandOverRecord(MakeHandOverRecord("0123456789")));     // 10 characters
    EXPECT_FALSE(ParseHandOverRecord("FACE" + code + std::string(1, '\0'))); // a copied face
    EXPECT_FALSE(ParseHandOverRecord("SEN"));
    EXPECT_FALSE(ParseHandOverRecord(""));
}

TEST(HandOver, TextsLongerThan255CharactersAreRefusedNotCut) {
    EXPECT_TRUE(ParseHandOverRecord(MakeHandOverRecord(std::string(255, 'a'))));
    EXPECT_FALSE(ParseHandOverRecord(MakeHandOverRecord(std::string(256, 'a'))));
    // Characters, not bytes: 255 two-byte letters still fit.
    std::string umlauts;
    for (int i = 0; i < 255; ++i)
        umlauts += "\xC3\xA4";
    EXPECT_TRUE(ParseHandOverRecord(MakeHandOverRecord(umlauts)));
}

TEST(HandOver, InstanceNamesKeepOnlyPlainCharactersOfTheUserName) {
    EXPECT_EQ(InstanceName("anna"), "mienlore_mutex_anna");
    EXPECT_EQ(InstanceName("a/b c.d"), "mienlore_mutex_a_b_c_d");
    EXPECT_EQ(InstanceName(""), "mienlore_mutex_");
}
