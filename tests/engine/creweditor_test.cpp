#include "engine/editors/creweditor.h"

#include "editormeet.h"

#include <string>
#include <vector>

using namespace bm;
using namespace bm::test;

namespace {

const std::string SameClub = "There is already another crew from this club in this event!";
const std::string RecordMove = "Record Event change in Crew Notes?";

class CrewEditorTest : public EditorMeet {
protected:
    std::vector<int> ListIds(const CrewEditor& editor) const {
        std::vector<int> ids;
        for (const CrewLine& line : editor.Lines())
            ids.push_back(line.Id);
        return ids;
    }
    void Select(CrewEditor& editor, const Crew* crew) {
        ASSERT_TRUE(editor.SelectLine(editor.LineOfCrew(crew->Id)));
    }
};

} // namespace

TEST_F(CrewEditorTest, OpeningSortsTheCrewsAndListsNamesCutAt100) {
    CurrentSettings().MaxNameLen = 10;
    const std::string longName(120, 'n');
    Crew* late = Add(Avon, WS1, "Beta", 12);
    Crew* lost = Add(River, 99, "Lost");
    Crew* first = Add(Avon, MS4, longName, 7);
    Crew* second = Add(River, MS4, "Alpha", 123);

    const CrewEditor editor(meet);
    // Event order, then club order; a crew whose event is not in the list comes last.
    EXPECT_EQ(ListIds(editor), (std::vector<int>{second->Id, first->Id, late->Id, lost->Id}));
    EXPECT_EQ(meet.Crews[0].get(), second);
    EXPECT_EQ(editor.Lines()[0].Text, "MS 4- (123) Riverside Alpha");
    EXPECT_EQ(editor.Lines()[1].Text, "MS 4-   (7) Avon " + std::string(95, 'n'));
    EXPECT_EQ(editor.Lines()[2].Text, "WS 1x  (12) Avon Beta");
    EXPECT_EQ(editor.Lines()[3].Text, "???? () Riverside Lost");
    // The reports' cut is back in force.
    EXPECT_EQ(CurrentSettings().MaxNameLen, 10);
    EXPECT_EQ(meet.CrewNameLabel(first), "Avon nnnnn");
}

TEST_F(CrewEditorTest, AnEventChangeRecordsTheMoveLeavesTheOldDrawAndWarns) {
    Crew* moving = Add(River, MS4, "Alpha");
    moving->Notes = "Late entry";
    const Crew* rival = Add(Avon, MS4, "Beta");
    const Crew* clubmate = Add(River, WS1, "Gamma");
    const Crew* other = Add(Avon, WS1, "Delta");
    meet.DrawOfEvent(MS4).Build({moving->Id, rival->Id}, false);
    meet.DrawOfEvent(WS1).Build({clubmate->Id, other->Id}, false);

    CrewEditor editor(meet);
    Select(editor, moving);
    Answers yes{true};
    const CrewEditResult result = editor.ChooseEvent("ws 1X", yes.Callback());

    EXPECT_EQ(yes.asked, (std::vector<std::string>{RecordMove}));
    EXPECT_EQ(moving->Notes, "Late entry Moved from MS 4- to WS 1x");
    EXPECT_EQ(moving->EventKey, WS1);
    EXPECT_EQ(meet.DrawOfEvent(MS4).RaceAt(1).Slots, (std::array<int, 2>{0, rival->Id}));
    EXPECT_EQ(meet.DrawOfEvent(WS1).RaceAt(1).Slots, (std::array<int, 2>{clubmate->Id, other->Id}));
    EXPECT_EQ(result.Messages, (std::vector<std::string>{SameClub}));
    EXPECT_TRUE(result.ReloadAll);
    EXPECT_TRUE(result.Refilled);
    // The list is sorted again: the moved crew now stands with the WS 1x crews.
    EXPECT_EQ(ListIds(editor), (std::vector<int>{rival->Id, moving->Id, clubmate->Id, other->Id}));
    EXPECT_EQ(editor.CurrentLine(), 1);

    // Moving back with the question answered No records nothing.
    Answers no{false};
    editor.ChooseEvent("MS 4-", no.Callback());
    EXPECT_EQ(no.asked.size(), 1u);
    EXPECT_EQ(moving->Notes, "Late entry Moved from MS 4- to WS 1x");
    EXPECT_EQ(moving->EventKey, MS4);
}

TEST_F(CrewEditorTest, OnlyAMoveFromAnotherListedEventIsRecorded) {
    Crew* crew = Add(River, -1, "Alpha");
    const Crew* partner = Add(Avon, MS4, "Beta");
    CrewEditor editor(meet);
    Select(editor, crew);
    Answers yes{true};

    // A crew without an event asks nothing.
    EXPECT_TRUE(editor.ChooseEvent("MS 4-", yes.Callback()).Messages.empty());
    EXPECT_TRUE(yes.asked.empty());

    // The same event again asks nothing, yet the crew still leaves its draw.
    meet.DrawOfEvent(MS4).Build({crew->Id, partner->Id}, false);
    editor.ChooseEvent("MS 4-", yes.Callback());
    EXPECT_TRUE(yes.asked.empty());
    EXPECT_EQ(meet.DrawOfEvent(MS4).EntryRace(crew->Id), -1);
    EXPECT_EQ(crew->Notes, "");

    // A text that names no event changes nothing and refreshes nothing else.
    const CrewEditResult unknown = editor.ChooseEvent("MS 8+", yes.Callback());
    EXPECT_EQ(crew->EventKey, MS4);
    EXPECT_FALSE(unknown.ReloadAll);
    EXPECT_TRUE(unknown.Refilled);

    // An old key that no longer names an event reads "????".
    crew->EventKey = 44;
    editor.ChooseEvent("WS 1x", yes.Callback());
    EXPECT_EQ(crew->Notes, " Moved from ???? to WS 1x");

    // With moves not recorded nothing is asked.
    CurrentSettings().RecordMoves = false;
    editor.ChooseEvent("MS 4-", yes.Callback());
    EXPECT_EQ(yes.asked.size(), 1u);
    EXPECT_EQ(crew->Notes, " Moved from ???? to WS 1x");
}

TEST_F(CrewEditorTest, TheSameClubWarningComesAfterTheClubChangeToo) {
    Crew* crew = Add(Avon, MS4, "Alpha");
    Add(River, MS4, "Beta");
    CrewEditor editor(meet);
    Select(editor, crew);

    EXPECT_TRUE(editor.ChooseClub("Avon").Messages.empty());
    const CrewEditResult result = editor.ChooseClub("RIVERSIDE");
    EXPECT_EQ(crew->ClubKey, River);
    EXPECT_EQ(result.Messages, (std::vector<std::string>{SameClub}));
    EXPECT_FALSE(result.ReloadAll);
    EXPECT_TRUE(result.Refilled);

    // A club that is not listed changes nothing.
    EXPECT_TRUE(editor.ChooseClub("Nowhere").Messages.empty());
    EXPECT_EQ(crew->ClubKey, River);
}

TEST_F(CrewEditorTest, NumbersAndDayLicencesAreReadAsTyped) {
    Crew* crew = Add(River, MS4, "Alpha", 5);
    CrewEditor editor(meet);
    Select(editor, crew);
    const std::vector<std::pair<std::string, int>> numbers = {
        {"007", 7}, {"12a", 12}, {" +9", 9}, {"x", -1}, {"0", -1}, {"-4", -1}, {"", -1}};
    for (const auto& [typed, number] : numbers) {
        editor.EditNumber(typed);
        EXPECT_EQ(crew->Number, number) << typed;
    }
    const CrewEditResult result = editor.EditNumber("42");
    EXPECT_FALSE(result.Refilled);
    EXPECT_EQ(result.ChangedLine, 0);
    EXPECT_EQ(editor.Lines()[0].Text, "MS 4-  (42) Riverside Alpha");
    EXPECT_EQ(editor.Fields().Number, "42");

    editor.EditDayLicences("-3");
    EXPECT_EQ(crew->DayLicences, -3);
    editor.EditDayLicences("2 licences");
    EXPECT_EQ(editor.Fields().DayLicences, "2");
}

TEST_F(CrewEditorTest, FeePaidCarriesEarlyPayOnlyWhileTheDiscountIsActive) {
    Crew* crew = Add(River, MS4, "Alpha");
    CrewEditor editor(meet);
    Select(editor, crew);

    editor.SetFeePaid(true);
    EXPECT_TRUE(crew->FeePaid);
    EXPECT_FALSE(crew->EarlyPay);
    editor.SetEarlyPay(true);
    editor.SetFeePaid(false);
    EXPECT_TRUE(crew->EarlyPay);

    CurrentSettings().EarlyRegDiscountActive = true;
    editor.SetFeePaid(true);
    EXPECT_TRUE(crew->FeePaid);
    EXPECT_TRUE(crew->EarlyPay);
    editor.SetFeePaid(false);
    EXPECT_FALSE(crew->EarlyPay);
    EXPECT_FALSE(editor.Fields().EarlyPay);
    // Early pay alone leaves the fee as it is.
    editor.SetEarlyPay(true);
    EXPECT_FALSE(crew->FeePaid);
}

TEST_F(CrewEditorTest, TypedTextsAreCleanedAndCutWhereTheEditsStop) {
    Crew* crew = Add(River, MS4, "Alpha");
    CrewEditor editor(meet);
    Select(editor, crew);

    // 47 characters, two of them two bytes long: cut at 40 characters, not bytes.
    editor.EditName("Whakat\xc4\x81ne \"A\"\r\nM\xc3\xbcller " + std::string(25, 'x'));
    EXPECT_EQ(crew->Name, "Whakat\xc4\x81ne 'A'  M\xc3\xbcller " + std::string(18, 'x'));
    // Windows-1252 text is read as such.
    editor.EditNotes("caf\xe9 " + std::string(120, 'z'));
    EXPECT_EQ(crew->Notes, "caf\xc3\xa9 " + std::string(95, 'z'));
    editor.EditName("   ");
    EXPECT_EQ(crew->Name, "   ");
    editor.EditName("");
    EXPECT_EQ(editor.Lines()[0].Text, "MS 4- () Riverside ");
}

TEST_F(CrewEditorTest, TheLengthLabelCountsTheShownClubAndTheWholeName) {
    CurrentSettings().MaxNameLen = 10;
    Crew* crew = Add(River, MS4, "");
    CrewEditor editor(meet);
    EXPECT_EQ(editor.LengthLabel(), "");
    Select(editor, crew);
    EXPECT_EQ(editor.LengthLabel(), ""); // 9 + 0 + 1
    editor.EditName("A");
    EXPECT_EQ(editor.LengthLabel(), "Club+Name exceeds length threshold");
    // A key that names no club shows an empty club.
    crew->ClubKey = 77;
    crew->Name = std::string(9, 'n');
    EXPECT_EQ(editor.LengthLabel(), "");
    editor.EditName(std::string(10, 'n'));
    EXPECT_EQ(editor.LengthLabel(), "Club+Name exceeds length threshold");
}

TEST_F(CrewEditorTest, DeleteWaitsForTheLinksToGoAndAsksByTheDraw) {
    Crew* crew = Add(River, MS4, "Alpha");
    const Crew* rival = Add(Avon, MS4, "Beta");
    Crew* sharer = Add(Avon, WS1, "Gamma");
    meet.LinkBoatShare(crew->Id, sharer->Id);
    meet.DrawOfEvent(MS4).Build({crew->Id, rival->Id}, false);
    CrewEditor editor(meet);
    Select(editor, crew);
    Answers yes{true};

    const CrewEditResult refused = editor.Delete(yes.Callback());
    EXPECT_EQ(refused.Stop, "You must clear all Boat Share/Double Up associations before deleting");
    EXPECT_TRUE(yes.asked.empty());
    EXPECT_EQ(meet.Crews.size(), 3u);

    EXPECT_EQ(editor.Fields().BoatShares.size(), 1u);
    EXPECT_TRUE(editor.RemoveBoatShare(0).LinksChanged);
    EXPECT_TRUE(sharer->BoatShares.empty());

    Answers no{false};
    editor.Delete(no.Callback());
    EXPECT_EQ(no.asked, (std::vector<std::string>{
                            "If you delete the crew, its event Draw will be invalid. Continue?"}));
    EXPECT_EQ(meet.Crews.size(), 3u);
    EXPECT_TRUE(editor.Delete(nullptr).Stop.empty());
    EXPECT_EQ(meet.Crews.size(), 3u);

    const int id = crew->Id;
    const CrewEditResult deleted = editor.Delete(yes.Callback());
    EXPECT_TRUE(deleted.ReloadAll);
    EXPECT_FALSE(meet.HasCrew(id));
    EXPECT_EQ(meet.DrawOfEvent(MS4).EntryRace(id), -1);
    EXPECT_EQ(editor.Current(), nullptr);
    EXPECT_EQ(editor.LineOfCrew(id), -1);

    // A crew of an event without races is deleted on the plain question.
    Select(editor, sharer);
    editor.Delete(yes.Callback());
    EXPECT_EQ(yes.asked.back(), "OK to Delete crew?");
    EXPECT_EQ(meet.Crews.size(), 1u);
}

TEST_F(CrewEditorTest, LinksJoinCrewsOfDifferentEventsBothWays) {
    Crew* crew = Add(River, MS4, "Alpha");
    const Crew* sameEvent = Add(Avon, MS4, "Beta");
    const Crew* other = Add(Avon, WS1, "Gamma");
    CrewEditor editor(meet);
    Select(editor, crew);

    EXPECT_FALSE(editor.AddDoubleUp(editor.LineOfCrew(sameEvent->Id)).LinksChanged);
    EXPECT_FALSE(editor.AddDoubleUp(-1).LinksChanged);
    EXPECT_FALSE(editor.AddDoubleUp(editor.LineOfCrew(crew->Id)).LinksChanged);
    EXPECT_TRUE(crew->DoubleUps.empty());

    const CrewEditResult linked = editor.AddDoubleUp(editor.LineOfCrew(other->Id));
    EXPECT_TRUE(linked.LinksChanged);
    EXPECT_TRUE(linked.ReloadAll);
    EXPECT_EQ(crew->DoubleUps, (std::vector<int>{other->Id}));
    EXPECT_EQ(other->DoubleUps, (std::vector<int>{crew->Id}));
    ASSERT_EQ(editor.Fields().DoubleUps.size(), 1u);
    EXPECT_EQ(editor.Fields().DoubleUps[0].Text, "WS 1x () Avon Gamma");
    EXPECT_FALSE(editor.AddDoubleUp(editor.LineOfCrew(other->Id)).LinksChanged);

    // No link line chosen removes nothing.
    EXPECT_FALSE(editor.RemoveDoubleUp(-1).LinksChanged);
    EXPECT_FALSE(editor.RemoveDoubleUp(1).LinksChanged);
    EXPECT_EQ(crew->DoubleUps.size(), 1u);
}

TEST_F(CrewEditorTest, ALinkCanAlwaysBeRemoved) {
    Crew* crew = Add(River, MS4, "Alpha");
    Crew* partner = Add(Avon, WS1, "Beta");
    meet.LinkDoubleUp(crew->Id, partner->Id);
    crew->BoatShares = {99}; // an id that no crew bears
    CrewEditor editor(meet);
    Select(editor, crew);
    EXPECT_EQ(editor.Fields().BoatShares[0].Text, "???? () ???? Ghost Crew");

    EXPECT_TRUE(editor.RemoveBoatShare(0).LinksChanged);
    EXPECT_TRUE(crew->BoatShares.empty());
    EXPECT_FALSE(meet.HasCrew(99));

    // Crews that came to share an event still come apart, both ways.
    partner->EventKey = MS4;
    EXPECT_TRUE(editor.RemoveDoubleUp(0).LinksChanged);
    EXPECT_TRUE(crew->DoubleUps.empty());
    EXPECT_TRUE(partner->DoubleUps.empty());
    const int id = crew->Id;
    Answers yes{true};
    editor.Delete(yes.Callback());
    EXPECT_FALSE(meet.HasCrew(id));
}

TEST_F(CrewEditorTest, NewCrewsAreNamedByTheSettingAndBecomeCurrent) {
    Add(River, MS4, "Alpha");
    CurrentSettings().SetCrewName = "He said \"new\"\nand went on well past forty characters";
    CrewEditor editor(meet);
    const int expectedId = meet.NextCrewId;
    const CrewEditResult result = editor.New();
    EXPECT_TRUE(result.ReloadAll);
    ASSERT_NE(editor.Current(), nullptr);
    EXPECT_EQ(editor.Current()->Id, expectedId);
    EXPECT_EQ(editor.Current()->Name,
              "He said 'new' and went on well past forty characters"); // cleaned, not cut
    EXPECT_EQ(editor.CurrentLine(), 1);
}

TEST_F(CrewEditorTest, ACrewThatLeftTheMeetIsNoLongerCurrent) {
    Crew* crew = Add(River, MS4, "Alpha");
    const Crew* other = Add(Avon, MS4, "Beta");
    CrewEditor editor(meet);
    Select(editor, crew);
    EXPECT_EQ(editor.ClickCurrent(), "");

    meet.DeleteCrew(crew); // through another window
    EXPECT_EQ(editor.Current(), nullptr);
    const CrewEditResult ignored = editor.EditName("Changed");
    EXPECT_EQ(ignored.ChangedLine, -1);
    EXPECT_FALSE(ignored.Refilled);
    EXPECT_EQ(editor.ClickCurrent(), "You must select a crew from the list OR create a New crew");

    // A line of the list that was not filled again still picks the crew it shows.
    ASSERT_TRUE(editor.SelectLine(editor.LineOfCrew(other->Id)));
    EXPECT_EQ(editor.Current(), other);
    EXPECT_FALSE(editor.SelectLine(static_cast<int>(editor.Lines().size())));
    EXPECT_EQ(editor.Current(), other);
    editor.Reload();
    EXPECT_EQ(editor.Lines().size(), 1u);
}
