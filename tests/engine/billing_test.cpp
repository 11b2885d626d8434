#include "engine/model/clockmoney.h"
#include "engine/reports/reports.h"
#include "repmeet.h"

using namespace bm;
using namespace bm::test;

namespace {

class Billing : public RepMeetTest {
protected:
    void SetUp() override {
        RepMeetTest::SetUp();
        meet = Load("rep_small.bmf");
    }
    std::string ClubReport(int mode) {
        return Written([&](std::ostream& out) {
            WriteClubReport(*meet, out, static_cast<ClubReportMode>(mode));
        });
    }
    std::string FeesByEvent() {
        return Written([&](std::ostream& out) { WriteEntryFeesByEvent(*meet, out); });
    }
    const Crew& CrewNamed(const std::string& name) {
        for (const auto& crew : meet->Crews)
            if (crew->Name == name)
                return *crew;
        throw std::runtime_error("no crew " + name);
    }
    static bool HasLine(const std::string& text, const std::string& line) {
        return ("\n" + text).find("\n" + line + "\n") != std::string::npos;
    }

    std::unique_ptr<Boatmeet> meet;
};

} // namespace

TEST_F(Billing, FeeTableOfAClub) {
    const std::string text = ClubReport(1);
    const std::string riverside = "Boatmeet: Software for Windows:  Fees\n"
                                  "  Information for : Riverside\n"
                                  "\n"
                                  "No  Event   Name      Entry DayFee  Total\n"
                                  "--  -----   ----      ----- ------  -----\n"
                                  "1   MS 4-   Alpha      Paid   0.00   0.00\n"
                                  "4   MS 4-   Delta     40.00   0.00  40.00\n"
                                  "7   WJ16 2x Gold      12.50   0.00  12.50\n"
                                  "9   WS 1x   Ivy        0.00   0.00   0.00\n"
                                  "\n"
                                  "Total for Riverside : 52.50\n"
                                  "\n"
                                  "\n";
    EXPECT_EQ(text.substr(0, riverside.size()), riverside);
    // The club without crews is left out; no race times in the fee report.
    EXPECT_EQ(text.find("Winner Prev"), std::string::npos);
    EXPECT_EQ(text.find("Races at"), std::string::npos);
    EXPECT_TRUE(HasLine(text, "Total for Lakeside : 142.50"));
    EXPECT_TRUE(HasLine(text, "10  WS 1x   Jade       Paid   0.00   0.00"));
}

TEST_F(Billing, DayLicencesAreChargedEvenWhenTheEntryIsPaid) {
    CurrentSettings().DayLicCost = 500;
    const std::string text = ClubReport(1);
    EXPECT_TRUE(HasLine(text, "1   MS 4-   Alpha      Paid  10.00  10.00"));
    EXPECT_TRUE(HasLine(text, "6   WJ16 2x Fox       12.50   5.00  17.50"));
    EXPECT_TRUE(HasLine(text, "Total for Riverside : 62.50"));
}

TEST_F(Billing, EarlyPayDiscountPerCrewAndNeverBelowZero) {
    AutoFee& fee = CurrentSettings().AutoFeeSTR;
    fee.DiscountPerCrew = 1;
    fee.EarlyDiscount = 250;
    EXPECT_EQ(CrewEntryFee(*meet, CrewNamed("Echo")), 1000);
    EXPECT_EQ(CrewEntryFee(*meet, CrewNamed("Delta")), 3750);
    EXPECT_EQ(CrewEntryFee(*meet, CrewNamed("Blue")), 4000);
    fee.EarlyDiscount = 5000;
    EXPECT_EQ(CrewEntryFee(*meet, CrewNamed("Delta")), 0);
    EXPECT_TRUE(HasLine(ClubReport(1), "4   MS 4-   Delta      0.00   0.00   0.00"));
    // Per seat (any value but 1), with a cox seat when coxes pay.
    fee.DiscountPerCrew = 0;
    fee.EarlyDiscount = 100;
    fee.CoxesPay = true;
    EXPECT_EQ(CrewEntryFee(*meet, CrewNamed("Echo")), 1250 - 300);
}

TEST_F(Billing, HugeDayLicenceChargesStopInsteadOfOverflowing) {
    CurrentSettings().DayLicCost = ParseMoney("2147483647.99");
    meet->Crews[0]->DayLicences = 2147483647;
    meet->Crews[3]->DayLicences = 2147483647;
    const std::string text = ClubReport(1);
    EXPECT_TRUE(HasLine(text, "Total for Riverside : 92233720368547758.07"));
}

TEST_F(Billing, FeesByEventFromTheSetFeeOrNone) {
    EXPECT_EQ(FeesByEvent(), "\n"
                             "Entry fees for each event\n"
                             "\n"
                             "Event     Entry Fee  Discounted Fee\n"
                             "-----     ---------  --------------\n"
                             "\n"
                             "MS 4-         40.00           40.00  Set for Event\n"
                             "WJ16 2x       12.50           12.50  Set for Event\n"
                             "Mix 8+        90.00           90.00  Set for Event\n"
                             "MN 1x          0.00            0.00  Fee NOT known!\n"
                             "WS 1x          0.00            0.00  Fee NOT known!\n");
}

TEST_F(Billing, AutomaticFeesAndNegativeDiscountedFees) {
    AutoFee& fee = CurrentSettings().AutoFeeSTR;
    fee.AutoFeeOn = true;
    fee.FeePerSeat = 1000;
    fee.CoxesPay = true;
    fee.EarlyDiscount = 250;
    fee.DiscountPerCrew = 1;
    meet->EntryFees.AddWithKey(1, "2.00");
    meet->EntryFees.DeleteKey(3);
    const std::string text = FeesByEvent();
    EXPECT_TRUE(HasLine(text, "MS 4-          2.00           -0.50  Set for Event"));
    EXPECT_TRUE(HasLine(text, "Mix 8+        90.00           87.50  Auto Fee"));
    EXPECT_TRUE(HasLine(text, "MN 1x         10.00            7.50  Auto Fee"));
    // A quad pays no cox seat.
    meet->Events.Rename("MN 1x", "MN 4x");
    EXPECT_TRUE(HasLine(FeesByEvent(), "MN 4x         40.00           37.50  Auto Fee"));
}

TEST_F(Billing, RaceTimesOfAClub) {
    const std::string text = ClubReport(0);
    const std::string riverside = "Boatmeet: Software for Windows:  Race Times\n"
                                  "  Information for : Riverside\n"
                                  "\n"
                                  "1 MS 4- Alpha Riverside\n"
                                  "    Races at:1000\n"
                                  " First race vs:   (2) Lakeside Blue\n"
                                  "Doubling with: 7 WJ16 2x Gold Riverside\n"
                                  "    Races at:0920,0930\n"
                                  "\n"
                                  "4 MS 4- Delta Riverside\n"
                                  "    Races at:0910,1000\n"
                                  " First race vs:   (3) Whakatāne Crimson\n"
                                  "\n"
                                  "7 WJ16 2x Gold Riverside\n"
                                  "    Races at:0920,0930\n"
                                  " First race vs:   (6) Whakatāne Fox\n"
                                  "Notes: Needs lane 1\n"
                                  "Doubling with: 1 MS 4- Alpha Riverside\n"
                                  "    Races at:1000\n"
                                  "\n"
                                  "9 WS 1x Ivy Riverside\n"
                                  "    Races at:\n"
                                  " First race vs:  (10) Whakatāne Jade\n"
                                  "\n"
                                  "\n"
                                  "\n"
                                  "Boatmeet: Software for Windows:  Race Times\n"
                                  "  Information for : Lakeside\n";
    EXPECT_EQ(text.substr(0, riverside.size()), riverside);
    EXPECT_EQ(text.find("Total for"), std::string::npos);
    EXPECT_TRUE(HasLine(text, " First race vs:   (6) Whakatāne Fox or   (7) Riverside Gold"));
    EXPECT_TRUE(HasLine(text, " First race vs: No Opposition"));
    EXPECT_TRUE(HasLine(text, "Boat Share with: 2 MS 4- Blue Lakeside\n    Races at:"));

    CurrentSettings().ShowCrewNotes = false;
    EXPECT_EQ(ClubReport(0).find("Notes:"), std::string::npos);
}

TEST_F(Billing, CombinedReportAndPageBreaksBetweenClubs) {
    CurrentSettings().PageEjectClub = true;
    std::string text = ClubReport(2);
    EXPECT_EQ(text.rfind("Boatmeet: Software for Windows:  Race Times and Fees\n", 0), 0u);
    EXPECT_NE(text.find("Races at"), std::string::npos);
    EXPECT_NE(text.find("Total for Riverside"), std::string::npos);
    // No page break after the last club of the set...
    EXPECT_EQ(text.substr(text.size() - 11), " : 52.50\n\n\n");
    std::size_t breaks = 0;
    for (std::size_t at = text.find("<NP>\n"); at != std::string::npos;
         at = text.find("<NP>\n", at + 1))
        ++breaks;
    EXPECT_EQ(breaks, 2u);
    // ...but one when the last club with crews is not the last of the set.
    meet->Clubs.Add("Zeta");
    text = ClubReport(2);
    EXPECT_EQ(text.substr(text.size() - 16), " : 52.50\n\n\n<NP>\n");
}
