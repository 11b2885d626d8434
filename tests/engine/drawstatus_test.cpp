#include "engine/reports/reports.h"
#include "repmeet.h"

using namespace bm;
using namespace bm::test;

namespace {

// One event of four crews: semi-finals 2 (A v B) and 3 (C v D), final 1. The
// periods line and the three race times are filled in per test.
std::string FourCrewMeet(const std::string& periods, int semi1, int semi2, int final) {
    const auto race = [](int index, int time, const std::string& slots) {
        return std::to_string(index) + " -1 " + std::to_string(time) + " 1 2 " + slots + " -1 <>\n";
    };
    return "Boatmeet: \"Status\" \"9\" \"40\" \"20\" \"\" \"\" \"40\" \"0\" \"2\"\n" + periods +
           "\nStrSet: \"Events\" \"1\" \"Junior\"\n"
           "StrSet: \"Clubs\" \"1\" \"Club\"\n"
           "Crew: \"1\" \"1\" \"1\" \"1\" \"\" \"\" \"A\" \"\" \"0\" \"0\" \"0\"\n"
           "Crew: \"2\" \"1\" \"1\" \"2\" \"\" \"\" \"B\" \"\" \"0\" \"0\" \"0\"\n"
           "Crew: \"3\" \"1\" \"1\" \"3\" \"\" \"\" \"C\" \"\" \"0\" \"0\" \"0\"\n"
           "Crew: \"4\" \"1\" \"1\" \"4\" \"\" \"\" \"D\" \"\" \"0\" \"0\" \"0\"\n"
           "Draw:\n1 4\n" +
           race(1, final, "-2 -3") + race(2, semi1, "1 2") + race(3, semi2, "3 4");
}

const std::string Stars(42, '*');

std::string Banner(const std::string& title) {
    return Stars + "\n" + title + "\n" + Stars + "\n";
}

class DrawStatus : public RepMeetTest {
protected:
    std::string Status(Boatmeet& meet, int* problems = nullptr, int showType = 0) {
        std::ostringstream out;
        const int found = WriteDrawStatus(meet, out, static_cast<ShowType>(showType));
        if (problems)
            *problems = found;
        return out.str();
    }
    // The text of section n (1 to 4), from its banner to the next one.
    static std::string Section(const std::string& text, int n) {
        std::vector<std::size_t> banners;
        for (std::size_t at = text.find(Stars + "\n"); at != std::string::npos;
             at = text.find(Stars + "\n", at + 1))
            banners.push_back(at);
        if (banners.size() != 8)
            return "banners missing";
        const std::size_t begin = banners[2 * (n - 1)];
        const std::size_t end = n == 4 ? text.size() : banners[2 * n];
        return text.substr(begin, end - begin);
    }
};

} // namespace

TEST_F(DrawStatus, SoundMeetHasNoProblems) {
    auto meet = FromText(FourCrewMeet("RaceTimeServer: 1  900 1200 10 (0)", 900, 910, 1000));
    meet->BRTime = 5;
    int problems = -1;
    EXPECT_EQ(Status(*meet, &problems),
              Banner("Checking Draw for each event") + " Junior  (4 crews)  Draw is OK\n\n\n" +
                  Banner("Checking for gaps in Race Schedule") +
                  " 0920 : Unfilled Race slot\n 0930 : Unfilled Race slot\n"
                  " 0940 : Unfilled Race slot\n 0950 : Unfilled Race slot\n\n\n" +
                  Banner("Checking that Race Order is valid") +
                  " *** No Sequencing errors detected\n\n\n" +
                  Banner("Checking timetabling for each crew") + "\n\n\n");
    EXPECT_EQ(problems, 4);
    meet->FindDraw(1)->RaceAt(1).Time = 920;
    EXPECT_EQ(Section(Status(*meet, &problems), 2),
              Banner("Checking for gaps in Race Schedule") + " *** No Gaps detected\n\n\n");
    EXPECT_EQ(problems, 0);
}

TEST_F(DrawStatus, EventsWithoutDrawsOrWithUnsoundDraws) {
    Boatmeet meet;
    EXPECT_EQ(Section(Status(meet), 1), Banner("Checking Draw for each event") + "\n\n");
    for (const char* name : {"Senior", "Junior Eights", "Solo", "Empty", "Bad"})
        meet.Events.Add(name);
    const auto add = [&](int event) {
        auto crew = std::make_unique<Crew>();
        crew->EventKey = event;
        return meet.AddCrew(std::move(crew))->Id;
    };
    add(2);
    add(2);
    meet.DrawOfEvent(2); // a draw object without races
    meet.DrawOfEvent(3).Build({add(3)}, false);
    meet.DrawOfEvent(4).Build({}, false);
    meet.DrawOfEvent(5).Build({add(5)}, false);
    add(5); // entered after the draw
    int problems = 0;
    EXPECT_EQ(Section(Status(meet, &problems), 1),
              Banner("Checking Draw for each event") +
                  " Senior          No draw \n"
                  " Junior Eights  (0 crews)  Event is not drawn yet, (2 Crews)\n"
                  " Solo           (1 crews)  Draw is OK\n"
                  " Empty          (0 crews)  No Crews\n"
                  " Bad            (1 crews)  ERROR in Draw event must be redrawn\n"
                  "\n\n");
    EXPECT_EQ(problems, 4);
}

TEST_F(DrawStatus, RacesBetweenTimeSlotsOrSharingOne) {
    const std::string periods = "RaceTimeServer: 1  900 1200 10 (0)";
    auto meet = FromText(FourCrewMeet(periods, 900, 920, 925));
    EXPECT_EQ(Section(Status(*meet), 2), Banner("Checking for gaps in Race Schedule") +
                                             " 0910 : Unfilled Race slot\n"
                                             " 0925 : Race does not fit in with schedule\n\n\n");
    meet = FromText(FourCrewMeet(periods, 900, 900, 910));
    EXPECT_EQ(Section(Status(*meet), 2), Banner("Checking for gaps in Race Schedule") +
                                             " 0900 : Race does not fit in with schedule\n\n\n");
}

TEST_F(DrawStatus, GapCheckEndsWithoutPeriodsOrForFarTimes) {
    // Without periods there are no time slots, so nothing can be a gap.
    auto meet = FromText(FourCrewMeet("RaceTimeServer: 0 ", 900, 920, 1100));
    int problems = 0;
    EXPECT_EQ(Section(Status(*meet, &problems), 2),
              Banner("Checking for gaps in Race Schedule") + " *** No Gaps detected\n\n\n");
    EXPECT_EQ(problems, 0);
    // Sixty thousand races an hour, or a race timed far beyond any slot.
    meet = FromText(FourCrewMeet("RaceTimeServer: 1  900 1200 3600000 (1)", 900, 920, 925));
    EXPECT_GT(WriteDrawStatus(*meet, *std::make_unique<std::ostringstream>(), ShowType::Races), 0);
    meet = FromText(FourCrewMeet("RaceTimeServer: 1  900 1200 10 (0)", 900, 920, 2147483647));
    EXPECT_GT(WriteDrawStatus(*meet, *std::make_unique<std::ostringstream>(), ShowType::Races), 0);
}

TEST_F(DrawStatus, RaceTimedBeforeItsFeederFollowsTheShowType) {
    auto meet = FromText(FourCrewMeet("RaceTimeServer: 1  900 1200 10 (0)", 940, 920, 930));
    const std::string banner = Banner("Checking that Race Order is valid");
    EXPECT_EQ(Section(Status(*meet), 3), banner + " Race occurs BEFORE preceeding round\n"
                                                  "   0930 R*** Winner R***   Winner R*** \n\n\n");
    meet->FindDraw(1)->RaceAt(2).Winner = 1;
    EXPECT_EQ(Section(Status(*meet, nullptr, 1), 3),
              banner + " Race occurs BEFORE preceeding round\n"
                       "   0930 R***   (1) Club A  Winner R*** \n\n\n");
}

TEST_F(DrawStatus, RacesOfOneCrewTooClose) {
    auto meet = FromText(FourCrewMeet("RaceTimeServer: 0 ", 930, 1100, 950));
    const std::string crewA = "\nERRORS for:\n"
                              "Junior   (1) Club A (0930,0950)\n"
                              "*****:\n"
                              "0930,0950 Races too close (Within event)\n";
    const std::string crewB = "\nERRORS for:\n"
                              "Junior   (2) Club B (0930,0950)\n"
                              "*****:\n"
                              "0930,0950 Races too close (Within event)\n";
    EXPECT_EQ(Section(Status(*meet), 4),
              Banner("Checking timetabling for each crew") + crewA + crewB + "\n\n\n");
    // Two races of one crew at the same time are not set against each other.
    meet = FromText(FourCrewMeet("RaceTimeServer: 0 ", 930, 1100, 930));
    EXPECT_EQ(Section(Status(*meet), 4), Banner("Checking timetabling for each crew") + "\n\n\n");
}

TEST_F(DrawStatus, PartnersRacingAtTheSameTime) {
    auto meet = Load("rep_small.bmf");
    meet->FindRaceByNumber(3)->Time = 1000; // Gold's heat against Alpha's final
    const std::string section = Section(Status(*meet), 4);
    EXPECT_NE(section.find("ERRORS for:\n"
                           "MS 4-   (1) Riverside Alpha (1000)\n"
                           " D/Up: WJ16 2x   (7) Riverside Gold (1000,0930)\n"
                           "*****:\n"
                           "1000,1000 Races too close (Crew/Double Up)\n"
                           "0930,1000 Races too close (Crew/Double Up)\n"),
              std::string::npos);
    EXPECT_NE(section.find("*****:\n"
                           "0930,1000 Races too close (Within event)\n"
                           "1000,1000 Races too close (Crew/Double Up)\n"
                           "1000,0930 Races too close (Crew/Double Up)\n"),
              std::string::npos);
}
