#include "engine/reports/reports.h"
#include "repmeet.h"

using namespace bm;
using namespace bm::test;

namespace {

class Listings : public RepMeetTest {
protected:
    void SetUp() override {
        RepMeetTest::SetUp();
        meet = Load("rep_small.bmf");
    }
    template <typename Writer> std::string Text(Writer writer) {
        return Written([&](std::ostream& out) { writer(*meet, out); });
    }

    std::unique_ptr<Boatmeet> meet;
};

} // namespace

TEST_F(Listings, OversizedNamesOnlyAboveTheLimit) {
    EXPECT_EQ(Text(WriteOversizedNames), "Maximum name (\"Club Name\") is 999\n\n");
    CurrentSettings().MaxNameLen = 14;
    // Padded to the longest club and name of all crews (17 characters).
    EXPECT_EQ(Text(WriteOversizedNames),
              "Maximum name (\"Club Name\") is 14\n"
              "\n"
              "Riverside Alpha      Truncated to:     (1) Riverside Alph\n"
              "Whakatāne Crimson    Truncated to:     (3) Whakatāne Crim\n"
              "Riverside Delta      Truncated to:     (4) Riverside Delt\n");
}

TEST_F(Listings, ColoursOnlyForClubsWithCrews) {
    EXPECT_EQ(Text(WriteClubColours), "Riverside   Blue and white\n"
                                      "Lakeside    No colours information\n"
                                      "Whakatāne   Black\n");
}

TEST_F(Listings, ContactsOfEveryClubOneLinePerPart) {
    EXPECT_EQ(Text(WriteClubContacts), "Winner Prev\n"
                                       "  No information\n"
                                       "Riverside\n"
                                       "  J Smith,\n"
                                       "   12 River Rd,\n"
                                       "   Hamilton\n"
                                       "\n"
                                       "Lakeside\n"
                                       "  No information\n"
                                       "Whakatāne\n"
                                       "  Box 7\n"
                                       "\n");
}

TEST_F(Listings, EventTotalsCountCrewsRacesAndRounds) {
    for (int i = 0; i < 3; ++i) {
        auto crew = std::make_unique<Crew>();
        crew->EventKey = 3;
        meet->AddCrew(std::move(crew));
    }
    auto stray = std::make_unique<Crew>();
    stray->EventKey = 42; // an event the set does not hold
    meet->AddCrew(std::move(stray));
    EXPECT_EQ(Text(WriteEventTotals), "Crews  Rounds  Races  Event\n"
                                      "-----  ------  -----  -----\n"
                                      "    4       2      3  MS 4-\n"
                                      "    3       2      2  WJ16 2x\n"
                                      "    4       2      3  Mix 8+\n"
                                      "    0       0      0  MN 1x\n"
                                      "    2       1      1  WS 1x\n"
                                      "\n"
                                      "Total Crews : 13\n"
                                      "Total Races : 9\n");
    meet->AddCrew(std::make_unique<Crew>(*meet->Crews.back()))->EventKey = 3;
    EXPECT_NE(Text(WriteEventTotals).find("    5       3      4  Mix 8+\n"), std::string::npos);
}

TEST_F(Listings, FinalsResults) {
    EXPECT_EQ(Text(WriteFinalsResults), "MS 4-   ***** No result\n"
                                        "WJ16 2x ***** No result\n"
                                        "Mix 8+  ***** No result\n"
                                        "MN 1x   ***** No Draw ??\n"
                                        "WS 1x  Riverside Ivy bt Whakatāne Jade  1/2L\n");
    // The winner of a final may stand in its second place; a final decided
    // while a feeding race is not has no list of crews.
    meet->FindDraw(5)->RaceAt(1).Winner = 10;
    meet->FindDraw(1)->RaceAt(1).Winner = 1;
    CurrentSettings().MaxNameLen = 12;
    EXPECT_EQ(Text(WriteFinalsResults), "MS 4-   ***** No crew list ?\n"
                                        "WJ16 2x ***** No result\n"
                                        "Mix 8+  ***** No result\n"
                                        "MN 1x   ***** No Draw ??\n"
                                        "WS 1x  Whakatāne Ja bt Riverside Iv  1/2L\n");
}

TEST_F(Listings, DrawsByClubHeadsEveryClub) {
    const std::string text = Text(WriteDrawsByClub);
    EXPECT_EQ(text.rfind("\n\nDRAW for : Winner Prev\n\n\nDRAW for : Riverside\n\n\n", 0), 0u);
    // Riverside rows in MS 4-, WJ16 2x and WS 1x: three trees, each with its heading.
    const std::size_t riverside = text.find("DRAW for : Riverside");
    const std::size_t lakeside = text.find("DRAW for : Lakeside");
    const std::string part = text.substr(riverside, lakeside - riverside);
    EXPECT_NE(part.find("\nMS 4-  Sponsored by: Acme Ltd\n=====\n"), std::string::npos);
    EXPECT_NE(part.find("\nWJ16 2x\n=======\n"), std::string::npos);
    EXPECT_NE(part.find("\nWS 1x  Sponsored by: <River & Co>\n=====\n"), std::string::npos);
    EXPECT_EQ(part.find("Mix 8+"), std::string::npos);
}
