#include "engine/model/draw.h"

#include "engine/model/crew.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace bm;

namespace {

constexpr int A = 11, B = 12, C = 13, D = 14, E = 15, F = 16;

Draw Built(const std::vector<int>& slots) {
    Draw draw(5);
    draw.Build(slots, false);
    return draw;
}

std::array<int, 2> SlotsOf(const Draw& draw, int index) {
    return draw.RaceAt(index).Slots;
}

std::vector<int> Indexes(const std::vector<Race*>& races) {
    std::vector<int> indexes;
    for (const Race* race : races)
        indexes.push_back(race->Index);
    return indexes;
}

} // namespace

TEST(Race, Texts) {
    Race race;
    EXPECT_EQ(race.Name(), "R***");
    EXPECT_EQ(race.TimeText(), "(NT)");
    race.Number = 7;
    race.Time = 930;
    EXPECT_EQ(race.Name(), "R7  ");
    EXPECT_EQ(race.TimeText(), "0930");
    race.Number = 12345;
    EXPECT_EQ(race.Name(), "R12345");
}

TEST(Race, LineRoundTripAndLenientReading) {
    Race race;
    race.Index = 3;
    race.Number = 4;
    race.Time = 1015;
    race.EventKey = 2;
    race.Slots = {7, -7};
    race.Winner = 7;
    race.Verdict = "1 1/2L <\"x\">";
    std::ostringstream out;
    race.WriteLine(out);
    EXPECT_EQ(out.str(), "3 4 1015 2 2 7 -7 7 <1 1/2L <'x')>\n");
    const Race read = Race::ParseLine("3 4 1015 2 2 7 -7 7 <1 1/2L>");
    EXPECT_EQ(read.Slots, (std::array<int, 2>{7, -7}));
    EXPECT_EQ(read.Winner, 7);
    EXPECT_EQ(read.Verdict, "1 1/2L");
    const Race three = Race::ParseLine("2 -1 -1 2 3 5 6 9 -1 <>");
    EXPECT_EQ(three.Slots, (std::array<int, 2>{5, 6}));
    EXPECT_EQ(three.Winner, -1);
    const Race one = Race::ParseLine("2 -1 -1 2 1 5 -1 <Easily");
    EXPECT_EQ(one.Slots, (std::array<int, 2>{5, 0}));
    EXPECT_EQ(one.Verdict, "Easily");
    const Race bare = Race::ParseLine("2 -1 -1 2 2 5 6");
    EXPECT_EQ(bare.Winner, -1);
    EXPECT_EQ(bare.Verdict, "");
}

TEST(DrawBuild, WalksCrewsOverByes) {
    const Draw three = Built({0, A, B, C});
    EXPECT_EQ(three.Size, 4);
    EXPECT_EQ(SlotsOf(three, 2), (std::array<int, 2>{0, 0}));
    EXPECT_EQ(SlotsOf(three, 3), (std::array<int, 2>{B, C}));
    EXPECT_EQ(SlotsOf(three, 1), (std::array<int, 2>{A, -3}));

    const Draw one = Built({A});
    EXPECT_EQ(one.Size, 2);
    EXPECT_EQ(SlotsOf(one, 1), (std::array<int, 2>{A, 0}));
    const Draw none = Built({});
    EXPECT_EQ(none.Size, 2);
    EXPECT_EQ(none.HeldRaceCount(), 0);

    // Five crews in eight slots with byes at 0, 2 and 5.
    const Draw five = Built({0, A, 0, B, C, 0, D, E});
    EXPECT_EQ(SlotsOf(five, 2), (std::array<int, 2>{A, B}));
    EXPECT_EQ(SlotsOf(five, 3), (std::array<int, 2>{C, -7}));
    EXPECT_EQ(SlotsOf(five, 1), (std::array<int, 2>{-2, -3}));
    EXPECT_EQ(five.PlacedCount(), 5);
    EXPECT_EQ(five.HeldRaceCount(), 4);
    EXPECT_EQ(five.EntryRace(A), 2);
    EXPECT_EQ(five.EntryRace(E), 7);
    EXPECT_EQ(five.EntryRace(F), -1);
}

TEST(DrawBuild, KeepsTimesByIndexOnRequest) {
    Draw draw = Built({A, B, C, D});
    draw.RaceAt(1).Time = 1100;
    draw.RaceAt(3).Time = 1000;
    draw.RaceAt(3).Number = 4;
    draw.RaceAt(3).Winner = C;
    draw.Build({A, B, C, D, E, 0, 0, 0}, true);
    EXPECT_EQ(draw.RaceAt(1).Time, 1100);
    EXPECT_EQ(draw.RaceAt(3).Time, 1000);
    EXPECT_EQ(draw.RaceAt(3).Number, -1);
    EXPECT_EQ(draw.RaceAt(3).Winner, -1);
    EXPECT_EQ(draw.RaceAt(5).Time, -1);
    draw.Build({A, B}, false);
    EXPECT_EQ(draw.RaceAt(1).Time, -1);
}

TEST(DrawQueries, RoundsFeedersAndResults) {
    Draw draw = Built({A, B, C, D, E, 0, F, 0});
    EXPECT_EQ(Draw::RoundName(draw.RaceAt(1)), "Final");
    EXPECT_EQ(Draw::RoundName(draw.RaceAt(3)), "Semi ");
    EXPECT_EQ(Draw::RoundName(draw.RaceAt(4)), "Heat ");
    EXPECT_EQ(SlotsOf(draw, 3), (std::array<int, 2>{E, F}));
    EXPECT_EQ(draw.FeederRace(draw.RaceAt(2), 0), &draw.RaceAt(4));
    EXPECT_EQ(draw.FeederRace(draw.RaceAt(3), 0), nullptr);
    EXPECT_EQ(draw.FeederRace(draw.RaceAt(4), 0), nullptr);
    int crews[2];
    EXPECT_FALSE(draw.ResolveCrews(draw.RaceAt(2), crews));
    draw.RaceAt(4).Winner = A;
    EXPECT_FALSE(draw.ResolveCrews(draw.RaceAt(2), crews));
    draw.RaceAt(5).Winner = D;
    ASSERT_TRUE(draw.ResolveCrews(draw.RaceAt(2), crews));
    EXPECT_EQ(crews[0], A);
    EXPECT_EQ(crews[1], D);
    std::vector<int> candidates;
    draw.AppendSlotCandidates(draw.RaceAt(1), 0, candidates);
    EXPECT_EQ(candidates, (std::vector<int>{A, D}));
    candidates.clear();
    draw.AppendSlotCandidates(draw.RaceAt(4), 0, candidates);
    draw.AppendSlotCandidates(draw.RaceAt(4), 1, candidates);
    EXPECT_EQ(candidates, (std::vector<int>{A}));
    std::vector<int> possible;
    draw.AppendPossibleCrews(draw.RaceAt(1), possible);
    EXPECT_EQ(possible, (std::vector<int>{A, B, C, D, E, F}));
    Race otherEvent = draw.RaceAt(1);
    otherEvent.EventKey = 9;
    possible.clear();
    draw.AppendPossibleCrews(otherEvent, possible);
    EXPECT_TRUE(possible.empty());
    std::vector<int> opponents;
    draw.AppendOpponents(A, opponents);
    EXPECT_EQ(opponents, (std::vector<int>{B}));
    draw.AppendOpponents(E, opponents);
    EXPECT_EQ(opponents, (std::vector<int>{F}));
    int time = 0;
    EXPECT_FALSE(draw.NextRaceTime(draw.RaceAt(1), time));
    draw.RaceAt(1).Time = 1200;
    ASSERT_TRUE(draw.NextRaceTime(draw.RaceAt(3), time));
    EXPECT_EQ(time, 1200);
}

TEST(DrawQueries, OpponentsOfAWalkedOverCrewComeFromOneRoundBelow) {
    const Draw draw = Built({0, A, B, C, D, E, F, 0});
    std::vector<int> opponents;
    draw.AppendOpponents(A, opponents);
    EXPECT_EQ(opponents, (std::vector<int>{B, C}));
    draw.AppendOpponents(F, opponents);
    EXPECT_EQ(opponents, (std::vector<int>{D, E}));
    const Draw lone = Built({A});
    lone.AppendOpponents(A, opponents);
    EXPECT_TRUE(opponents.empty());
}

TEST(DrawQueries, PathsAndTimes) {
    Draw draw = Built({A, B, C, D});
    draw.RaceAt(2).Time = 900;
    draw.RaceAt(1).Time = 1000;
    EXPECT_EQ(draw.TimedPathCount(A), 2);
    EXPECT_EQ(draw.LatestPathTime(C), 1000);
    EXPECT_EQ(draw.LatestPathTime(F), -1);
    std::vector<const Race*> untimed;
    draw.AppendUntimedPathRaces(C, untimed);
    ASSERT_EQ(untimed.size(), 1u);
    EXPECT_EQ(untimed[0]->Index, 3);
    std::vector<int> times;
    EXPECT_EQ(draw.AppendRemainingTimes(A, times), 0);
    EXPECT_EQ(times, (std::vector<int>{900, 1000}));
    draw.RaceAt(2).Winner = A;
    times.clear();
    EXPECT_EQ(draw.AppendRemainingTimes(A, times), 0);
    EXPECT_EQ(times, (std::vector<int>{1000}));
    times.clear();
    EXPECT_EQ(draw.AppendRemainingTimes(B, times), A);
    EXPECT_TRUE(times.empty());
    EXPECT_EQ(draw.AppendRemainingTimes(F, times), -1);
    // A result that names no crew is still a race this crew did not win: the walk ends.
    draw.RaceAt(3).Winner = 0;
    times.clear();
    EXPECT_EQ(draw.AppendRemainingTimes(C, times), 0);
    EXPECT_TRUE(times.empty());
    draw.RaceAt(3).Winner = -1;
    std::vector<int> feeders;
    EXPECT_FALSE(draw.AppendFeederTimes(draw.RaceAt(2), feeders));
    EXPECT_TRUE(draw.AppendFeederTimes(draw.RaceAt(1), feeders));
    EXPECT_EQ(feeders, (std::vector<int>{900, -1}));
    EXPECT_TRUE(draw.TimeOrderOk(1));
    draw.RaceAt(3).Time = 1000;
    EXPECT_FALSE(draw.TimeOrderOk(1));
    EXPECT_TRUE(draw.TimeOrderOk(2));
    draw.ClearTimes();
    EXPECT_EQ(draw.LatestPathTime(A), -1);
}

TEST(DrawQueries, ContestedAndTimeableRaces) {
    Draw draw = Built({0, A, B, C, D, E, F, 0});
    std::vector<Race*> contested;
    draw.AppendContested(contested);
    EXPECT_EQ(Indexes(contested), (std::vector<int>{5, 6, 2, 3, 1}));
    EXPECT_EQ(draw.UntimedContestedCount(), 5);
    EXPECT_EQ(draw.RoundsLeftToTime(), 3);
    std::vector<Race*> timeable;
    draw.AppendTimeable(timeable);
    EXPECT_EQ(Indexes(timeable), (std::vector<int>{5, 6}));
    draw.RaceAt(5).Time = 900;
    timeable.clear();
    draw.AppendTimeable(timeable);
    EXPECT_EQ(Indexes(timeable), (std::vector<int>{2, 6}));
    std::vector<Race*> earliest{&draw.RaceAt(1)};
    draw.AppendTimeableEarliestRound(earliest);
    EXPECT_EQ(Indexes(earliest), (std::vector<int>{1, 6}));
    draw.RaceAt(6).Time = 905;
    EXPECT_EQ(draw.UntimedContestedCount(), 3);
    EXPECT_EQ(draw.RoundsLeftToTime(), 2);
    // A race with an empty slot is never timeable.
    const Draw lone = Built({A});
    Draw copy = lone;
    timeable.clear();
    copy.AppendTimeable(timeable);
    EXPECT_TRUE(timeable.empty());
}

TEST(DrawLeafOrder, CompressAndSpace) {
    const Draw three = Built({0, A, B, C});
    EXPECT_EQ(three.LeafOrder(false, false), (std::vector<int>{A, 0, B, C}));
    EXPECT_EQ(three.LeafOrder(true, false), (std::vector<int>{A, B, C}));
    EXPECT_EQ(three.LeafOrder(true, true), (std::vector<int>{A, 0, B, C}));
    const Draw full = Built({A, B, C, D});
    EXPECT_EQ(full.LeafOrder(true, true), (std::vector<int>{A, B, 0, C, D}));
    const Draw empty = Built({});
    EXPECT_EQ(empty.LeafOrder(true, true), (std::vector<int>{0}));
    EXPECT_EQ(empty.LeafOrder(false, false), (std::vector<int>{0, 0}));
}

TEST(DrawLeafOrder, NumbersCrewsInFirstRoundOrder) {
    const Draw draw = Built({0, A, B, C});
    std::vector<Crew> crews{Crew(A), Crew(B), Crew(C)};
    int counter = 5;
    draw.NumberCrews(counter, [&](int id) { return &crews[static_cast<std::size_t>(id - A)]; });
    EXPECT_EQ(crews[0].Number, 5);
    EXPECT_EQ(crews[1].Number, 6);
    EXPECT_EQ(crews[2].Number, 7);
    EXPECT_EQ(counter, 8);
}

TEST(DrawValidity, HandMadeDrawsOfSizesTwoToSixteen) {
    EXPECT_TRUE(Built({A, B}).IsValid({A, B}));
    EXPECT_TRUE(Built({A}).IsValid({A}));
    EXPECT_FALSE(Built({}).IsValid({}));
    EXPECT_FALSE(Draw(5).IsValid({}));
    EXPECT_TRUE(Built({0, A, B, C}).IsValid({A, B, C}));
    EXPECT_FALSE(Built({0, A, B, C}).IsValid({A, B, C, D}));
    EXPECT_FALSE(Built({0, A, B, C}).IsValid({A, B}));
    EXPECT_TRUE(Built({0, A, 0, B, C, 0, D, E}).IsValid({A, B, C, D, E}));
    // Two byes in one first-round race leave a race nobody enters.
    EXPECT_FALSE(Built({0, 0, A, B, C, D, E, F}).IsValid({A, B, C, D, E, F}));
    std::vector<int> sixteen;
    std::vector<int> crews;
    for (int i = 0; i < 16; ++i) {
        sixteen.push_back(i % 2 == 0 && i < 6 ? 0 : 100 + i);
        if (sixteen.back())
            crews.push_back(100 + i);
    }
    EXPECT_TRUE(Built(sixteen).IsValid(crews));
}

TEST(DrawValidity, CrewsMustEnterWithinTwoRounds) {
    // One crew enters in the first round of a size-8 draw, another only in the final.
    Draw draw = Built({A, B, C, D, E, F, 0, 0});
    draw.RaceAt(1).Slots = {-2, 44};
    EXPECT_FALSE(draw.IsValid({A, B, C, D, E, F, 44}));
}

TEST(DrawValidity, LargeDrawsAreJudgedOnTheirOwnPositions) {
    // 1100 crews in 2048 first-round slots, byes spread as the drawing spreads them.
    const int n = 2048;
    const int crewCount = 1100;
    const int byes = n - crewCount;
    std::vector<int> slots(n, 1);
    for (int i = 0; i < byes; ++i)
        slots[static_cast<std::size_t>(n * i / byes)] = 0;
    std::vector<int> crews;
    for (int& slot : slots)
        if (slot)
            crews.push_back(slot = 1000 + static_cast<int>(crews.size()));
    EXPECT_TRUE(Built(slots).IsValid(crews));
}

TEST(DrawBlock, WritesAndRepairsItsTable) {
    Draw draw = Built({A, B, C});
    draw.RaceAt(2).Winner = A;
    draw.RaceAt(2).Verdict = "Easily";
    std::ostringstream out;
    draw.WriteTo(out);
    EXPECT_EQ(out.str(), "Draw:\n5 4\n"
                         "1 -1 -1 5 2 -2 13 -1 <>\n"
                         "2 -1 -1 5 2 11 12 11 <Easily>\n"
                         "3 -1 -1 5 2 0 0 -1 <>\n");
    Draw read(5);
    read.ReadBlock(4, {"2 -1 -1 5 2 11 12 11 <Easily>", "9 1 1 5 2 1 1 -1 <>"});
    EXPECT_EQ(read.Size, 4);
    EXPECT_EQ(read.RaceAt(2).Winner, A);
    EXPECT_EQ(read.RaceAt(1).Index, 1);
    EXPECT_EQ(read.RaceAt(1).EventKey, 5);
    EXPECT_EQ(read.RaceAt(3).Slots, (std::array<int, 2>{0, 0}));
    read.ReadBlock(6, {});
    EXPECT_EQ(read.Size, 0);
    EXPECT_FALSE(read.HasRaces());
}

TEST(DrawEdit, RemoveCrewEmptiesItsSlot) {
    Draw draw = Built({0, A, B, C});
    draw.RemoveCrew(B);
    EXPECT_EQ(SlotsOf(draw, 3), (std::array<int, 2>{0, C}));
    draw.RemoveCrew(99);
    EXPECT_EQ(draw.PlacedCount(), 2);
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
