#include "resources/StringTable.h"

#include <gtest/gtest.h>

#include <string>

using mienlore::ResourceString;

TEST(StringTable, FindsKnownIdsAndNothingElse) {
    ASSERT_NE(ResourceString(128), nullptr);
    EXPECT_EQ(std::string(ResourceString(128)), "Mienlore");
    EXPECT_EQ(ResourceString(0), nullptr);
    EXPECT_EQ(ResourceString(1), nullptr);
    EXPECT_EQ(ResourceString(65535), nullptr);
}
