#include "engine/model/racetimeserver.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace bm;

namespace {

std::vector<int> Slots(const RaceTimeServer& server, int count) {
    std::vector<int> times;
    for (int k = 0; k < count; ++k)
        times.push_back(server.SlotTime(k));
    return times;
}

} // namespace

TEST(RaceTimeServer, NoPeriodsMeansNoTimes) {
    RaceTimeServer server;
    EXPECT_EQ(server.SlotTime(0), -1);
    EXPECT_EQ(server.SlotTime(50), -1);
}

TEST(RaceTimeServer, TimeSlotsRunOnPastTheLastPeriod) {
    RaceTimeServer server;
    server.SetPeriods({{900, 1000, 10, 0}});
    EXPECT_EQ(Slots(server, 8), (std::vector<int>{900, 910, 920, 930, 940, 950, 1000, 1010}));
    server.SetPeriods({{900, 930, 15, 0}, {1000, 1100, 20, 0}});
    EXPECT_EQ(Slots(server, 5), (std::vector<int>{900, 915, 930, 1000, 1020}));
    server.SetPeriods({{2300, 2330, 10, 0}});
    EXPECT_EQ(server.SlotTime(11), 2450);
}

TEST(RaceTimeServer, RacesPerHourRoundHalvesDown) {
    RaceTimeServer server;
    server.SetPeriods({{900, 1200, 7, 1}});
    EXPECT_EQ(Slots(server, 8), (std::vector<int>{900, 909, 917, 926, 934, 943, 951, 1000}));
    server.SetPeriods({{900, 1200, 120, 1}});
    EXPECT_EQ(Slots(server, 3), (std::vector<int>{900, 900, 901}));
}

TEST(RaceTimeServer, PeriodsRoundTripInClockForm) {
    RaceTimeServer server;
    const std::vector<RacePeriod> records = {{900, 1200, 75, 0}, {1300, 1630, 12, 1}};
    server.SetPeriods(records);
    EXPECT_EQ(server.GetPeriods(), records);
    std::ostringstream out;
    server.WritePeriods(out);
    EXPECT_EQ(out.str(), "RaceTimeServer: 2  900 1200 75 (0) 1300 1630 12 (1)\n");
    RaceTimeServer read;
    read.ParsePeriodText(out.str().substr(15));
    EXPECT_EQ(read.GetPeriods(), records);
    RaceTimeServer empty;
    std::ostringstream none;
    empty.WritePeriods(none);
    EXPECT_EQ(none.str(), "RaceTimeServer: 0 \n");
}

TEST(RaceTimeServer, ParsesOlderAndOddTexts) {
    RaceTimeServer server;
    server.ParsePeriodText(" 1 0900 1200 5");
    EXPECT_EQ(server.GetPeriods(), (std::vector<RacePeriod>{{900, 1200, 5, 0}}));
    server.ParsePeriodText(" 2 900 1200 10 1300 1630 5");
    EXPECT_EQ(server.GetPeriods(),
              (std::vector<RacePeriod>{{900, 1200, 10, 0}, {1300, 1630, 5, 0}}));
    server.ParsePeriodText("");
    EXPECT_EQ(server.Count(), 0);
    server.ParsePeriodText(" 0 900 1000 5 (0)");
    EXPECT_EQ(server.Count(), 0);
}

TEST(RaceTimeServer, HostileCountsAndZeroIntervalsAreHarmless) {
    RaceTimeServer server;
    server.ParsePeriodText(" 2000000000 900 1200");
    EXPECT_EQ(server.GetPeriods(), (std::vector<RacePeriod>{{900, 1200, 1, 0}}));
    server.ParsePeriodText(" 3 900 1000 0 (0) 1000 1100 10 (0) 1200");
    EXPECT_EQ(server.GetPeriods(), (std::vector<RacePeriod>{{1000, 1100, 10, 0}, {1200, 1, 1, 0}}));
    server.SetPeriods({{900, 1000, 0, 1}, {900, 1000, -5, 0}});
    EXPECT_EQ(server.Count(), 0);
    // More than one race a second would stack endless time slots on one minute.
    server.ParsePeriodText(" 3 900 1000 2000000000 (1) 1000 1100 3600 (1) 1200 1300 5000 (0)");
    EXPECT_EQ(server.GetPeriods(),
              (std::vector<RacePeriod>{{1000, 1100, 3600, 1}, {1200, 1300, 5000, 0}}));
    EXPECT_EQ(server.SlotTime(29), 1000);
    EXPECT_EQ(server.SlotTime(31), 1001);
}

TEST(RaceTimeServer, TimesBeyondTheClockRangeSaturate) {
    RaceTimeServer server;
    const int most = 2147483647;
    server.SetPeriods({{most, most, 1000000, 0}});
    EXPECT_EQ(Slots(server, 3), (std::vector<int>{most, most, most}));
    server.SetPeriods({{900, 1000, most, 0}});
    EXPECT_EQ(Slots(server, 3), (std::vector<int>{900, most, most}));
}
