#include "engine/editors/listeditor.h"

#include "editormeet.h"
#include "engine/model/clockmoney.h"
#include "engine/reports/catalogue.h"

#include <climits>
#include <sstream>
#include <string>
#include <vector>

using namespace bm;
using namespace bm::test;

namespace {

const std::string Refused = "The new text is empty or already in the list!";

using ListEditorTest = EditorMeet;

} // namespace

TEST_F(ListEditorTest, AddTakesAKeyAboveEveryKeyStillInUse) {
    // What a deleted event left behind: a crew, a draw, a sponsor and a fee.
    Add(River, 12, "Orphan");
    meet.DrawOfEvent(15);
    meet.Sponsors.AddWithKey(9, "Old sponsor");
    meet.EntryFees.AddWithKey(11, "9.00");
    ListEditor events(meet, EditedList::Events);

    EXPECT_TRUE(events.Add("  New \"Ev\"\n ").Changed);
    EXPECT_EQ(meet.Events.Texts(), (std::vector<std::string>{"MS 4-", "WS 1x", "New 'Ev'"}));
    EXPECT_EQ(meet.Events.KeyOf("New 'Ev'"), 16);

    // Clubs count the crews' clubs, not the draws.
    ListEditor clubs(meet, EditedList::Clubs);
    meet.ClubContacts.AddWithKey(8, "Old contact");
    clubs.Add("Tideway");
    EXPECT_EQ(meet.Clubs.KeyOf("Tideway"), 9);

    // Nothing is added for an empty text, silently, or for one already in the
    // list, which the editor refuses and says so.
    for (const char* typed : {"", " \t "})
        EXPECT_EQ(events.Add(typed).Stop, "") << typed;
    for (const char* typed : {"ms 4-", "  WS 1x", "new 'EV'"}) {
        const EditResult result = events.Add(typed);
        EXPECT_EQ(result.Stop, Refused) << typed;
        EXPECT_FALSE(result.Changed);
    }
    EXPECT_EQ(meet.Events.Count(), 3);

    // An entry is cut at 100 characters before it is trimmed.
    events.Add(std::string(99, 'e') + "  tail");
    EXPECT_EQ(meet.Events.TextAt(3), std::string(99, 'e'));

    // After the largest 32-bit key the smallest key in use by nothing is taken.
    Add(INT_MAX, MS4, "Far");
    clubs.Add("Next");
    EXPECT_EQ(meet.Clubs.KeyOf("Next"), 2);
}

TEST_F(ListEditorTest, RenameRefusesEmptyAndTakenTextsWithoutAsking) {
    Crew* crew = Add(River, MS4, "Alpha");
    meet.EntryFees.AddWithKey(MS4, "20.00");
    ListEditor events(meet, EditedList::Events);
    Answers yes{true};

    // Without a selection nothing is asked.
    events.Rename("MS 4+", yes.Callback());
    EXPECT_TRUE(yes.asked.empty());

    events.Select(0);
    for (const char* typed : {"", "  \r\n ", "ws 1X"}) {
        const EditResult result = events.Rename(typed, yes.Callback());
        EXPECT_EQ(result.Stop, Refused) << typed;
        EXPECT_TRUE(yes.asked.empty());
    }
    EXPECT_EQ(meet.Events.Texts(), (std::vector<std::string>{"MS 4-", "WS 1x"}));

    // Its own letter case may change; the key, crews and fee stay with the entry.
    EXPECT_TRUE(events.Rename("ms 4-", yes.Callback()).Stop.empty());
    EXPECT_EQ(yes.asked, (std::vector<std::string>{"OK to change the value?"}));
    EXPECT_EQ(meet.Events.TextAt(0), "ms 4-");
    EXPECT_EQ(meet.Events.KeyAt(0), MS4);
    EXPECT_EQ(meet.EventCrewLabel(crew), "ms 4- () Riverside Alpha");
    EXPECT_EQ(events.Shown().Side2, "20.00");

    // A renamed text is cleaned and cut, never trimmed.
    events.Rename(" M \"8\"+ " + std::string(100, 'x'), yes.Callback());
    EXPECT_EQ(meet.Events.TextAt(0), " M '8'+ " + std::string(92, 'x'));

    Answers no{false};
    events.Rename("MS 2x", no.Callback());
    EXPECT_EQ(no.asked.size(), 1u);
    EXPECT_EQ(meet.Events.TextAt(0), " M '8'+ " + std::string(92, 'x'));
}

TEST_F(ListEditorTest, DeleteAsksAndLeavesCrewsAndSideValuesBehind) {
    const Crew* crew = Add(River, WS1, "Alpha", 3);
    Add(Avon, WS1, "Beta", 4);
    meet.DrawOfEvent(WS1).Build({1, 2}, false);
    meet.Sponsors.AddWithKey(WS1, "Acme");
    ListEditor events(meet, EditedList::Events);
    events.Select(1);

    Answers no{false};
    EXPECT_FALSE(events.Delete(no.Callback()).Changed);
    EXPECT_EQ(no.asked, (std::vector<std::string>{"Any existing references to the data will be "
                                                  "undefined if you deleted. Continue?"}));
    EXPECT_EQ(meet.Events.Count(), 2);

    Answers yes{true};
    EXPECT_TRUE(events.Delete(yes.Callback()).Changed);
    EXPECT_EQ(meet.Events.Texts(), (std::vector<std::string>{"MS 4-"}));
    EXPECT_EQ(events.Selected(), -1); // the position is past the end
    EXPECT_EQ(crew->EventKey, WS1);
    EXPECT_EQ(meet.Sponsors.TextOf(WS1), "Acme");

    // Every report still prints, naming the lost event "????".
    std::string all;
    for (int report = 0; report < ReportCount; ++report) {
        std::ostringstream out;
        EXPECT_TRUE(WriteReport(meet, report, ShowType::Races, out)) << report;
        all += out.str();
    }
    EXPECT_NE(all.find("????"), std::string::npos);
}

TEST_F(ListEditorTest, UpDownAndSortsMoveEntriesWithTheirKeys) {
    meet.Events.AddWithKey(7, "MS 8+");
    ListEditor events(meet, EditedList::Events);
    EXPECT_FALSE(events.MoveUp().Changed); // nothing selected

    events.Select(0);
    EXPECT_FALSE(events.MoveUp().Changed);
    EXPECT_TRUE(events.MoveDown().Changed);
    EXPECT_EQ(meet.Events.Texts(), (std::vector<std::string>{"WS 1x", "MS 4-", "MS 8+"}));
    EXPECT_EQ(meet.Events.Keys(), (std::vector<int>{WS1, MS4, 7}));
    EXPECT_EQ(events.Selected(), 1);
    events.MoveDown();
    EXPECT_EQ(events.Selected(), 2);
    EXPECT_FALSE(events.MoveDown().Changed);

    events.SortAlphabetic();
    EXPECT_EQ(meet.Events.Texts(), (std::vector<std::string>{"MS 4-", "MS 8+", "WS 1x"}));
    EXPECT_EQ(meet.Events.Keys(), (std::vector<int>{MS4, 7, WS1}));
    EXPECT_EQ(events.Selected(), 2); // the position stays
    events.SortEvents();
    EXPECT_EQ(meet.Events.Texts(), (std::vector<std::string>{"MS 8+", "MS 4-", "WS 1x"}));
    EXPECT_EQ(meet.Events.Keys(), (std::vector<int>{7, MS4, WS1}));
}

TEST_F(ListEditorTest, TheAutomaticFeeIsShownUntilAFeeIsStored) {
    AutoFee& fee = CurrentSettings().AutoFeeSTR;
    fee.AutoFeeOn = true;
    fee.CoxesPay = true;
    fee.FeePerSeat = 1000;
    meet.Events.AddWithKey(8, "MS 4+");
    ListEditor events(meet, EditedList::Events);
    ASSERT_TRUE(events.AutoFeeMode());
    events.Select(2);
    EXPECT_EQ(events.Shown().Side2, "50.00");
    EXPECT_FALSE(meet.EntryFees.HasKey(8));

    Answers no{false};
    EXPECT_TRUE(events.SetSide2("50.00", no.Callback()).Changed);
    EXPECT_EQ(no.asked, (std::vector<std::string>{"Override Auto Fee Value?"}));
    EXPECT_FALSE(meet.EntryFees.HasKey(8));

    Answers yes{true};
    events.SetSide2(" 45.00 ", yes.Callback());
    EXPECT_EQ(meet.EntryFees.TextOf(8), "45.00");
    EXPECT_EQ(events.Shown().Side2, "45.00");

    // A fee that is no money value is refused before the question, and the
    // stored fee stays.
    for (const char* typed : {"12.5", "£30", "abc", "45.", "-5"}) {
        const EditResult result = events.SetSide2(typed, yes.Callback());
        EXPECT_EQ(result.Stop, "Money values are written like 12 or 12.50, at most 21474836.47")
            << typed;
        EXPECT_FALSE(result.Changed);
    }
    EXPECT_EQ(yes.asked.size(), 1u);
    EXPECT_EQ(meet.EntryFees.TextOf(8), "45.00");

    // Emptying the edit brings the automatic fee back without a question.
    events.SetSide2("  ", yes.Callback());
    EXPECT_EQ(yes.asked.size(), 1u);
    EXPECT_FALSE(meet.EntryFees.HasKey(8));
    EXPECT_EQ(events.Values(2).Side2, "50.00");

    // Clubs never show an automatic value; events opened with it off neither.
    ListEditor clubs(meet, EditedList::Clubs);
    EXPECT_FALSE(clubs.AutoFeeMode());
    EXPECT_EQ(clubs.Values(0).Side2, "");
    fee.AutoFeeOn = false;
    ListEditor plain(meet, EditedList::Events);
    EXPECT_EQ(plain.Values(2).Side2, "");
    plain.Select(2);
    plain.SetSide2("45", no.Callback());
    EXPECT_EQ(no.asked.size(), 1u);
    EXPECT_EQ(meet.EntryFees.TextOf(8), "45");
    EXPECT_EQ(plain.SetSide2("4 5", no.Callback()).Stop, NotMoneyText);
    EXPECT_EQ(meet.EntryFees.TextOf(8), "45");
}

TEST_F(ListEditorTest, SideValuesAreCleanedAndTrimmedButNotCut) {
    ListEditor clubs(meet, EditedList::Clubs);
    EXPECT_FALSE(clubs.SetSide1("Blue").Changed); // nothing selected
    EXPECT_EQ(meet.ClubColours.Count(), 0);

    clubs.Select(clubs.FindLine("AVON"));
    EXPECT_EQ(clubs.Selected(), 1);
    const std::string contact = "\"Jo\" Smith\r\n" + std::string(150, 'c');
    clubs.SetSide2(" " + contact + " ", nullptr);
    EXPECT_EQ(meet.ClubContacts.TextOf(Avon), "'Jo' Smith  " + std::string(150, 'c'));
    clubs.SetSide1("Dark blue");
    EXPECT_EQ(clubs.Shown().Side1, "Dark blue");
    clubs.SetSide1("");
    EXPECT_FALSE(meet.ClubColours.HasKey(Avon));
    EXPECT_EQ(clubs.FindLine("Nowhere"), -1);
}
