// The values the schedulers pass around: the scheduling and finals choices, the
// timing of a race's crews, the result of ordering races over free time slots,
// and the texts a run can stop with.
#pragma once

namespace bm {

// The meet's SType: how many races of the chosen event one time slot step may time.
enum ScheduleMode { Rigid = 0, Moderate = 1, Flexible = 2 };
// The meet's FType: where finals go.
enum FinalsPlacement { FinalsAnytime = 0, FinalsPreferablyAtEnd = 1, FinalsAtEnd = 2 };

// Placement scores above this keep every least time; 0 up to it break one.
constexpr int KeepsConstraints = 1000;

// What the possible crews of a race have raced so far: the latest start on
// their own paths, of their double-up partners and of their boat-share
// partners (HHMM, -1 when none), and the largest count of timed races a crew
// and its partners are in.
struct CrewTimes {
    int LatestOwn = -1;
    int LatestDoubleUp = -1;
    int LatestBoatShare = -1;
    int Load = 0;

    bool operator==(const CrewTimes&) const = default;
};

// The outcome of ordering candidate races over the next free time slots: how
// many leading races keep every least time, the best score among them (-1 when
// none) and the lowest constraint-breaking score (1001 when none broke one).
struct SlotOrder {
    int Out = 0;
    int Best = -1;
    int Worst = KeepsConstraints + 1;

    bool operator==(const SlotOrder&) const = default;
};

inline constexpr const char* NoPeriodsText =
    "Not enough races in race periods. Clear times and try again!";
inline constexpr const char* CannotTimeText = "Scheduling stopped: some races cannot be timed";
inline constexpr const char* DrawAllEventsText = "Draw all events before scheduling";

} // namespace bm
