#include "engine/model/boatmeet.h"
#include "engine/schedule/numbering.h"

#include <gtest/gtest.h>

using namespace bm;

namespace {

// Two events drawn from crews 1..n each; the event added second gets the
// smaller key, and its draw stands second in the meet's list.
class NumberingTest : public ::testing::Test {
protected:
    void SetUp() override {
        second = meet.Events.AddWithKey(5, "Second");
        first = meet.Events.AddWithKey(2, "First");
        Draw(second, 4);
        Draw(first, 2);
    }
    void Draw(int key, int crews) {
        std::vector<int> slots;
        for (int i = 0; i < crews; ++i) {
            auto crew = std::make_unique<Crew>();
            crew->EventKey = key;
            slots.push_back(meet.AddCrew(std::move(crew))->Id);
        }
        meet.DrawOfEvent(key).Build(slots, false);
    }
    Race& RaceOf(int key, int index) { return meet.DrawOfEvent(key).RaceAt(index); }
    // Each race of the list as key/index.
    std::vector<std::string> ListText() {
        std::vector<std::string> list;
        for (const Race* race : meet.RaceList)
            list.push_back(std::to_string(race->EventKey) + "/" + std::to_string(race->Index));
        return list;
    }

    Boatmeet meet;
    int first = 0;
    int second = 0;
};

TEST_F(NumberingTest, RaceListPutsTimedRacesFirstThenEventsByKey) {
    meet.CollectRaces();
    EXPECT_EQ(ListText(), (std::vector<std::string>{"2/1", "5/2", "5/3", "5/1"}))
        << "untimed races by event key, round by round within an event";
    RaceOf(second, 1).Time = 1000;
    RaceOf(second, 3).Time = 930;
    RaceOf(first, 1).Time = 930;
    meet.CollectRaces();
    // Equal times keep the order of the draws in the meet's list.
    EXPECT_EQ(ListText(), (std::vector<std::string>{"5/3", "2/1", "5/1", "5/2"}));
}

TEST_F(NumberingTest, NumbersFollowTheRaceList) {
    RaceOf(second, 3).Time = 900;
    NumberRaces(meet);
    EXPECT_EQ(RaceOf(second, 3).Number, 1);
    EXPECT_EQ(RaceOf(first, 1).Number, 2);
    EXPECT_EQ(RaceOf(second, 2).Number, 3);
    EXPECT_EQ(RaceOf(second, 1).Number, 4);
    EXPECT_EQ(meet.FindRaceByNumber(3), &RaceOf(second, 2));
    EXPECT_EQ(meet.FindRaceByNumber(5), nullptr);
}

TEST_F(NumberingTest, UnnumberedRacesAreNotFoundByNegativeNumbers) {
    meet.CollectRaces();
    EXPECT_EQ(meet.FindRaceByNumber(-1), nullptr);
    EXPECT_EQ(meet.FindRaceByNumber(0), nullptr);
}

TEST_F(NumberingTest, ClearingTimesKeepsNumbers) {
    NumberRaces(meet);
    RaceOf(second, 2).Time = 900;
    ClearRaceTimes(meet);
    EXPECT_EQ(RaceOf(second, 2).Time, -1);
    EXPECT_EQ(RaceOf(second, 2).Number, 2);
}

TEST_F(NumberingTest, RealignLaysTheOrderOntoNewTimeSlots) {
    RaceOf(second, 2).Time = 900;
    RaceOf(second, 3).Time = 905;
    RaceOf(first, 1).Time = 915;
    NumberRaces(meet);
    meet.RaceTimes.SetPeriods({{1000, 1200, 10, 0}});
    RealignRaces(meet);
    EXPECT_EQ(RaceOf(second, 2).Time, 1000);
    EXPECT_EQ(RaceOf(second, 3).Time, 1010);
    EXPECT_EQ(RaceOf(first, 1).Time, 1020);
    EXPECT_EQ(RaceOf(second, 1).Time, -1) << "untimed races stay untimed";
    EXPECT_EQ(RaceOf(first, 1).Number, 3) << "numbers do not change";

    meet.RaceTimes.SetPeriods({});
    RealignRaces(meet);
    for (const Race* race : meet.RaceList)
        EXPECT_EQ(race->Time, -1);
}

} // namespace
