#include "engine/draw/randomdraw.h"
#include "engine/schedule/numbering.h"

#include "drawmeet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>

using namespace bm;
using bm::test::DrawMeet;

namespace {

std::vector<std::array<int, 2>> AllSlots(const Draw& draw) {
    std::vector<std::array<int, 2>> slots;
    for (int i = 1; i < draw.Size; ++i)
        slots.push_back(draw.RaceAt(i).Slots);
    return slots;
}

std::vector<int> Ids(const std::vector<Crew*>& crews) {
    std::vector<int> ids;
    for (const Crew* crew : crews)
        ids.push_back(crew->Id);
    return ids;
}

// An event of crews from the given clubs (club i named "Ci"), in that order.
struct ClubEvent : DrawMeet {
    int event = Event("MS 4-");
    std::vector<int> ids;
    std::map<int, int> clubOf; // crew id -> the club's number in the list
    explicit ClubEvent(const std::vector<int>& clubs) {
        for (int club : clubs) {
            while (meet.Clubs.Count() <= club)
                Club("C" + std::to_string(meet.Clubs.Count()));
            ids.push_back(AddCrew(event, meet.Clubs.KeyOf("C" + std::to_string(club)), "x"));
            clubOf[ids.back()] = club;
        }
    }
    std::vector<Crew*> Crews() const { return meet.ListEventCrews(event, true); }
    int ClubOf(int id) const { return clubOf.at(id); }
};

// The first-round entry of every crew, to the pair: a crew that walked over a
// bye stands at the first entry of its pair.
std::map<int, int> EntryOfCrews(const Draw& draw) {
    std::map<int, int> entries;
    const std::vector<int> rows = draw.LeafOrder(false, false);
    for (int i = 0; i < static_cast<int>(rows.size()); ++i)
        if (rows[i] > 0)
            entries.emplace(rows[i], i);
    return entries;
}

// The round in which crews from two first-round entries can meet (1 = first round).
int MeetingRound(int p, int q) {
    return BitLength(p ^ q);
}

} // namespace

TEST(TakeLargestClubGroup, BiggestClubFirstInReverseListOrder) {
    ClubEvent m({1, 2, 2, 1, 3});
    std::vector<Crew*> remaining = m.Crews();
    std::vector<Crew*> group{remaining[4]};
    // Clubs 1 and 2 have two crews each; club 1's first crew stands earlier.
    TakeLargestClubGroup(remaining, group);
    EXPECT_EQ(Ids(group), (std::vector<int>{m.ids[3], m.ids[0]}));
    EXPECT_EQ(Ids(remaining), (std::vector<int>{m.ids[1], m.ids[2], m.ids[4]}));
    TakeLargestClubGroup(remaining, group);
    EXPECT_EQ(Ids(group), (std::vector<int>{m.ids[2], m.ids[1]}));
    TakeLargestClubGroup(remaining, group);
    EXPECT_EQ(Ids(group), (std::vector<int>{m.ids[4]}));
    EXPECT_TRUE(remaining.empty());
    TakeLargestClubGroup(remaining, group);
    EXPECT_TRUE(group.empty());

    ClubEvent later({3, 1, 2, 1});
    remaining = later.Crews();
    TakeLargestClubGroup(remaining, group);
    EXPECT_EQ(Ids(group), (std::vector<int>{later.ids[3], later.ids[1]}));
    EXPECT_EQ(Ids(remaining), (std::vector<int>{later.ids[0], later.ids[2]}));
}

TEST(DrawCrews, ByesSpreadOverTheFirstRound) {
    ClubEvent five({1, 2, 3, 4, 5});
    std::vector<Crew*> crews = five.Crews();
    Draw& draw = five.DrawOf(five.event);
    DrawCrews(draw, crews);
    EXPECT_TRUE(crews.empty());
    // Byes at entries 0, 2 and 5: races 4, 5 and 6 are walked over, race 7 is rowed.
    ASSERT_EQ(draw.Size, 8);
    for (int i : {4, 5, 6})
        EXPECT_EQ(draw.RaceAt(i).Slots, (std::array<int, 2>{0, 0})) << i;
    EXPECT_TRUE(draw.RaceAt(7).IsContested());
    EXPECT_GT(draw.RaceAt(2).Slots[0], 0);
    EXPECT_GT(draw.RaceAt(2).Slots[1], 0);
    EXPECT_GT(draw.RaceAt(3).Slots[0], 0);
    EXPECT_EQ(draw.RaceAt(3).Slots[1], -7);
    EXPECT_EQ(draw.RaceAt(1).Slots, (std::array<int, 2>{-2, -3}));
    EXPECT_EQ(draw.PlacedCount(), 5);

    ClubEvent three({1, 2, 3});
    crews = three.Crews();
    Draw& small = three.DrawOf(three.event);
    DrawCrews(small, crews);
    ASSERT_EQ(small.Size, 4);
    EXPECT_EQ(small.RaceAt(2).Slots, (std::array<int, 2>{0, 0}));
    EXPECT_TRUE(small.RaceAt(3).IsContested());
    EXPECT_GT(small.RaceAt(1).Slots[0], 0);
    EXPECT_EQ(small.RaceAt(1).Slots[1], -3);
}

TEST(DrawCrews, TwoOneAndNoCrews) {
    ClubEvent two({1, 1});
    std::vector<Crew*> crews = two.Crews();
    Draw& pair = two.DrawOf(two.event);
    DrawCrews(pair, crews);
    ASSERT_EQ(pair.Size, 2);
    const std::set<int> finalists{pair.RaceAt(1).Slots[0], pair.RaceAt(1).Slots[1]};
    EXPECT_EQ(finalists, (std::set<int>{two.ids[0], two.ids[1]}));

    ClubEvent one({1});
    crews = one.Crews();
    Draw& lone = one.DrawOf(one.event);
    DrawCrews(lone, crews);
    ASSERT_EQ(lone.Size, 2);
    EXPECT_EQ(lone.RaceAt(1).Slots, (std::array<int, 2>{0, one.ids[0]}));

    ClubEvent none({});
    crews.clear();
    Draw& empty = none.DrawOf(none.event);
    DrawCrews(empty, crews);
    ASSERT_EQ(empty.Size, 2);
    EXPECT_EQ(empty.RaceAt(1).Slots, (std::array<int, 2>{0, 0}));
    EXPECT_EQ(empty.HeldRaceCount(), 0);
}

TEST(DrawCrews, KeepsClubsApart) {
    // Whatever the generator's state, four crews of each of two clubs in eight
    // slots give every first-round race one crew of each club.
    for (int skip = 0; skip < 60; ++skip) {
        ClubEvent m({1, 2, 1, 2, 2, 1, 1, 2});
        ResetRandom();
        for (int i = 0; i < skip; ++i)
            NextRandom();
        DrawEvent(m.meet, m.event);
        const Draw& draw = m.DrawOf(m.event);
        ASSERT_EQ(draw.PlacedCount(), 8);
        for (int i = 4; i < 8; ++i) {
            const Race& race = draw.RaceAt(i);
            EXPECT_NE(m.ClubOf(race.Slots[0]), m.ClubOf(race.Slots[1]))
                << "skip " << skip << " race " << i;
        }
    }
}

TEST(DrawCrews, ClubTooBigToSeparate) {
    // Five crews of one club in eight slots: segments of one entry, so each
    // crew takes the first free entry picked; the club of three placed after
    // it gets the three entries left, wherever they are.
    ClubEvent m({1, 1, 2, 1, 2, 1, 2, 1});
    ResetRandom();
    DrawEvent(m.meet, m.event);
    const Draw& draw = m.DrawOf(m.event);
    EXPECT_EQ(draw.PlacedCount(), 8);
    EXPECT_EQ(draw.HeldRaceCount(), 7);
}

TEST(DrawEvent, SameDrawAfterAGeneratorReset) {
    ClubEvent m({1, 2, 3, 1, 2, 3, 4, 1, 5, 6, 2});
    DrawEvent(m.meet, m.event);
    const auto first = AllSlots(m.DrawOf(m.event));
    DrawEvent(m.meet, m.event);
    EXPECT_NE(AllSlots(m.DrawOf(m.event)), first);
    ResetRandom();
    DrawEvent(m.meet, m.event);
    EXPECT_EQ(AllSlots(m.DrawOf(m.event)), first);
}

TEST(DrawEvent, RedrawClearsRacesAndRefreshesTheRaceList) {
    ClubEvent m({1, 2, 3, 4});
    const int other = m.Event("WS 1x");
    m.AddCrew(other, m.meet.Clubs.KeyOf("C1"), "x");
    m.AddCrew(other, m.meet.Clubs.KeyOf("C2"), "y");
    DrawAllEvents(m.meet);
    NumberRaces(m.meet);
    for (const auto& draw : m.meet.Draws) {
        for (int i = 1; i < draw->Size; ++i) {
            draw->RaceAt(i).Time = 900 + i;
            draw->RaceAt(i).Winner = draw->RaceAt(i).Slots[0];
            draw->RaceAt(i).Verdict = "1L";
        }
    }
    const auto otherBefore = AllSlots(m.DrawOf(other));
    DrawEvent(m.meet, m.event);
    const Draw& redrawn = m.DrawOf(m.event);
    for (int i = 1; i < redrawn.Size; ++i) {
        const Race& race = redrawn.RaceAt(i);
        EXPECT_EQ(race.Number, -1);
        EXPECT_EQ(race.Time, -1);
        EXPECT_FALSE(race.HasResult());
        EXPECT_EQ(race.Verdict, "");
    }
    EXPECT_EQ(AllSlots(m.DrawOf(other)), otherBefore);
    EXPECT_EQ(m.DrawOf(other).RaceAt(1).Time, 901);
    // The race list holds only races the draws own now: three of the event, one of the other.
    ASSERT_EQ(m.meet.RaceList.size(), 4u);
    for (const Race* race : m.meet.RaceList) {
        const Draw& draw = m.DrawOf(race->EventKey);
        EXPECT_EQ(race, &draw.RaceAt(race->Index));
    }
}

TEST(DrawAllEvents, EveryEventInSetOrder) {
    DrawMeet m;
    const int club = m.Club("Avon");
    const int late = m.Club("Bath");
    const int b = m.Event("B");
    const int a = m.Event("A");
    const int empty = m.Event("C");
    for (int i = 0; i < 5; ++i) {
        m.AddCrew(a, i % 2 ? club : late, "a");
        m.AddCrew(b, i % 2 ? late : club, "b");
    }
    m.meet.Events.SortAlphabetic();
    m.DrawOf(b);
    DrawAllEvents(m.meet);
    const auto drawnA = AllSlots(m.DrawOf(a));
    const auto drawnB = AllSlots(m.DrawOf(b));
    EXPECT_EQ(m.DrawOf(empty).Size, 2);
    EXPECT_EQ(m.DrawOf(empty).HeldRaceCount(), 0);
    ResetRandom();
    DrawEvent(m.meet, a);
    DrawEvent(m.meet, b);
    EXPECT_EQ(AllSlots(m.DrawOf(a)), drawnA);
    EXPECT_EQ(AllSlots(m.DrawOf(b)), drawnB);
    EXPECT_EQ(m.meet.RaceList.size(), 8u);
}

TEST(DrawCrews, WideEventsReachEveryEntry) {
    // 300 crews, each of its own club: n = 512, so more than 256 entries. Each
    // crew is placed alone, in list order; the first crew's entry comes from
    // the first two generator values that do not point at a bye.
    std::vector<int> clubs(300);
    for (int i = 0; i < 300; ++i)
        clubs[i] = i;
    ClubEvent m(clubs);
    const int n = 512;
    const int byes = n - 300;
    std::set<int> byeEntries;
    for (int i = 0; i < byes; ++i)
        byeEntries.insert(n * i / byes);
    ResetRandom();
    int first = 0;
    do {
        const long high = NextRandom();
        const long low = NextRandom();
        first = static_cast<int>(((high << 15) | low) % n);
    } while (byeEntries.count(first));
    ResetRandom();
    DrawEvent(m.meet, m.event);
    const Draw& draw = m.DrawOf(m.event);
    ASSERT_EQ(draw.Size, n);
    EXPECT_EQ(draw.PlacedCount(), 300);
    const std::map<int, int> entries = EntryOfCrews(draw);
    EXPECT_EQ(entries.at(m.ids[0]), first & ~1);
    // With only 256 reachable entries no draw of this event could be made; the
    // crews now spread over both halves of the first round.
    const auto upper = std::count_if(entries.begin(), entries.end(),
                                     [](const auto& entry) { return entry.second >= 256; });
    EXPECT_GT(upper, 100);
    EXPECT_LT(upper, 200);
}

TEST(DrawCrews, PropertiesOverRandomEntryLists) {
    std::mt19937 rng(20240601);
    for (int list = 0; list < 400; ++list) {
        const int crews = std::uniform_int_distribution<int>(0, list % 8 == 0 ? 300 : 40)(rng);
        const int clubCount = std::uniform_int_distribution<int>(1, 10)(rng);
        std::vector<double> weights;
        for (int k = 1; k <= clubCount; ++k)
            weights.push_back(1.0 / k);
        std::discrete_distribution<int> pick(weights.begin(), weights.end());
        std::vector<int> clubs;
        for (int i = 0; i < crews; ++i)
            clubs.push_back(pick(rng));
        ClubEvent m(clubs);
        DrawEvent(m.meet, m.event);
        const Draw& draw = m.DrawOf(m.event);
        const int n = draw.Size;
        SCOPED_TRACE("list " + std::to_string(list) + ", " + std::to_string(crews) + " crews");

        // Every crew placed once.
        std::map<int, int> seen;
        for (const auto& slots : AllSlots(draw))
            for (int slot : slots)
                if (slot > 0)
                    ++seen[slot];
        ASSERT_EQ(static_cast<int>(seen.size()), crews);
        for (const auto& [id, count] : seen)
            EXPECT_EQ(count, 1) << "crew " << id;

        if (crews < 2)
            continue;
        // No first-round race of two byes: then every later race is rowed, and
        // exactly the crews beyond one per first-round race are paired there.
        int rowed = 0;
        for (int i = n / 2; i < n; ++i)
            rowed += draw.RaceAt(i).IsContested();
        EXPECT_EQ(rowed, crews - n / 2);
        for (int i = 1; i < n / 2; ++i)
            EXPECT_TRUE(draw.RaceAt(i).IsContested()) << "race " << i;

        // Clubs are placed biggest first (equal sizes: earliest first crew). A
        // club of g crews keeps them in different segments of n / a entries
        // (a = g rounded up to a power of two), so two of them cannot meet
        // before the round in which their segments join, unless clubs placed
        // before it had filled every segment it had left: then some segment
        // holds no crew of this club and only crews of earlier clubs.
        std::map<int, int> size;
        std::map<int, int> firstCrew;
        for (int i = 0; i < crews; ++i) {
            ++size[clubs[i]];
            firstCrew.emplace(clubs[i], i);
        }
        const auto placedBefore = [&](int p, int q) {
            return size[p] != size[q] ? size[p] > size[q] : firstCrew[p] < firstCrew[q];
        };
        const std::map<int, int> entry = EntryOfCrews(draw);
        std::map<int, std::vector<int>> entriesOfClub;
        for (int i = 0; i < crews; ++i)
            entriesOfClub[clubs[i]].push_back(entry.at(m.ids[i]));
        const int largest = *std::min_element(
            clubs.begin(), clubs.end(), [&](int p, int q) { return p != q && placedBefore(p, q); });
        for (const auto& [club, at] : entriesOfClub) {
            const int length = n / NextPowerOfTwo(size[club]);
            bool together = false;
            for (std::size_t i = 0; i < at.size(); ++i)
                for (std::size_t j = i + 1; j < at.size(); ++j)
                    together = together || MeetingRound(at[i], at[j]) < BitLength(length);
            if (!together)
                continue;
            EXPECT_NE(club, largest) << "the biggest club always has room";
            bool forced = false;
            for (int s = 0; s < n && !forced; s += length) {
                bool onlyEarlier = true;
                for (int i = 0; i < crews; ++i)
                    if (entry.at(m.ids[i]) / length == s / length)
                        onlyEarlier = onlyEarlier && placedBefore(clubs[i], club);
                forced = onlyEarlier;
            }
            EXPECT_TRUE(forced) << "club " << club << " of " << size[club];
        }
    }
}
