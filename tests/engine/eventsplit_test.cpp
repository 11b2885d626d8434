#include "engine/draw/eventsplit.h"

#include "engine/model/random.h"
#include "engine/model/text.h"
#include "repmeet.h"

#include <map>

using namespace bm;
using namespace bm::test;

namespace {

// Junior: 7 crews (3 of club A, 2 of B, 2 of C), drawn. Novice: 2 crews of A and 2 of B.
const char* const SplitMeet = R"(Boatmeet: "Split" "12" "40" "20" "" "" "40" "0" "2"
RaceTimeServer: 0 
StrSet: "Events" "1" "Senior"
StrSet: "Events" "2" "Junior"
StrSet: "Events" "3" "Novice"
StrSet: "Clubs" "1" "A"
StrSet: "Clubs" "2" "B"
StrSet: "Clubs" "3" "C"
StrSet: "EntryFees" "2" "20.00"
StrSet: "Sponsors" "2" "Bank"
Crew: "1" "1" "2" "1" "" "" "a1" "" "0" "0" "0"
Crew: "2" "1" "2" "2" "" "" "a2" "" "0" "0" "0"
Crew: "3" "2" "2" "3" "" "" "b1" "" "0" "0" "0"
Crew: "4" "1" "2" "4" "" "" "a3" "" "0" "0" "0"
Crew: "5" "3" "2" "5" "" "" "c1" "" "0" "0" "0"
Crew: "6" "2" "2" "6" "" "" "b2" "" "0" "0" "0"
Crew: "7" "3" "2" "7" "" "" "c2" "" "0" "0" "0"
Crew: "8" "1" "3" "8" "" "" "n1" "" "0" "0" "0"
Crew: "9" "2" "3" "9" "" "" "n2" "" "0" "0" "0"
Crew: "10" "1" "3" "10" "" "" "n3" "" "0" "0" "0"
Crew: "11" "2" "3" "11" "" "" "n4" "" "0" "0" "0"
Draw:
2 2
1 -1 -1 2 2 1 3 -1 <>
)";

class Split : public RepMeetTest {
protected:
    void SetUp() override {
        RepMeetTest::SetUp();
        ResetRandom();
        meet = FromText(SplitMeet);
    }
    // Crews per event name, and per (event name, club) pair.
    std::map<std::string, int> CrewsByEvent() const {
        std::map<std::string, int> counts;
        for (const auto& crew : meet->Crews)
            ++counts[meet->Events.TextOf(crew->EventKey)];
        return counts;
    }
    std::map<std::pair<std::string, int>, int> CrewsByEventAndClub() const {
        std::map<std::pair<std::string, int>, int> counts;
        for (const auto& crew : meet->Crews)
            ++counts[{meet->Events.TextOf(crew->EventKey), crew->ClubKey}];
        return counts;
    }

    // Splits as the window does: the question answered from the script, a
    // refusal shown as information.
    bool Divide(std::string_view event, int divisions) {
        std::string error;
        const auto ask = [this](const std::string& question) { return messages.Ask(question); };
        const bool done = SplitEvent(*meet, event, divisions, ask, error);
        if (!error.empty())
            messages.Inform(error);
        return done;
    }

    ScriptedMessages messages;
    std::unique_ptr<Boatmeet> meet;
};

} // namespace

TEST_F(Split, DivisionsTakeTheEventsPlaceAndItsCrews) {
    messages.SetNextAnswer(true);
    ASSERT_TRUE(Divide("Junior", 2));
    EXPECT_EQ(messages.asked, (std::vector<std::string>{"OK to split  Junior  into 2 divisions?"}));
    EXPECT_EQ(meet->Events.Texts(),
              (std::vector<std::string>{"Senior", "Junior (A)", "Junior (B)", "Novice"}));
    EXPECT_EQ(meet->Events.KeyOf("Junior"), -1);
    EXPECT_EQ(meet->FindDraw(2), nullptr);
    // Seven crews: at most four in a division.
    const auto counts = CrewsByEvent();
    EXPECT_EQ(counts.at("Junior (A)") + counts.at("Junior (B)"), 7);
    EXPECT_EQ(std::max(counts.at("Junior (A)"), counts.at("Junior (B)")), 4);
    EXPECT_EQ(counts.at("Novice"), 4);
    // Each club's crews go round the divisions.
    const auto byClub = CrewsByEventAndClub();
    EXPECT_EQ(byClub.at({"Junior (A)", 2}), 1);
    EXPECT_EQ(byClub.at({"Junior (B)", 2}), 1);
    EXPECT_EQ(byClub.at({"Junior (A)", 3}), 1);
    EXPECT_EQ(byClub.at({"Junior (B)", 3}), 1);
    for (const char* division : {"Junior (A)", "Junior (B)"}) {
        const int key = meet->Events.KeyOf(division);
        EXPECT_EQ(meet->EntryFees.TextOf(key), "20.00");
        EXPECT_EQ(meet->Sponsors.TextOf(key), "Bank");
    }
}

TEST_F(Split, TwoClubsOfTwoGiveEachDivisionOneOfEach) {
    messages.SetNextAnswer(true);
    ASSERT_TRUE(Divide("Novice", 2));
    const auto byClub = CrewsByEventAndClub();
    EXPECT_EQ(byClub.at({"Novice (A)", 1}), 1);
    EXPECT_EQ(byClub.at({"Novice (A)", 2}), 1);
    EXPECT_EQ(byClub.at({"Novice (B)", 1}), 1);
    EXPECT_EQ(byClub.at({"Novice (B)", 2}), 1);
    EXPECT_FALSE(meet->EntryFees.HasKey(meet->Events.KeyOf("Novice (A)")));
}

TEST_F(Split, MoreDivisionsThanCrewsAndTheLastLetter) {
    messages.SetNextAnswer(true);
    ASSERT_TRUE(Divide("Novice", 26));
    EXPECT_EQ(meet->Events.Count(), 2 + 26);
    EXPECT_EQ(meet->Events.TextAt(2), "Novice (A)");
    EXPECT_EQ(meet->Events.TextAt(27), "Novice (Z)");
    int filled = 0;
    for (int n = 1; n <= 26; ++n)
        filled += CrewsByEvent().count(DivisionName("Novice", n));
    EXPECT_EQ(filled, 4);
}

TEST_F(Split, RefusalsChangeNothing) {
    EXPECT_FALSE(Divide("Junior", ReadInt("two")));
    EXPECT_FALSE(Divide("Junior", 1));
    EXPECT_FALSE(Divide("Junior", 27));
    EXPECT_FALSE(Divide("", 2));
    EXPECT_FALSE(Divide("Masters", 2));
    EXPECT_FALSE(Divide("Junior", 3)); // the question answered No
    EXPECT_EQ(messages.informed,
              (std::vector<std::string>{"You must split into 2 or more divisions!",
                                        "You must split into 2 or more divisions!",
                                        "You can split into at most 26 divisions!",
                                        "You must select an event to split",
                                        "You must select an event to split"}));
    EXPECT_EQ(messages.asked, (std::vector<std::string>{"OK to split  Junior  into 3 divisions?"}));
    EXPECT_EQ(meet->Events.Texts(), (std::vector<std::string>{"Senior", "Junior", "Novice"}));
    EXPECT_NE(meet->FindDraw(2), nullptr);
}

TEST_F(Split, ADivisionNameAlreadyTakenIsRefused) {
    meet->Events.Add("Junior (B)");
    EXPECT_FALSE(Divide("junior", 2));
    EXPECT_EQ(messages.informed, (std::vector<std::string>{"Event Junior (B) already exists!"}));
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_EQ(CrewsByEvent().at("Junior"), 7);
}
