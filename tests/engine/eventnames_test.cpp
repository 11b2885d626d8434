#include "engine/model/eventnames.h"

#include <gtest/gtest.h>

using namespace bm;

TEST(EventNames, RowersAndCox) {
    EXPECT_EQ(RowerCount("MS 4x-"), 4);
    EXPECT_EQ(RowerCount("WS 1x"), 1);
    EXPECT_EQ(RowerCount("Novice"), 0);
    EXPECT_FALSE(HasCox("MS 4x-"));
    EXPECT_TRUE(HasCox("WS 8"));
    EXPECT_TRUE(HasCox("MS 2+"));
    EXPECT_FALSE(HasCox("WS 1x"));
    EXPECT_TRUE(HasCox("Novice"));
}

TEST(EventNames, ParsesTheConvention) {
    EventNameParts parts;
    ASSERT_TRUE(ParseEventName("M J16 4x-", parts));
    EXPECT_EQ(parts.Gender, "M");
    EXPECT_EQ(parts.Category, U'J');
    EXPECT_EQ(parts.Level, 16);
    EXPECT_EQ(parts.Rowers, 4);
    EXPECT_TRUE(parts.Sculls);
    EXPECT_EQ(parts.Sign, '-');
    ASSERT_TRUE(ParseEventName("MixS 8+", parts));
    EXPECT_EQ(parts.Gender, "Mix");
    EXPECT_EQ(parts.Category, U'S');
    ASSERT_TRUE(ParseEventName("M 4-", parts));
    EXPECT_EQ(parts.Category, U'4');
    EXPECT_EQ(parts.Rowers, 0);
    ASSERT_TRUE(ParseEventName("WJ 8+", parts));
    EXPECT_EQ(parts.Level, 18);
    EXPECT_FALSE(ParseEventName("", parts));
    EXPECT_FALSE(ParseEventName("W", parts));
    EXPECT_FALSE(ParseEventName("MS 8+ with a long name", parts));
}

TEST(EventNames, SortOrder) {
    EXPECT_TRUE(EventNameBefore("MS 8+", "MS 4-"));
    EXPECT_TRUE(EventNameBefore("MS 4x", "MS 4-"));
    EXPECT_TRUE(EventNameBefore("MS 4-", "MS 4+"));
    EXPECT_TRUE(EventNameBefore("MS 8+", "MJ 8+"));
    EXPECT_TRUE(EventNameBefore("MJ 8+", "MJ16 8+"));
    EXPECT_FALSE(EventNameBefore("WS 8+", "MS 8+"));
    EXPECT_TRUE(EventNameBefore("MS 8+", "WS 8+"));
    EXPECT_TRUE(EventNameBefore("WS 8+", "MixS 8+"));
    EXPECT_FALSE(EventNameBefore("MixS 8+", "MS 8+"));
    EXPECT_FALSE(EventNameBefore("MS 8+", "MS 8+"));
    EXPECT_FALSE(EventNameBefore("Twenty characters xx", "MS 8+"));
    // A name without a rowers digit counts as 0 rowers.
    EXPECT_TRUE(EventNameBefore("MS 1x", "MS"));
    EXPECT_TRUE(EventNameBefore("MSA 4-", "MSB 4-"));
    EXPECT_FALSE(EventNameBefore("MSO 4-", "MSA 4-"));
    EXPECT_FALSE(EventNameBefore("MSA 4-", "MSO 4-"));
}
