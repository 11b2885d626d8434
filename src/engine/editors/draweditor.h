// Editing one event's draw by hand: crews are placed into and taken out of the
// first-round slots, a first round is added in front or taken away, or the
// event is drawn afresh. Every change rebuilds the draw from the slot list at
// once, keeping the race times by race index (numbers and results are gone).
// The window and the command line show the same lists and counts from here.
#pragma once

#include "engine/editors/editing.h"
#include "engine/model/confirm.h"

#include <ostream>
#include <string>
#include <vector>

namespace bm {

class Boatmeet;

// The largest draw a meet file holds; a first round is not added beyond it.
constexpr int MaxDrawSlots = 65536;

// Texts of the draw editor.
inline constexpr const char* DrawEditSelectToRemoveText = "Select a Crew Slot to remove crew from";
inline constexpr const char* DrawEditSelectToMoveText = "Select Unplaced Crew and Crew Slot";
inline constexpr const char* DrawEditReplaceQuestion = "OK to remove Crew from this slot?";
inline constexpr const char* DrawEditContractQuestion =
    "1st round races will be deleted; OK to continue?";
inline constexpr const char* DrawEditAutoQuestion =
    "Drawing event will clear race times for event. OK to continue?";
// The text of an empty slot.
inline constexpr const char* DrawEditEmptySlotText = "***";

// What the labels beside the lists show.
struct DrawEditorCounts {
    int Crews = 0;    // the event's crews
    int Placed = 0;   // slots of the draw that hold a crew
    int Unplaced = 0; // the event's crews in no slot
    bool Valid = false;
};

// "Valid" (shown in green, RGB 0, 128, 0) or "Invalid" (shown in red).
const char* DrawStatusText(bool valid);

class DrawEditor {
public:
    // The editor works on this meet for its whole life; another meet needs
    // another editor.
    explicit DrawEditor(Boatmeet& meet) : meet_(meet) {}

    // Chooses the event and loads its slot list from its draw (created empty
    // when it has none): the first-round order, a crew that walked over a bye
    // in the first slot of its pair. A key that names no event leaves the
    // editor without an event.
    void DoNewEvent(int eventKey);
    // Loads the chosen event again (after any change to the meet); the choice
    // is dropped when the event is gone.
    void Reload();
    bool HasEvent() const { return hasEvent_; }
    int EventKey() const { return eventKey_; }

    // The first-round slots (a crew id or 0) and the unplaced crews in crew
    // list order. Slots are counted from 0 here; the command line shows them from 1.
    const std::vector<int>& Slots() const { return slots_; }
    const std::vector<int>& Unplaced() const { return unplaced_; }
    int SlotCount() const { return static_cast<int>(slots_.size()); }
    bool IsUnplaced(int crewId) const;

    // One line per slot: "***" or the crew's numbered label.
    std::vector<std::string> SlotLines() const;
    // One line per unplaced crew: its numbered label.
    std::vector<std::string> UnplacedLines() const;
    DrawEditorCounts Counts() const;
    // What the command line's "show" prints: the counts line, one line per
    // slot (number from 1, a tab, its text), "UnPlaced Crews:", then one line
    // per unplaced crew (id, a tab, its label).
    std::vector<std::string> ShowLines() const;

    // --- The buttons. Each is Changed when the draw was rebuilt; a message
    // that stopped the action is the Stop. A question answered No stops the
    // action with no message. ---

    // Move To Draw: the unplaced crew into the slot, asking first when the slot
    // holds a crew (which then becomes unplaced).
    EditResult AddToDraw(int slot, int crewId, const Confirm& confirm);
    // Remove: the slot becomes empty (an empty slot still rebuilds the draw).
    EditResult RemoveFromDraw(int slot);
    // Expand Draw: a first round of byes in front, each old slot paired with a
    // new empty one; an undrawn event gets a two-slot draw. Nothing without an
    // event or when the draw would grow beyond MaxDrawSlots.
    EditResult DoExpand();
    // Contract Draw: the first round taken away, each pair keeping its first
    // crew (the second becomes unplaced). Nothing below four slots.
    EditResult DoContract(const Confirm& confirm);
    // AutoDraw: draws the event at random as drawing all events does, then
    // loads it again.
    EditResult DoAuto(const Confirm& confirm);

private:
    // The draw rebuilt from the slot list and the slots loaded again from it: a change.
    EditResult Rebuilt();
    // The draw from the slot list, race times kept; the meet's race list is
    // collected again, as the old races are gone.
    void RebuildDraw();
    // The unplaced list from the event's crews; slots holding a crew that is
    // no longer the event's read as empty (the draw keeps it until a rebuild).
    void RefreshLists();
    bool ValidSlot(int slot) const { return slot >= 0 && slot < SlotCount(); }

    Boatmeet& meet_;
    bool hasEvent_ = false;
    int eventKey_ = -1;
    std::vector<int> eventCrews_;
    std::vector<int> slots_;
    std::vector<int> unplaced_;
};

// What the main window shows while the draw editor is open on the event: a
// notice that the view is taken, then the event's draw as a bracket chart
// naming the races.
void WriteDrawEditorView(const Boatmeet& meet, int eventKey, std::ostream& out);

} // namespace bm
