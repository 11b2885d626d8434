#include "engine/model/crew.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace bm;

TEST(Crew, NumberTextAndLinks) {
    Crew crew(3);
    EXPECT_EQ(crew.NumberText(), "");
    crew.Number = 0;
    EXPECT_EQ(crew.NumberText(), "0");
    EXPECT_EQ(crew.AddDoubleUp(3), -1);
    EXPECT_EQ(crew.AddDoubleUp(5), 0);
    EXPECT_EQ(crew.AddDoubleUp(7), 1);
    EXPECT_EQ(crew.AddDoubleUp(5), 0);
    EXPECT_EQ(crew.DoubleUps, (std::vector<int>{5, 7}));
    crew.RemoveDoubleUp(5);
    crew.RemoveDoubleUp(42);
    EXPECT_EQ(crew.DoubleUps, (std::vector<int>{7}));
    EXPECT_EQ(Crew::LinkIdsText({5, 7}), "5 7 ");
    EXPECT_EQ(Crew::LinkIdsText({}), "");
}

TEST(Crew, FileLineRoundTrip) {
    const std::string line =
        R"(Crew: "12" "3" "4" "7" "5 7 " "9 " "Alpha" "Some notes" "2" "1" "0")";
    const Crew crew = Crew::ParseCrewLine(line);
    EXPECT_EQ(crew.Id, 12);
    EXPECT_EQ(crew.ClubKey, 3);
    EXPECT_EQ(crew.EventKey, 4);
    EXPECT_EQ(crew.Number, 7);
    EXPECT_EQ(crew.DoubleUps, (std::vector<int>{5, 7}));
    EXPECT_EQ(crew.BoatShares, (std::vector<int>{9}));
    EXPECT_EQ(crew.Name, "Alpha");
    EXPECT_EQ(crew.Notes, "Some notes");
    EXPECT_EQ(crew.DayLicences, 2);
    EXPECT_TRUE(crew.FeePaid);
    EXPECT_FALSE(crew.EarlyPay);
    std::ostringstream out;
    crew.WriteCrewLine(out);
    EXPECT_EQ(out.str(), line + "\n");
}

TEST(Crew, LenientReading) {
    const Crew own = Crew::ParseCrewLine(R"(Crew: "4" "1" "1" "-1" "4 6 6 " "" "" "" "0" "2" "1")");
    EXPECT_EQ(own.DoubleUps, (std::vector<int>{6}));
    EXPECT_FALSE(own.FeePaid);
    EXPECT_TRUE(own.EarlyPay);
    const Crew shortLine = Crew::ParseCrewLine(R"(Crew: "8" "2")");
    EXPECT_EQ(shortLine.Id, 8);
    EXPECT_EQ(shortLine.ClubKey, 2);
    EXPECT_EQ(shortLine.EventKey, 0);
    EXPECT_EQ(shortLine.Number, 0);
    EXPECT_TRUE(shortLine.DoubleUps.empty());
    EXPECT_EQ(shortLine.Name, "");
}

TEST(Crew, LongLinkListsLoadInLinearTime) {
    // A hand-made or damaged line may list very many ids; each is checked
    // against the earlier ones without a scan of the list.
    constexpr int count = 300000;
    std::string ids;
    for (int id = 1; id <= count; ++id)
        ids += std::to_string(id) + " " + (id % 1000 == 0 ? "7 " : "");
    const Crew crew =
        Crew::ParseCrewLine("Crew: \"5\" \"1\" \"1\" \"-1\" \"" + ids + "\" \"" + ids + "\"");
    ASSERT_EQ(crew.DoubleUps.size(), static_cast<std::size_t>(count - 1));
    EXPECT_EQ(crew.DoubleUps[4], 6); // the own id 5 is left out
    EXPECT_EQ(crew.DoubleUps.back(), count);
    EXPECT_EQ(crew.BoatShares, crew.DoubleUps);
}

TEST(Crew, WritingNeverBreaksTheLine) {
    Crew crew(1);
    crew.Name = "A \"quoted\"\nname";
    std::ostringstream out;
    crew.WriteCrewLine(out);
    EXPECT_EQ(Crew::ParseCrewLine(out.str()).Name, "A 'quoted' name");
}
