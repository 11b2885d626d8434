// Splitting an event with too many entries into divisions: new events named
// after it with " (A)", " (B)", ... among which its crews are shared out
// evenly, the crews of one club going round the divisions.
#pragma once

#include "engine/model/confirm.h"

#include <string>
#include <string_view>

namespace bm {

class Boatmeet;

// The most divisions an event can be split into (the letters A to Z).
constexpr int MaxDivisions = 26;

// The name of division n (1 for "A") of an event.
std::string DivisionName(std::string_view eventName, int n);

// Why the event cannot be split into the number of divisions (fewer than 2,
// more than 26, or a division name that is already an event); empty when it can.
std::string SplitRefusal(const Boatmeet& meet, std::string_view eventName, int divisions);

// Splits the event into the number of divisions once the question "OK to
// split ..." is answered Yes; the event and its draw are gone afterwards.
// False when the split is refused (the reason in error) or the question is
// answered No (error empty).
bool SplitEvent(Boatmeet& meet, std::string_view eventName, int divisions, const Confirm& confirm,
                std::string& error);

} // namespace bm
