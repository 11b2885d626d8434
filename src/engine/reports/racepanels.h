// The race detail panels of two windows, made from race detail blocks: the
// race editor's race shown by its number, and the proposed race check
// (TRaceChk_F), which puts a placement that breaks a least time to the user.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace bm {

class Boatmeet;
struct Race;

// --- The race editor's race ---------------------------------------------------------------
struct RacePanel {
    const Race* Shown = nullptr; // none for a number that no race bears
    std::string TimeText;        // for the time edit: "(NT)" or four digits
    std::string Details;         // the race's detail block
};
// The race the typed number names (a whole number; anything else names none).
RacePanel RaceEditorPanel(const Boatmeet& meet, std::string_view number);
// The race's detail block, as the race details report writes it.
std::string RaceDetailText(const Boatmeet& meet, const Race& race);

// --- The proposed race check ------------------------------------------------------------------
inline constexpr const char* RaceCheckCaption = "Placing an Invalid Race";
inline constexpr const char* RaceCheckTimeLabel = "Proposed Race Time: ";
inline constexpr const char* RaceCheckNotPossibleText =
    "It is not possible to place a race at this time that meets  the time criteria";
inline constexpr const char* RaceCheckBestText = "The best race(s) are detailed below";
inline constexpr const char* RaceCheckChoiceText =
    "Accept places this race set , Skip leaves the race slot empty";

struct RaceCheck {
    std::string TimeText; // the proposed time, for the label after "Proposed Race Time: "
    std::string Details;  // "Proposed race at : " and the detail block of each race
};
// What the check shows for the races the scheduler proposes for the time slot
// at the cursor, in the order it would place them. Each race is shown at the
// time it would get: the free time slots from the cursor on, in turn.
RaceCheck PrepareRaceCheck(const Boatmeet& meet, int cursor, const std::vector<Race*>& races);

} // namespace bm
