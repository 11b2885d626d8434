// The list editor's logic: the events or the clubs of a meet with the two side
// values kept under each entry's key (sponsor and entry fee of an event,
// colours and contact of a club). The command line drives the same operations
// as the window, so both leave the same meet.
//
// A window makes an editor when it opens for a list (and drops it when it
// closes or another meet is opened) and calls Reload() when another view
// changed the meet. It shows Lines() with Selected() selected and the three
// edits from Shown(); a click on a line calls Select(), each button its
// operation. Afterwards it shows the list and the edits again and empties the
// "New Data:" edit, shows Stop in an information box, and tells the other
// views when Changed is set. The command line picks a line with FindLine() and prints
// Values() of each line for its list.
#pragma once

#include "engine/editors/editing.h"
#include "engine/model/confirm.h"

#include <string>
#include <string_view>
#include <vector>

namespace bm {

class Boatmeet;
class StrSet;

enum class EditedList { Events, Clubs };

// What the edits show for a line: the text (the "Modify:" edit) and the two side values.
struct ListLineValues {
    std::string Text;
    std::string Side1;
    std::string Side2;
};

// What an entry fee edit may hold: a money value (MoneyValue), or nothing but
// blanks, which removes the fee.
bool IsFeeText(std::string_view typed);

class ListEditor {
public:
    // Opens the editor on one list with no line selected. The events list works
    // in automatic fee mode when the automatic entry fee is on at opening.
    ListEditor(Boatmeet& meet, EditedList list);

    // --- What the window shows ------------------------------------------------------
    // "Events" or "Clubs": the window caption.
    const std::string& Caption() const;
    // Names of the side sets for their labels: "Sponsors" and "EntryFees", or
    // "Club Colours" and "Club Contacts".
    const std::string& Side1Name() const;
    const std::string& Side2Name() const;
    bool AutoFeeMode() const { return autoFeeMode_; }
    // The texts of the list in its order.
    const std::vector<std::string>& Lines() const;
    // The selected line, -1 for none.
    int Selected() const { return selected_; }
    // The values shown for a line: the side value stored under its key, and for
    // an event without a stored fee in automatic fee mode, its automatic fee.
    ListLineValues Values(int line) const;
    // Values of the selected line; all empty without a selection.
    ListLineValues Shown() const { return Values(selected_); }
    // The line of a text: the first equal exactly, else the first equal
    // ignoring ASCII case; -1 when none.
    int FindLine(std::string_view text) const;

    // --- Selection and reloading -----------------------------------------------------
    // Selects a line (-1 or a line outside the list selects none).
    void Select(int line);
    // Reloads after a change elsewhere: the selected position stays when it is
    // still inside the list.
    void Reload();

    // --- Buttons: each returns what to show and whether the meet changed ---
    // Add: the typed text, cleaned, cut and trimmed, under a key above every
    // key in use. An empty text adds nothing; one already in the list (ignoring
    // ASCII case) stops with "The new text is empty or already in the list!".
    EditResult Add(std::string_view typed);
    // O&K: renames the selected entry (its key stays) once "OK to change the
    // value?" is answered Yes. A text empty after trimming, or another entry's
    // text ignoring ASCII case, stops with "The new text is empty or already in
    // the list!" and no question.
    EditResult Rename(std::string_view typed, const Confirm& confirm);
    // Delete: asks, then deletes the selected entry. Crews keep its key and the
    // side values under it stay.
    EditResult Delete(const Confirm& confirm);
    // Up / Down: swaps the selected entry with its neighbour; the selection follows it.
    EditResult MoveUp();
    EditResult MoveDown();
    // Sort A-Z (text byte order) and Sort Ev (event-name order); keys stay.
    EditResult SortAlphabetic();
    EditResult SortEvents();
    // The Set buttons: stores the cleaned, trimmed value under the selected
    // entry's key, or removes it when the value is empty. An entry fee must be
    // a fee text (IsFeeText): anything else stops with NotMoneyText before any
    // question. In automatic fee mode a fee is only stored once "Override Auto
    // Fee Value?" is answered Yes.
    EditResult SetSide1(std::string_view typed);
    EditResult SetSide2(std::string_view typed, const Confirm& confirm);

private:
    StrSet& Edited() const;
    StrSet& Side1() const;
    StrSet& Side2() const;
    bool HasSelection() const;
    EditResult Move(int step);
    EditResult StoreSide(StrSet& side, const std::string& value);
    // A key no entry, side value, crew or (for events) draw uses.
    int FreshKey() const;
    bool TextTakenByOther(std::string_view text) const;

    Boatmeet& meet_;
    EditedList list_;
    bool autoFeeMode_;
    int selected_ = -1;
};

} // namespace bm
