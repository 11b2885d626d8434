// What the list editor and the crew editor share: the outcome of an editor
// action as the window or the command line shows it, and the rule for a text
// typed into one of their edits.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace bm {

// Where the editors' edits stop typing.
constexpr int CrewNameLimit = 40;
constexpr int CrewNotesLimit = 100;
constexpr int ListEntryLimit = 100;

// What an editor action did. Questions were put through the action's Confirm
// callback; information and warnings come back here, never shown by the engine.
struct EditResult {
    // An information that stopped the action: the meet is unchanged. The
    // window shows it in an information box; the command line ends with it.
    std::string Stop;
    // Warnings that let the change stand, in the order they arose. The window
    // shows each in an information box; the command line prints them and goes on.
    std::vector<std::string> Warnings;
    // The action ends with refresh all: every other open view reloads from the
    // meet. The editor that acted is already current (reloading it again is harmless).
    bool RefreshAll = false;
};

// A typed text as it enters the meet: the text rule of the meet (CleanText),
// then cut to the edit's limit in characters.
std::string TypedText(std::string_view text, int limit);

} // namespace bm
