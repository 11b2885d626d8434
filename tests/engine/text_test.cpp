#include "engine/model/random.h"
#include "engine/model/text.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

using namespace bm;

TEST(QuotedField, TakesTheTextBetweenTheRightPairOfQuotes) {
    const std::string line = R"(StrSet: "Events" "3" "MS 4-")";
    EXPECT_EQ(QuotedField(line, 0), "Events");
    EXPECT_EQ(QuotedField(line, 1), "3");
    EXPECT_EQ(QuotedField(line, 2), "MS 4-");
    EXPECT_EQ(QuotedField(line, 3), "");
    EXPECT_EQ(QuotedField(R"(Crew: "1" "2)", 1), "2");
}

TEST(QuotedField, AllFieldsAtOnceMatchFieldByField) {
    // Lines of quotes, letters and blanks; few and many fields (the latter
    // take the one-field-at-a-time path).
    ResetRandom();
    for (int round = 0; round < 500; ++round) {
        std::string line;
        for (int i = RandomBelow(0, 60); i > 0; --i)
            line += "\"\"a b"[RandomBelow(0, 5)];
        std::vector<std::string_view> few(11);
        std::vector<std::string_view> many(40);
        QuotedFields(line, few);
        QuotedFields(line, many);
        for (int k = 0; k < 40; ++k) {
            if (k < 11) {
                ASSERT_EQ(few[k], QuotedField(line, k)) << line << " field " << k;
            }
            ASSERT_EQ(many[k], QuotedField(line, k)) << line << " field " << k;
        }
    }
}

TEST(Padding, PadsWithoutCuttingAndCountsCharacters) {
    std::ostringstream out;
    PadRight("ab", 4, out);
    PadLeft("cd", 4, out);
    PadRight("toolong", 3, out);
    EXPECT_EQ(out.str(), "ab    cdtoolong");
    EXPECT_EQ(PadText("Müller", 8), "Müller  ");
    EXPECT_EQ(PadTextLeft("Whakatāne", 10), " Whakatāne");
    EXPECT_EQ(TextLength("Whakatāne"), 9);
    EXPECT_EQ(FirstChars("Müller", 2), "Mü");
    EXPECT_EQ(FirstChars("ab", 5), "ab");
}

TEST(ReadInt, ReadsLeadingDecimalAndSaturates) {
    EXPECT_EQ(ReadInt("  42abc"), 42);
    EXPECT_EQ(ReadInt("-17"), -17);
    EXPECT_EQ(ReadInt("+5"), 5);
    EXPECT_EQ(ReadInt("x1"), 0);
    EXPECT_EQ(ReadInt(""), 0);
    EXPECT_EQ(ReadInt("99999999999999999999"), 2147483647);
    EXPECT_EQ(ReadInt("-99999999999999999999"), -2147483647 - 1);
    int value = 0;
    EXPECT_TRUE(ParseWholeInt(" 12 ", value));
    EXPECT_EQ(value, 12);
    EXPECT_FALSE(ParseWholeInt("12a", value));
    EXPECT_FALSE(ParseWholeInt("", value));
    EXPECT_FALSE(ParseWholeInt("99999999999", value));
}

TEST(TextHelpers, TruthNameCaseAndCleaning) {
    EXPECT_TRUE(IsTrueText("true"));
    EXPECT_TRUE(IsTrueText("y"));
    EXPECT_FALSE(IsTrueText("yes"));
    EXPECT_EQ(NameCase("ST PETERS BOAT CLUB"), "St Peters Boat Club");
    EXPECT_EQ(NameCase("UK"), "UK");
    EXPECT_EQ(NameCase("SMITH-JONES"), "Smith-Jones");
    EXPECT_EQ(NameCase("  CITY   OF  LONDON\nRC "), "City of London RC");
    EXPECT_EQ(CleanText("a \"b\"\r\nc"), "a 'b'  c");
}

TEST(CleanText, KeepsUtf8AndReadsOtherBytesAsWindows1252) {
    EXPECT_EQ(CleanText("Whakat\u0101ne M\u00fcller"), "Whakat\u0101ne M\u00fcller");
    // A text that is not UTF-8 (a Latin-1 command-line argument, say) would
    // make the whole meet file unreadable as UTF-8; it is converted as an
    // older Windows file would be.
    EXPECT_EQ(CleanText("Caf\xE9 \x80 \"x\""), "Caf\u00e9 \u20ac 'x'");
}
