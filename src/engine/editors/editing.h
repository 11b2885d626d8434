// What the editors share: the outcome of an editor action as the window or
// the command line shows it, and the rule for a text typed into their edits.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace bm {

// Where the editors' edits stop typing.
constexpr int CrewNameLimit = 40;
constexpr int CrewNotesLimit = 100;
constexpr int ListEntryLimit = 100;

// What an editor action did, for every editor. Questions were put through the
// action's Confirm callback; the texts to show come back here, never shown by
// the engine.
struct EditResult {
    // The meet changed: the action is one undoable step, and every other view
    // of the meet is told. The editor that acted already shows the change.
    bool Changed = false;
    // An information that stopped the action: the meet is unchanged. The
    // window shows it in an information box; the command line ends with it.
    std::string Stop;
    // Information that lets the action stand (warnings, what was done), in
    // the order it arose. The window shows each in an information box; the
    // command line prints them and goes on.
    std::vector<std::string> Messages;

    bool operator==(const EditResult&) const = default;
};

// A change of the meet, with the messages to show after it.
EditResult MadeChange(std::vector<std::string> messages = {});
// An action stopped by the information, the meet unchanged.
EditResult Refusal(std::string stop);

// A typed text as it enters the meet: the text rule of the meet (CleanText),
// then cut to the edit's limit in characters.
std::string TypedText(std::string_view text, int limit);

} // namespace bm
