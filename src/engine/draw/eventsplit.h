// Splitting an event with too many entries into divisions: new events named
// after it with " (A)", " (B)", ... among which its crews are shared out
// evenly, the crews of one club going round the divisions.
#pragma once

#include <string>
#include <string_view>

namespace bm {

class Boatmeet;

// The most divisions an event can be split into (the letters A to Z).
constexpr int MaxDivisions = 26;

// The name of division n (1 for "A") of an event.
std::string DivisionName(std::string_view eventName, int n);

// Splits the event into the number of divisions after asking the user; the
// event and its draw are gone afterwards. False when refused (with an
// information message) or when the question is not answered Yes.
bool SplitEvent(Boatmeet& meet, std::string_view eventName, int divisions);

} // namespace bm
