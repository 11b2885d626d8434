// The crew editor's logic: the list of every crew, the current crew with its
// fields and links, and what each control does to the meet. The command line
// drives the same operations as the window, so both leave the same meet.
//
// A window makes one editor per open meet (a new one when another meet is
// opened) and calls Reload() when another view changed the meet. It fills its
// crew list from Lines(), selects CurrentLine(), and shows Fields() and
// LengthLabel(). Each change the user makes to a control calls its operation
// once (only user edits: the window's own refills must not call them).
// Afterwards it calls Reload() when ReloadAll is set, shows everything again
// when ReloadAll or Refilled is set, otherwise rewrites ChangedLine when there
// is one; it sets both check boxes from Fields() and the length label from
// LengthLabel(), shows Stop and then each message in an information box, and
// tells the other views when Changed is set.
#pragma once

#include "engine/editors/editing.h"
#include "engine/model/confirm.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bm {

class Boatmeet;
class Crew;

// One line of a crew list: the crew it shows and its text.
struct CrewLine {
    int Id = -1;
    std::string Text;
};

// What the crew controls show for the current crew; empty and disabled without
// one. Name and Notes are the stored texts, which may be longer than the edits type.
struct CrewFields {
    bool Enabled = false;
    int ClubIndex = -1;  // the club's position in Clubs, -1 for none
    int EventIndex = -1; // the event's position in Events, -1 for none
    std::string Name;
    std::string Number;
    std::string Notes;
    std::string DayLicences;
    bool FeePaid = false;
    bool EarlyPay = false;
    std::vector<CrewLine> BoatShares; // in stored order
    std::vector<CrewLine> DoubleUps;
};

// What a crew editor action did: EditResult, and how the crew list changed.
struct CrewEditResult : EditResult {
    // The crew list was filled again (crews sorted) and the current crew shown
    // again: show every line, the fields and the link lists anew.
    bool Refilled = false;
    // Otherwise the one line that now reads differently; -1 for none.
    int ChangedLine = -1;
    // The link buttons: whether a link list of either crew changed.
    bool LinksChanged = false;
    // The action ends with the refresh all that reloads every editor, this
    // one included (New, Delete, the links and an event change).
    bool ReloadAll = false;
};

class CrewEditor {
public:
    // Opens the editor with no current crew and fills the crew list (which sorts the crews).
    explicit CrewEditor(Boatmeet& meet);

    // --- What the window shows ---------------------------------------------------------------
    // The crew list: one line per crew in crew order, each crew's event and
    // numbered label with names cut at 100 characters.
    const std::vector<CrewLine>& Lines() const { return lines_; }
    // The choices of the club and event drop-downs (refill them each time one opens).
    const std::vector<std::string>& ClubChoices() const;
    const std::vector<std::string>& EventChoices() const;
    CrewFields Fields() const;
    // The length label: "Club+Name exceeds length threshold" or empty.
    std::string LengthLabel() const;
    // The current crew; none when none is chosen or it left the meet.
    Crew* Current() const;
    // The current crew's line in the crew list, -1 for none.
    int CurrentLine() const;
    // The line showing the crew, -1 when none does.
    int LineOfCrew(int id) const;

    // --- Selection and reloading -------------------------------------------------------------
    // Fills the crew list again (sorting the crews), keeping the current crew.
    void Reload();
    // After undo or redo, when every crew is a new object: the crew with the
    // id becomes current again while the meet holds one.
    void Reselect(int currentId);
    // A double click on a line: its crew becomes current; false when the line shows none.
    bool SelectLine(int line);
    // The text for a click on the details group: the hint when no crew is current, else empty.
    std::string ClickCurrent() const;

    // --- Field changes: each does nothing without a current crew ----------------------------
    // "Entry Fee Paid" ticked or cleared; with the early registration discount
    // active "Early Pay Discount" follows it.
    CrewEditResult SetFeePaid(bool checked);
    CrewEditResult SetEarlyPay(bool checked);
    CrewEditResult EditName(std::string_view typed);
    CrewEditResult EditNotes(std::string_view typed);
    // Read as a decimal integer; 0 or less clears the number.
    CrewEditResult EditNumber(std::string_view typed);
    CrewEditResult EditDayLicences(std::string_view typed);
    // The event chosen by its text. When the crew leaves another event and
    // moves are recorded, recordMove is asked "Record Event change in Crew
    // Notes?" (no callback counts as Yes). The crew leaves its old event's draw.
    // Warns when another crew of its club is in the event; ends with refresh all.
    CrewEditResult ChooseEvent(std::string_view text, const Confirm& recordMove);
    // The club chosen by its text; warns as ChooseEvent does.
    CrewEditResult ChooseClub(std::string_view text);

    // --- Buttons ------------------------------------------------------------------------------
    // New: a crew named by the new-crew name setting becomes current.
    CrewEditResult New();
    // Delete: stops while the crew has links; otherwise asks (no callback
    // counts as No) and deletes the crew, leaving no current crew.
    CrewEditResult Delete(const Confirm& confirm);
    // Add Double Up / Add Boat Share with the crew of a crew-list line (-1 for none).
    CrewEditResult AddDoubleUp(int line);
    CrewEditResult AddBoatShare(int line);
    // Remove Double Up / Remove Boat Share of a line of the current crew's link list.
    CrewEditResult RemoveDoubleUp(int linkLine);
    CrewEditResult RemoveBoatShare(int linkLine);

private:
    using LinkOperation = void (Boatmeet::*)(int, int);
    using LinkList = std::vector<int> Crew::*;

    Crew* CrewOfLine(int line) const;
    void SetCurrent(Crew* crew);
    std::string LineText(const Crew* crew) const;
    void SameClubCheck(const Crew& crew, CrewEditResult& result) const;
    // Shows a field change in the crew list: the crew's own line, or the whole
    // list when the crew has no line yet.
    CrewEditResult FieldChanged(Crew& crew);
    CrewEditResult Refill(CrewEditResult result);
    // The result of an action that ends with the refresh all of every editor.
    static CrewEditResult Reloaded(CrewEditResult result);
    std::optional<int> CrewIdOfLine(int line) const;
    std::optional<int> LinkedIdOfLine(int linkLine, LinkList list) const;
    // Calls the link operation with the current crew and the other crew, when
    // there are both; the crew list is filled again in every case.
    CrewEditResult ChangeLink(std::optional<int> otherId, LinkOperation operation, LinkList list);

    Boatmeet& meet_;
    Crew* current_ = nullptr;
    int currentId_ = -1;
    std::vector<CrewLine> lines_;
};

} // namespace bm
