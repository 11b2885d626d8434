// The results window (TRaceResults) without its window: what it shows for a
// typed race number, the winner list it offers, and recording, changing and
// clearing a result. Later races follow by themselves, since they refer to the
// winner of the race that feeds them.
#pragma once

#include "engine/editors/editing.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace bm {

class Boatmeet;
struct Race;

inline constexpr const char* ClearResultItem = "Clear Result";
// The verdict box's choices in order ("Canvas" stands twice), ending with an empty entry.
const std::vector<std::string>& VerdictChoices();

// What the window shows after a race number was typed; Stop is "Invalid Race
// Number" for a text that is not a number.
struct ResultShown : EditResult {
    std::string EventText;                // the event of the race; empty for none
    std::vector<std::string> WinnerItems; // the winner's label when the race has a result
    int SelectedWinner = -1;              // 0 when the winner is listed
    std::string VerdictText;              // the race's verdict when it has a result

    bool operator==(const ResultShown&) const = default;
};

// The winner list on opening: Replace false keeps the items the list has;
// Stop is the information to show.
struct WinnerList : EditResult {
    bool Replace = false;
    std::vector<std::string> Items; // both crews in slot order, then "Clear Result"

    bool operator==(const WinnerList&) const = default;
};

// What choosing from the winner list did.
struct WinnerChoice : EditResult {
    bool ClearVerdict = false; // the verdict box is emptied
    // "Race N already has a result: check it" when the winner changed and the
    // race it goes on to was decided already; empty otherwise.
    std::string Warning;

    bool operator==(const WinnerChoice&) const = default;
};

// The window's current race, kept by its number, so that a race rebuilt by a
// redraw is never used after it is gone.
class ResultsEditor {
public:
    // RaceNoChanged: the race the number (trimmed) names becomes the current
    // race. "Invalid Race Number" stops for a text that is not a number; an
    // empty text or a number no race has shows nothing, silently.
    ResultShown EnterRaceNumber(Boatmeet& meet, std::string_view number);
    // GenerateCrewList: the list for the race the number names, which becomes
    // the current race; "Invalid Race Number", "No Draw for the event!" (both
    // keep the list) or "No List of crews available?" (empties it).
    WinnerList GenerateCrewList(Boatmeet& meet, std::string_view number);
    // CrewSelected: item 0 or 1 records that crew as winner with the verdict
    // box's text; "Clear Result" clears the result. Nothing when the list was
    // not built for the current race as it stands now.
    WinnerChoice CrewSelected(Boatmeet& meet, int item, std::string_view verdict);
    // VerdictChanged: the current race's verdict becomes the text, a change
    // when there is a current race.
    EditResult VerdictChanged(Boatmeet& meet, std::string_view verdict);

    // The current race; none when no race is chosen or it has gone.
    Race* CurrentRace(Boatmeet& meet) const;

private:
    int number_ = -1;
    // The crews the winner list was built with, and the race number it was built for.
    std::array<int, 2> crews_{};
    int crewsFor_ = -1;
};

} // namespace bm
