// One side-by-side race of a knock-out draw.
#pragma once

#include <array>
#include <ostream>
#include <string>
#include <string_view>

namespace bm {

// Slot values: a crew id (> 0), 0 for an empty slot or bye, or -k for the
// winner of race k of the same draw.
struct Race {
    int Index = -1;  // position in the draw tree: 1 is the final, 2i and 2i+1 feed race i
    int Number = -1; // race number shown to users, -1 while not numbered
    int Time = -1;   // start time HHMM, -1 while not timed
    int EventKey = -1;
    std::array<int, 2> Slots{0, 0};
    std::string Verdict;
    int Winner = -1; // crew id of the winner, -1 while there is no result

    bool HasResult() const { return Winner != -1; }
    bool IsTimed() const { return Time >= 0; }
    bool IsContested() const { return Slots[0] != 0 && Slots[1] != 0; }

    // "R***" when not numbered, else "R" and the number padded to four characters.
    std::string Name() const;
    // "(NT)" when not timed, else the time with four digits.
    std::string TimeText() const;

    // The race line of the data file, with its line break.
    void WriteLine(std::ostream& out) const;
    // Reads a race line; slots beyond two are dropped and missing ones are 0.
    static Race ParseLine(std::string_view line);
};

// A verdict as it may be stored: the rule for every text, and ">" (which ends
// a verdict in the data file) becomes ")".
std::string CleanVerdict(std::string_view verdict);

} // namespace bm
