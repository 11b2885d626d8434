#include "engine/model/boatmeet.h"

#include "editormeet.h"
#include "engine/model/random.h"
#include "engine/model/settings.h"

#include <gtest/gtest.h>

#include <climits>
#include <sstream>

using namespace bm;
using namespace bm::test;

namespace {

// The small meet of the editor tests: events and clubs whose set order
// differs from their key order, so tests see whether code follows the set order.
class MeetTest : public bm::test::EditorMeet {
protected:
    std::vector<int> Ids() const {
        std::vector<int> ids;
        for (const auto& crew : meet.Crews)
            ids.push_back(crew->Id);
        return ids;
    }

    std::vector<int> Numbers() const {
        std::vector<int> numbers;
        for (const auto& crew : meet.Crews)
            numbers.push_back(crew->Number);
        return numbers;
    }
};

} // namespace

TEST(NewMeet, StartsWithTheDefaults) {
    const Boatmeet meet;
    EXPECT_EQ(meet.Version, " 1.7.1   23/03/2008  ");
    EXPECT_EQ(meet.Title, "");
    EXPECT_EQ(meet.Date, "");
    EXPECT_EQ(meet.NextCrewId, 1);
    EXPECT_EQ(meet.BRTime, 40);
    EXPECT_EQ(meet.DUTime, 40);
    EXPECT_EQ(meet.BSTime, 20);
    EXPECT_EQ(static_cast<int>(meet.SType), 0);
    EXPECT_EQ(static_cast<int>(meet.FType), 2);
    EXPECT_EQ(meet.RaceTimes.Count(), 0);
    EXPECT_TRUE(meet.Crews.empty());
    EXPECT_TRUE(meet.Draws.empty());
    const std::vector<std::pair<const StrSet*, std::string>> sets = {
        {&meet.Events, "Events"},
        {&meet.Clubs, "Clubs"},
        {&meet.EntryFees, "EntryFees"},
        {&meet.Sponsors, "Sponsors"},
        {&meet.ClubColours, "Club Colours"},
        {&meet.ClubContacts, "Club Contacts"}};
    for (const auto& [set, name] : sets) {
        EXPECT_EQ(set->Name(), name);
        EXPECT_EQ(set->Count(), 0);
    }
    EXPECT_FALSE(meet.Events.AllowRepeats());
    EXPECT_FALSE(meet.Clubs.AllowRepeats());
    EXPECT_TRUE(meet.Sponsors.AllowRepeats());
}

TEST_F(MeetTest, IdsAreGivenInOrderAndNeverReused) {
    Add(River, MS4);
    Crew* second = Add(River, MS4);
    Add(Avon, WS1);
    EXPECT_EQ(Ids(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(meet.NextCrewId, 4);
    meet.DeleteCrew(second);
    EXPECT_EQ(Add(Avon, MS4)->Id, 4);
    EXPECT_EQ(Ids(), (std::vector<int>{1, 3, 4}));
    EXPECT_FALSE(meet.HasCrew(2));
    EXPECT_EQ(meet.FindCrew(3), meet.Crews[1].get());
}

TEST_F(MeetTest, IdsStayUniqueWhenTheNextIdIsSpentOrTooLow) {
    Add(River, MS4); // 1
    meet.NextCrewId = INT_MAX;
    EXPECT_EQ(Add(River, MS4)->Id, INT_MAX);
    EXPECT_EQ(meet.NextCrewId, INT_MAX);
    EXPECT_EQ(Add(River, MS4)->Id, 2); // the smallest id no crew bears
    meet.NextCrewId = 0;
    EXPECT_EQ(Add(River, MS4)->Id, 3);
    EXPECT_EQ(meet.FindCrew(INT_MAX), meet.Crews[1].get());
}

TEST_F(MeetTest, GhostCrewsStandInForMissingIdsWithoutJoiningTheMeet) {
    Add(River, MS4, "Alpha");
    Crew* ghost = meet.FindCrew(42);
    ASSERT_NE(ghost, nullptr);
    EXPECT_EQ(ghost->Name, "Ghost Crew");
    EXPECT_EQ(ghost->Id, 42);
    EXPECT_EQ(ghost->ClubKey, -1);
    EXPECT_EQ(ghost->EventKey, -1);
    EXPECT_EQ(ghost->Number, -1);
    EXPECT_EQ(meet.Crews.size(), 1u);
    EXPECT_EQ(meet.NextCrewId, 2);
    EXPECT_FALSE(meet.HasCrew(42));
    EXPECT_EQ(meet.CrewPosition(ghost), -1);

    // Whatever a caller writes to a placeholder does not show at the next lookup.
    ghost->Number = 9;
    ghost->Name = "Changed";
    const Crew* again = meet.FindCrew(42);
    EXPECT_EQ(again, ghost);
    EXPECT_EQ(again->Number, -1);
    EXPECT_EQ(again->Name, "Ghost Crew");
    EXPECT_EQ(meet.CrewNameLabel(again), "???? Ghost Crew");
    EXPECT_EQ(meet.NumberedCrewLabel(again), "() ???? Ghost Crew");

    // Deleting a placeholder changes nothing.
    meet.DeleteCrew(ghost);
    EXPECT_EQ(meet.Crews.size(), 1u);

    std::ostringstream out;
    meet.WriteTo(out, true);
    EXPECT_EQ(out.str().find("Ghost"), std::string::npos);
}

TEST_F(MeetTest, IdsBelowOneNameNoCrewUnlessACrewBearsThem) {
    Add(River, MS4);
    EXPECT_EQ(meet.FindCrew(-1), nullptr);
    EXPECT_EQ(meet.FindCrew(0), nullptr);
    EXPECT_EQ(meet.CrewNameLabel(meet.FindCrew(-1)), "");
    EXPECT_EQ(meet.CrewRacesLine(-1), "");
    // A hand-edited file may hold a crew with id 0; it can be found.
    meet.Crews.push_back(std::make_unique<Crew>(0));
    EXPECT_EQ(meet.FindCrew(0), meet.Crews.back().get());
}

TEST_F(MeetTest, FindsEveryIdWhateverItsSizeAndAfterDirectChanges) {
    meet.NextCrewId = 1500;
    Crew* big = Add(River, MS4);
    EXPECT_EQ(big->Id, 1500);
    EXPECT_EQ(meet.FindCrew(1500), big);

    // Crews appended behind the meet's back are still found; a crew whose id
    // was changed in place never answers for its old id, and after
    // ReindexCrews it answers for the new one.
    meet.Crews.push_back(std::make_unique<Crew>(70000));
    EXPECT_EQ(meet.FindCrew(70000), meet.Crews.back().get());
    big->Id = 1501;
    EXPECT_EQ(meet.FindCrew(1500)->Name, "Ghost Crew");
    meet.ReindexCrews();
    EXPECT_EQ(meet.FindCrew(1501), big);

    // A repeated id: the later crew answers, as after ReindexCrews.
    meet.Crews.push_back(std::make_unique<Crew>(1501));
    meet.ReindexCrews();
    EXPECT_EQ(meet.FindCrew(1501), meet.Crews.back().get());
}

TEST_F(MeetTest, DeleteCrewEmptiesItsDrawSlotAndIgnoresStrangers) {
    Crew* a = Add(River, MS4);
    Crew* b = Add(Avon, MS4);
    meet.DrawOfEvent(MS4).Build({a->Id, b->Id}, false);
    const int bId = b->Id;
    meet.DeleteCrew(b);
    EXPECT_EQ(meet.DrawOfEvent(MS4).RaceAt(1).Slots, (std::array<int, 2>{1, 0}));
    EXPECT_FALSE(meet.HasCrew(bId));
    Crew stranger(1);
    meet.DeleteCrew(&stranger);
    meet.DeleteCrew(nullptr);
    EXPECT_EQ(Ids(), (std::vector<int>{1}));
    // An event without a draw gets an empty one.
    Crew* c = Add(River, WS1);
    meet.DeleteCrew(c);
    ASSERT_NE(meet.FindDraw(WS1), nullptr);
    EXPECT_EQ(meet.FindDraw(WS1)->Size, 0);
}

TEST_F(MeetTest, LinksAreSymmetricAndOnlyAcrossEvents) {
    Crew* a = Add(River, MS4);
    Crew* b = Add(River, MS4);
    Crew* c = Add(River, WS1);

    meet.LinkDoubleUp(a->Id, b->Id); // same event
    meet.LinkDoubleUp(a->Id, a->Id); // itself
    EXPECT_TRUE(a->DoubleUps.empty());
    EXPECT_TRUE(b->DoubleUps.empty());

    meet.LinkDoubleUp(a->Id, c->Id);
    meet.LinkDoubleUp(c->Id, a->Id);
    EXPECT_EQ(a->DoubleUps, (std::vector<int>{3}));
    EXPECT_EQ(c->DoubleUps, (std::vector<int>{1}));
    meet.LinkBoatShare(b->Id, c->Id);
    EXPECT_EQ(b->BoatShares, (std::vector<int>{3}));
    EXPECT_EQ(c->BoatShares, (std::vector<int>{2}));
    EXPECT_TRUE(a->BoatShares.empty());

    meet.UnlinkDoubleUp(c->Id, a->Id);
    EXPECT_TRUE(a->DoubleUps.empty());
    EXPECT_TRUE(c->DoubleUps.empty());
    meet.UnlinkBoatShare(b->Id, c->Id);
    EXPECT_TRUE(b->BoatShares.empty());
    EXPECT_TRUE(c->BoatShares.empty());

    // An id that no crew bears links nothing and adds no crew.
    meet.LinkDoubleUp(a->Id, 77);
    meet.LinkBoatShare(77, c->Id);
    EXPECT_TRUE(a->DoubleUps.empty());
    EXPECT_TRUE(c->BoatShares.empty());
    EXPECT_EQ(meet.Crews.size(), 3u);
    EXPECT_EQ(meet.NextCrewId, 4);
}

TEST_F(MeetTest, UnlinkingRemovesWhateverTheOtherCrewIs) {
    Crew* a = Add(River, MS4);
    Crew* b = Add(River, WS1);
    meet.LinkBoatShare(a->Id, b->Id);
    b->EventKey = MS4; // the crews came to share an event
    a->DoubleUps = {77};
    b->DoubleUps = {a->Id}; // listed one way only

    meet.UnlinkBoatShare(a->Id, b->Id);
    EXPECT_TRUE(a->BoatShares.empty());
    EXPECT_TRUE(b->BoatShares.empty());
    meet.UnlinkDoubleUp(a->Id, 77); // an id that no crew bears
    EXPECT_TRUE(a->DoubleUps.empty());
    EXPECT_FALSE(meet.HasCrew(77));
    meet.UnlinkDoubleUp(77, b->Id); // nothing is removed for a missing first crew
    EXPECT_EQ(b->DoubleUps, (std::vector<int>{a->Id}));
    meet.UnlinkDoubleUp(b->Id, a->Id);
    EXPECT_TRUE(b->DoubleUps.empty());
}

TEST_F(MeetTest, CrewIdOfNumberAndCrewPosition) {
    Add(River, MS4, "", 7);
    Crew* b = Add(Avon, MS4, "", 5);
    Add(Avon, WS1, "", 5);
    EXPECT_EQ(meet.CrewIdOfNumber(5), 2);
    EXPECT_EQ(meet.CrewIdOfNumber(8), -1);
    EXPECT_EQ(meet.CrewPosition(b), 1);
    EXPECT_EQ(meet.CrewPosition(nullptr), -1);
}

TEST_F(MeetTest, SortCrewsFollowsSetOrderAndIsStable) {
    Add(Avon, WS1, "w-avon");
    Add(River, 99, "unknown event");
    Add(Avon, MS4, "m-avon-1");
    Add(77, MS4, "m-unknown-club");
    Add(River, MS4, "m-river");
    Add(Avon, MS4, "m-avon-2");
    EXPECT_EQ(meet.SortCrews(), 6);
    std::vector<std::string> names;
    for (const auto& crew : meet.Crews)
        names.push_back(crew->Name);
    EXPECT_EQ(names, (std::vector<std::string>{"m-river", "m-avon-1", "m-avon-2", "m-unknown-club",
                                               "w-avon", "unknown event"}));
    EXPECT_EQ(meet.FindCrew(5)->Name, "m-river");
}

// The order the sort must give, computed the plain way: each crew in turn moves
// to the first earlier position whose crew it belongs before.
static std::vector<int> InsertionSorted(const Boatmeet& meet) {
    std::vector<const Crew*> crews;
    for (const auto& crew : meet.Crews)
        crews.push_back(crew.get());
    const auto before = [&](const Crew* p, const Crew* q) {
        return meet.Events.Precedes(p->EventKey, q->EventKey) ||
               (p->EventKey == q->EventKey && meet.Clubs.Precedes(p->ClubKey, q->ClubKey));
    };
    for (std::size_t i = 1; i < crews.size(); ++i) {
        std::size_t j = 0;
        while (j < i && !before(crews[i], crews[j]))
            ++j;
        const Crew* moved = crews[i];
        crews.erase(crews.begin() + static_cast<long>(i));
        crews.insert(crews.begin() + static_cast<long>(j), moved);
    }
    std::vector<int> ids;
    for (const Crew* crew : crews)
        ids.push_back(crew->Id);
    return ids;
}

TEST_F(MeetTest, SortCrewsMatchesTheInsertionSortOnRandomMeets) {
    ResetRandom();
    for (int round = 0; round < 40; ++round) {
        meet.Crews.clear();
        // Half the rounds use only events of the set, half add unknown event keys.
        const int eventKeys = round % 2 == 0 ? 2 : 5;
        const int allEvents[] = {MS4, WS1, 40, 41, 42};
        const int allClubs[] = {River, Avon, 50};
        for (int i = 0; i < 30; ++i)
            Add(allClubs[RandomBelow(0, 3)], allEvents[RandomBelow(0, eventKeys)]);
        const std::vector<int> expected = InsertionSorted(meet);
        meet.SortCrews();
        ASSERT_EQ(Ids(), expected) << "round " << round;
    }
}

TEST_F(MeetTest, NumberCrewsByEventRunsAcrossEventsInSetOrder) {
    Crew* w1 = Add(River, WS1);           // 1
    Crew* m1 = Add(River, MS4);           // 2
    Crew* m2 = Add(Avon, MS4);            // 3
    Crew* m3 = Add(Avon, MS4);            // 4
    Crew* loose = Add(Avon, MS4, "", 99); // 5, in no draw
    // MS 4- first (set order): m3 walks over a bye; a dangling id takes a number.
    meet.DrawOfEvent(MS4).Build({m2->Id, m1->Id, m3->Id, 0}, false);
    meet.DrawOfEvent(WS1).Build({w1->Id, 30}, false);
    meet.NumberCrewsByEvent();
    EXPECT_EQ(m2->Number, 1);
    EXPECT_EQ(m1->Number, 2);
    EXPECT_EQ(m3->Number, 3);
    EXPECT_EQ(w1->Number, 4);
    EXPECT_EQ(loose->Number, 99);
    EXPECT_EQ(meet.Crews.size(), 5u);
    EXPECT_EQ(meet.FindCrew(30)->Number, -1);
}

TEST_F(MeetTest, NumberCrewsByClubGoesClubByClubThenEventByEvent) {
    Add(Avon, WS1);         // B E2
    Add(River, WS1);        // A E2
    Add(Avon, MS4);         // B E1
    Add(River, MS4);        // A E1
    Add(River, WS1);        // A E2
    Add(River, 99, "", 42); // event not in the set: keeps its number
    meet.NumberCrewsByClub();
    EXPECT_EQ(Numbers(), (std::vector<int>{5, 2, 4, 1, 3, 42}));
}

TEST_F(MeetTest, ListEventCrewsByEventOrClubInListOrder) {
    Add(River, WS1);
    Add(Avon, MS4);
    Add(River, MS4);
    const auto ids = [](const std::vector<Crew*>& crews) {
        std::vector<int> list;
        for (const Crew* crew : crews)
            list.push_back(crew->Id);
        return list;
    };
    EXPECT_EQ(ids(meet.ListEventCrews(MS4, true)), (std::vector<int>{2, 3}));
    EXPECT_EQ(ids(meet.ListEventCrews(River, false)), (std::vector<int>{1, 3}));
    EXPECT_TRUE(meet.ListEventCrews(99, true).empty());
}

TEST_F(MeetTest, TitleText) {
    meet.Title = "Head of the River";
    EXPECT_EQ(meet.TitleText(), "Head of the River");
    meet.Date = "1 May";
    EXPECT_EQ(meet.TitleText(), "Head of the River  on  1 May");
}

TEST_F(MeetTest, CrewLabels) {
    const Crew* seven = Add(River, MS4, "Alpha", 7);
    const Crew* twelve = Add(River, MS4, "Alpha", 12);
    const Crew* big = Add(River, MS4, "Alpha", 123);
    const Crew* bigger = Add(River, MS4, "Alpha", 1234);
    const Crew* none = Add(River, MS4, "Alpha");
    EXPECT_EQ(meet.NumberedCrewLabel(seven), "  (7) Riverside Alpha");
    EXPECT_EQ(meet.NumberedCrewLabel(twelve), " (12) Riverside Alpha");
    EXPECT_EQ(meet.NumberedCrewLabel(big), "(123) Riverside Alpha");
    EXPECT_EQ(meet.NumberedCrewLabel(bigger), "(1234) Riverside Alpha");
    EXPECT_EQ(meet.NumberedCrewLabel(none), "() Riverside Alpha");
    EXPECT_EQ(meet.CompactCrewLabel(seven), "(7) Riverside Alpha");
    EXPECT_EQ(meet.CompactCrewLabel(none), "() Riverside Alpha");
    EXPECT_EQ(meet.EventCrewLabel(twelve), "MS 4-  (12) Riverside Alpha");

    const Crew* five = Add(River, MS4, "Alpha", 5);
    EXPECT_EQ(meet.ShortCrewLabel(five), "(5)   Rive (Alp)");
    EXPECT_EQ(meet.ShortCrewLabel(Add(Avon, MS4, "", 5)), "(5)   Avon");
    EXPECT_EQ(meet.ShortCrewLabel(Add(River, MS4, "Xy")), "()    Rive (Xy)");
    EXPECT_EQ(meet.ShortCrewLabel(bigger), "(1234)Rive (Alp)");

    // A club or event the sets do not hold reads "????".
    const Crew* lost = Add(9, 8, "Beta", 3);
    EXPECT_EQ(meet.EventCrewLabel(lost), "????   (3) ???? Beta");
    EXPECT_EQ(meet.ShortCrewLabel(lost), "(3)   ???? (Bet)");

    const Crew* missing = nullptr;
    EXPECT_EQ(meet.CrewNameLabel(missing), "");
    EXPECT_EQ(meet.NumberedCrewLabel(missing), "");
    EXPECT_EQ(meet.ShortCrewLabel(missing), "");
    EXPECT_EQ(meet.CompactCrewLabel(missing), "");
    EXPECT_EQ(meet.EventCrewLabel(missing), "");
    EXPECT_EQ(meet.OpponentsText(missing), "");
    EXPECT_EQ(meet.CrewLinksLine(missing), "");
}

TEST_F(MeetTest, LabelsCountCharactersNotBytes) {
    meet.Clubs.AddWithKey(8, "Whakatāne");
    const Crew* crew = Add(8, MS4, "Müller", 4);
    EXPECT_EQ(meet.ShortCrewLabel(crew), "(4)   Whak (Mül)");
    CurrentSettings().MaxNameLen = 12;
    EXPECT_EQ(meet.CrewNameLabel(crew), "Whakatāne Mü");
    EXPECT_EQ(meet.MaxLabelWidth(2, 0, false), 18); // "  (4) Whakatāne Mü"
}

TEST_F(MeetTest, CrewNameLabelIsCutToMaxNameLen) {
    const Crew* crew = Add(River, MS4, "Alpha", 2);
    EXPECT_EQ(meet.CrewNameLabel(crew), "Riverside Alpha");
    CurrentSettings().MaxNameLen = 10;
    EXPECT_EQ(meet.CrewNameLabel(crew), "Riverside ");
    EXPECT_EQ(meet.NumberedCrewLabel(crew), "  (2) Riverside ");
    CurrentSettings().MaxNameLen = 0;
    EXPECT_EQ(meet.CrewNameLabel(crew), "");
    CurrentSettings().MaxNameLen = -3;
    EXPECT_EQ(meet.CrewNameLabel(crew), "");
}

TEST_F(MeetTest, OpponentsRacesAndLinksTexts) {
    Crew* a = Add(River, MS4, "A", 1);
    Crew* b = Add(Avon, MS4, "B", 2);
    Crew* c = Add(Avon, MS4, "C", 3);
    Crew* w = Add(River, WS1, "W", 4);
    Crew* lone = Add(Avon, WS1, "L", 5);
    Draw& draw = meet.DrawOfEvent(MS4);
    draw.Build({a->Id, b->Id, c->Id, 0}, false);
    draw.RaceAt(2).Time = 930;

    EXPECT_EQ(meet.OpponentsText(a), "  (2) Avon B");
    EXPECT_EQ(meet.OpponentsText(c), "  (1) Riverside A or   (2) Avon B");
    EXPECT_EQ(meet.OpponentsText(lone), "No Opposition");

    EXPECT_EQ(meet.CrewRacesLine(a->Id), "MS 4-   (1) Riverside A (0930,(NT))\n");
    EXPECT_EQ(meet.CrewRacesLine(c->Id), "MS 4-   (3) Avon C ((NT))\n");
    EXPECT_EQ(meet.CrewRacesLine(w->Id), "WS 1x   (4) Riverside W ()\n");

    meet.LinkDoubleUp(w->Id, a->Id);
    meet.LinkDoubleUp(w->Id, c->Id);
    meet.LinkBoatShare(w->Id, b->Id);
    EXPECT_EQ(meet.CrewLinksLine(w), "WS 1x   (4) Riverside W ()\n"
                                     " D/Up: MS 4-   (1) Riverside A (0930,(NT))\n"
                                     "MS 4-   (3) Avon C ((NT))\n"
                                     " B/Share: MS 4-   (2) Avon B (0930,(NT))\n");
    EXPECT_EQ(meet.CrewLinksLine(lone), "WS 1x   (5) Avon L ()\n");
}

TEST_F(MeetTest, WidestLabelAndLongestText) {
    EXPECT_EQ(meet.MaxLabelWidth(2, 0, false), 0);
    EXPECT_EQ(meet.MaxCrewTextLength(2), 0);
    Crew* a = Add(River, MS4, "Alpha", 7); // "  (7) Riverside Alpha" 21, "(7)   Rive (Alp)" 16
    Add(Avon, WS1, "Bo", 123);             // "(123) Avon Bo" 13, "(123) Avon (Bo)" 15
    a->Notes = "four";
    EXPECT_EQ(meet.MaxLabelWidth(0, Avon, false), 13);
    EXPECT_EQ(meet.MaxLabelWidth(1, MS4, true), 16);
    EXPECT_EQ(meet.MaxLabelWidth(0, 99, true), 0);
    EXPECT_EQ(meet.MaxLabelWidth(7, 0, false), 21);
    EXPECT_EQ(meet.MaxCrewTextLength(2), 5);
    EXPECT_EQ(meet.MaxCrewTextLength(3), 4);
    EXPECT_EQ(meet.MaxCrewTextLength(1), 0);
}

TEST_F(MeetTest, DrawLookupCreatesOnceAndDeletesWithItsRaces) {
    Crew* a = Add(River, MS4);
    Crew* b = Add(Avon, MS4);
    Crew* c = Add(River, WS1);
    Crew* d = Add(Avon, WS1);
    Draw& first = meet.DrawOfEvent(MS4);
    EXPECT_EQ(&meet.DrawOfEvent(MS4), &first);
    EXPECT_EQ(meet.Draws.size(), 1u);
    first.Build({a->Id, b->Id}, false);
    meet.DrawOfEvent(WS1).Build({c->Id, d->Id}, false);
    EXPECT_EQ(&meet.DrawOfCrew(b->Id), &first);

    meet.RemoveCrewFromDraw(b);
    EXPECT_EQ(first.RaceAt(1).Slots, (std::array<int, 2>{a->Id, 0}));

    first.RaceAt(1).Slots[1] = b->Id;
    meet.CollectRaces();
    ASSERT_EQ(meet.RaceList.size(), 2u);
    const Race* kept = &meet.DrawOfEvent(WS1).RaceAt(1);
    meet.DeleteDrawOfEvent("no such event");
    EXPECT_EQ(meet.Draws.size(), 2u);
    meet.DeleteDrawOfEvent("ms 4-");
    EXPECT_EQ(meet.FindDraw(MS4), nullptr);
    EXPECT_EQ(meet.RaceList, (std::vector<Race*>{const_cast<Race*>(kept)}));
}
