#include "engine/model/settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

using namespace bm;

namespace {

class FeeTest : public ::testing::Test {
protected:
    void SetUp() override { CurrentSettings() = Settings{}; }
    void TearDown() override { CurrentSettings() = Settings{}; }
    AutoFee& fee = CurrentSettings().AutoFeeSTR;
};

std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (int value : values)
        bytes.push_back(static_cast<char>(value));
    return bytes;
}

} // namespace

TEST(SettingsDefaults, AreThoseOfAFreshInstallation) {
    const Settings s;
    EXPECT_EQ(s.MaxNameLen, 999);
    EXPECT_EQ(s.SetCrewName, "<new crew>");
    EXPECT_TRUE(s.CompressDT && s.SpacedDT && s.ShowRaceNoDT && s.ShowSponsor && s.RecordMoves &&
                s.ShowCrewNotes);
    EXPECT_FALSE(s.PageEjectClub || s.SplitOnBlankLine || s.ShowLaneInfo ||
                 s.EarlyRegDiscountActive || s.AllowTC || s.CheckTC);
    EXPECT_EQ(s.Lane1Info, "");
    EXPECT_EQ(s.Lane2Info, "");
    EXPECT_EQ(s.DayLicCost, 0);
    EXPECT_EQ(s.AutoFeeSTR, AutoFee{});
}

TEST_F(FeeTest, AutoEntryFeeCountsSeatsAndCoxes) {
    fee.FeePerSeat = 1000;
    fee.CoxesPay = true;
    EXPECT_EQ(AutoEntryFee("MS 8+"), 0); // off
    fee.AutoFeeOn = true;
    EXPECT_EQ(AutoEntryFee("MS 8+"), 9000);
    EXPECT_EQ(AutoEntryFee("MS 4-"), 4000);
    EXPECT_EQ(AutoEntryFee("MS 4+"), 5000);
    EXPECT_EQ(AutoEntryFee("WS 1x"), 1000);
    fee.CoxesPay = false;
    EXPECT_EQ(AutoEntryFee("MS 8+"), 8000);
    // Amounts are 64-bit: the largest fee does not overflow.
    fee.FeePerSeat = INT32_MAX;
    fee.CoxesPay = true;
    EXPECT_EQ(AutoEntryFee("MS 8+"), 9LL * INT32_MAX);
}

TEST_F(FeeTest, EarlyPayDiscountPerSeatOrPerCrew) {
    fee.EarlyDiscount = 100;
    fee.CoxesPay = true;
    EXPECT_EQ(EarlyPayDiscount("MS 4-"), 500);
    EXPECT_EQ(EarlyPayDiscount("WS 1x"), 200);
    fee.CoxesPay = false;
    EXPECT_EQ(EarlyPayDiscount("MS 4-"), 400);
    fee.DiscountPerCrew = 1;
    for (const char* event : {"MS 8+", "MS 4-", "WS 1x"})
        EXPECT_EQ(EarlyPayDiscount(event), 100) << event;
    fee.DiscountPerCrew = 2; // only 1 means per crew
    EXPECT_EQ(EarlyPayDiscount("MS 4-"), 400);
}

TEST(AutoFeeRecord, IsSixteenLittleEndianBytes) {
    AutoFee fee;
    fee.FeePerSeat = 0x01020304;
    fee.EarlyDiscount = -2;
    fee.DiscountPerCrew = 1;
    fee.AutoFeeOn = true;
    fee.CoxesPay = false;
    const std::string bytes = EncodeAutoFee(fee);
    EXPECT_EQ(bytes, Bytes({4, 3, 2, 1, 0xFE, 0xFF, 0xFF, 0xFF, 1, 0, 0, 0, 1, 0, 0, 0}));
    EXPECT_EQ(DecodeAutoFee(bytes), fee);
    EXPECT_EQ(EncodeAutoFee(AutoFee{}), std::string(16, '\0'));

    // Any non-zero flag byte is on; the reserved bytes are not read.
    const auto read = DecodeAutoFee(Bytes({0xE8, 3, 0, 0, 100, 0, 0, 0, 0, 0, 0, 0, 7, 1, 9, 9}));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->FeePerSeat, 1000);
    EXPECT_EQ(read->EarlyDiscount, 100);
    EXPECT_TRUE(read->AutoFeeOn);
    EXPECT_TRUE(read->CoxesPay);

    EXPECT_FALSE(DecodeAutoFee(std::string(15, '\0')));
    EXPECT_FALSE(DecodeAutoFee(std::string(17, '\0')));
    EXPECT_FALSE(DecodeAutoFee(""));
}

TEST(RecentFiles, SeventeenOpenedLeaveTheSixteenNewest) {
    std::vector<std::string> list;
    for (int i = 1; i <= 17; ++i)
        AddRecentFile(list, "/meets/m" + std::to_string(i) + ".bmf");
    ASSERT_EQ(list.size(), 16u);
    EXPECT_EQ(list.front(), "/meets/m17.bmf");
    EXPECT_EQ(list.back(), "/meets/m2.bmf");

    // A listed file opened again moves to the front, whatever its letter case.
    AddRecentFile(list, "/MEETS/M5.BMF");
    ASSERT_EQ(list.size(), 16u);
    EXPECT_EQ(list.front(), "/MEETS/M5.BMF");
    EXPECT_EQ(std::count(list.begin(), list.end(), "/meets/m5.bmf"), 0);
    EXPECT_EQ(list.back(), "/meets/m2.bmf");
}

TEST(RecentFiles, EmptyAndOverlongNamesAreNotAdded) {
    std::vector<std::string> list{"a.bmf"};
    AddRecentFile(list, "");
    AddRecentFile(list, std::string(256, 'x'));
    EXPECT_EQ(list, (std::vector<std::string>{"a.bmf"}));
    AddRecentFile(list, std::string(255, 'x'));
    EXPECT_EQ(list.size(), 2u);
    // The record keeps lengths in bytes: 128 two-byte letters are 256 bytes.
    std::string accented;
    for (int i = 0; i < 128; ++i)
        accented += "é";
    AddRecentFile(list, accented);
    EXPECT_EQ(list.size(), 2u);
    // Case folding is ASCII only: these are different names.
    AddRecentFile(list, "é.bmf");
    AddRecentFile(list, "É.bmf");
    EXPECT_EQ(list.size(), 4u);
}

TEST(RecentFiles, UsedFileRecord) {
    const std::vector<std::string> list{"ab", "", "c"};
    const std::string bytes = EncodeRecentFiles(list);
    EXPECT_EQ(bytes, Bytes({3, 2, 'a', 'b', 0, 1, 'c'}));
    EXPECT_EQ(DecodeRecentFiles(bytes), list);
    EXPECT_EQ(EncodeRecentFiles({}), Bytes({0}));
    EXPECT_TRUE(DecodeRecentFiles("").empty());

    // A name too long for its length byte is left out rather than corrupting the record.
    EXPECT_EQ(EncodeRecentFiles({std::string(300, 'x'), "ok"}), Bytes({1, 2, 'o', 'k'}));

    // A record cut short or claiming more names than it holds keeps what is whole.
    EXPECT_EQ(DecodeRecentFiles(Bytes({5, 2, 'a', 'b', 4, 'c', 'd'})),
              (std::vector<std::string>{"ab"}));
    EXPECT_EQ(DecodeRecentFiles(Bytes({1, 2, 'a', 'b', 'z', 'z'})),
              (std::vector<std::string>{"ab"}));
}
