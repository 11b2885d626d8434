#include "model/misccode.h"

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

TEST(ClockAndMoney, FormatsAsTheReportsShowThem) {
    EXPECT_EQ(ClockTimeText(-1), "(NT)");
    EXPECT_EQ(ClockTimeText(5), "0005");
    EXPECT_EQ(ClockTimeText(930), "0930");
    EXPECT_EQ(ClockTimeText(1430), "1430");
    EXPECT_EQ(ClockTimeText(12345), "12345");
    EXPECT_EQ(MoneyText(0), "0.00");
    EXPECT_EQ(MoneyText(1250), "12.50");
    EXPECT_EQ(MoneyText(5), "0.05");
    EXPECT_EQ(MoneyText(-250), "-2.50");
    EXPECT_EQ(MoneyText(5000000000LL), "50000000.00");
    EXPECT_EQ(ClockToMinutes(975), 615);
    EXPECT_EQ(MinutesToClock(615), 1015);
    EXPECT_EQ(MinutesToClock(1450), 2410);
    // Clock values beyond the 32-bit range saturate instead of overflowing.
    EXPECT_EQ(MinutesToClock(2147483647), 2147483647);
    EXPECT_EQ(MinutesToClock(-2147483647 - 1), -2147483647 - 1);
}

TEST(ParseMoney, TakesUnitsAndHundredthsAsWritten) {
    EXPECT_EQ(ParseMoney("7.05"), 705);
    EXPECT_EQ(ParseMoney("12.50"), 1250);
    EXPECT_EQ(ParseMoney("12"), 1200);
    EXPECT_EQ(ParseMoney("12.5"), 1205);
    EXPECT_EQ(ParseMoney(".50"), 5000);
    EXPECT_EQ(ParseMoney(""), 0);
    EXPECT_EQ(ParseMoney("  3.20 "), 320);
    EXPECT_EQ(ParseMoney("abc"), 0);
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

TEST(Random, RepeatsTheSameSequenceFromTheStartState) {
    ResetRandom();
    // state 1 -> 1 * 22695477 + 1 = 22695478; bits 16..30 give 346.
    EXPECT_EQ(NextRandom(), 346);
    const int second = NextRandom();
    ResetRandom();
    NextRandom();
    EXPECT_EQ(NextRandom(), second);
    ResetRandom();
    for (int i = 0; i < 1000; ++i) {
        const int r = RandomBelow(3, 700);
        ASSERT_GE(r, 3);
        ASSERT_LE(r, 3 + 255);
    }
}

TEST(DrawArithmetic, PowersOfTwoAndBitLengths) {
    EXPECT_EQ(NextPowerOfTwo(0), 2);
    EXPECT_EQ(NextPowerOfTwo(1), 2);
    EXPECT_EQ(NextPowerOfTwo(2), 2);
    EXPECT_EQ(NextPowerOfTwo(3), 4);
    EXPECT_EQ(NextPowerOfTwo(9), 16);
    EXPECT_EQ(BitLength(0), 0);
    EXPECT_EQ(BitLength(1), 1);
    EXPECT_EQ(BitLength(3), 2);
    EXPECT_EQ(BitLength(4), 3);
}

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

TEST(EventNames, TextHelpers) {
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
