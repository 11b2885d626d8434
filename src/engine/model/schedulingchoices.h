// The meet's scheduling choices, stored in its data file as the numbers given.
#pragma once

namespace bm {

// The meet's SType: how many races of the chosen event one time-slot step may time.
enum class ScheduleMode { Rigid = 0, Moderate = 1, Flexible = 2 };
// The meet's FType: where finals go.
enum class FinalsPlacement { Anytime = 0, PreferablyAtEnd = 1, AtEnd = 2 };

} // namespace bm
