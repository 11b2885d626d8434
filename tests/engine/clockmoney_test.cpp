#include "engine/model/clockmoney.h"

#include <gtest/gtest.h>

using namespace bm;

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

TEST(MoneyValue, TakesDigitsWithNoneOrTwoHundredthsOnly) {
    EXPECT_EQ(MoneyValue("12"), 1200);
    EXPECT_EQ(MoneyValue("12.50"), 1250);
    EXPECT_EQ(MoneyValue(" \t12.50 \n"), 1250);
    EXPECT_EQ(MoneyValue("0.05"), 5);
    EXPECT_EQ(MoneyValue("007"), 700);
    // The largest amount the settings hold, and a hundredth more.
    EXPECT_EQ(MoneyValue("21474836.47"), MaxMoney);
    EXPECT_EQ(MoneyValue("21474836.48"), std::nullopt);
    EXPECT_EQ(MoneyValue("0000000000000000000000000000012"), 1200);
    for (const char* text :
         {"12.5", "12.", ".50", "12.500", "", "   ", "£30", "abc", "12 50", "1,50", "-3", "+3",
          "12.5O", "1.2.3", "99999999999999999999", "21474837", "99999999999999999999.00"})
        EXPECT_EQ(MoneyValue(text), std::nullopt) << text;
}
