// The counting behind the plan of the day, on the shape of the meet alone: the
// races of every event by round and by how many races a crew must row to reach
// them, the free start times of the race periods, and the bounds the automatic
// scheduler can never beat. Proposals change the shape and count again.
//
// Why the bounds hold: the scheduler gives every race it times a start time
// that no race of the race list holds yet, so within the periods it can time
// at most as many races as there are such free times up to the end of the
// latest period. It times a race only after every race below it in the draw,
// each at an earlier time slot; while the slot times never fall, those start
// earlier and at distinct times, so a race with k races below it starts after
// the k-th free time at the earliest, and after the chain of races that feeds
// it. Unless least times may be broken, it also starts at least the least crew
// time after the latest of them, since they all lie on its crews' paths. With
// finals kept to the end, an event's last race waits until no event has more
// than one race left, so it follows every other race.
#pragma once

#include "engine/model/racetimeserver.h"

#include <string>
#include <vector>

namespace bm {
class Draw;
}

namespace bm::plan {

// Untimed races of an event alike for the bounds: of one round, as many races
// deep (how many races a crew must row to reach one, counting it), with as
// many races below them (the races of their part of the draw, all of which
// come first).
struct RaceClass {
    int round = 0; // 0 for the first round
    int depth = 1;
    int below = 0;
    int count = 0;
};

// One event as the plan counts it.
struct EventShape {
    std::string name;
    int crews = 0;
    bool drawn = false;
    int races = 0;   // contested races
    int timed = 0;   // of them with a time
    int untimed = 0; // of them without one
    // Contested races per round, the first round first.
    std::vector<int> roundRaces;
    // The untimed races by class when none of the event's races is timed
    // (only then do they keep their order by themselves), and the class of
    // its final; empty and -1 otherwise.
    std::vector<RaceClass> classes;
    int finalClass = -1;
};

// The shape of an event of so many crews once the draw has spread its byes.
EventShape UndrawnShape(std::string name, int crews);
// The shape of an event's draw as it stands.
EventShape DrawnShape(std::string name, const Draw& draw);

// The distinct start times of the time slots that no race holds yet, in slot
// order, walked as far as needed. While the slot times never fall, free time
// i is the i-th earliest start the scheduler can still give a race.
class FreeTimes {
public:
    // takenMinutes: the start times (minutes) of timed races, sorted.
    FreeTimes(const std::vector<RacePeriod>& periods, std::vector<int> takenMinutes);

    bool HasPeriods() const { return hasPeriods_; }
    // The end of the latest period in minutes; -1 without periods.
    int End() const { return end_; }
    // True when the slot times never fall, so free time i is the i-th earliest.
    bool Rising() const { return rising_; }
    // Free start times no later than the end of the latest period.
    int WithinEnd() const { return withinEnd_; }
    // Time slots that start within their period.
    int SlotsInPeriods() const { return slotsInPeriods_; }
    // Free time i in minutes; -1 when the slots run out of the counted range.
    int At(int i);
    // The first free time from index `from` on that is at least `minutes`;
    // its index, or -1 when the counted range runs out first.
    int FirstFrom(int from, int minutes);

private:
    bool Extend(int i);
    bool Taken(int minutes) const;

    RaceTimeServer times_;
    std::vector<int> taken_;
    bool hasPeriods_ = false;
    int end_ = -1;
    bool rising_ = true;
    int withinEnd_ = 0;
    int slotsInPeriods_ = 0;
    int nextSlot_ = 0;
    int lastTime_ = -1;
    std::vector<int> free_;
};

// What the scheduler is told to keep.
struct Rules {
    int rest = 0;             // least minutes between a crew's races; 0 when they may be broken
    bool finalsAtEnd = false; // no event's last race before every other race is timed
};

// The bounds for the events on the free times.
struct Outcome {
    int toTime = 0;
    int freeSlots = 0;    // free times within the periods
    int capacityLate = 0; // races beyond the free times within the periods
    int atLeastLate = 0;  // races that cannot be timed within the periods (timed ones aside)
    int finalsFrom = -1;  // with finals at the end, the earliest any last race can start
    // Per event: the earliest start of each round and of the final (minutes,
    // -1 when not known), whether the final waits for finals at the end, and
    // whether the final cannot start within the periods.
    std::vector<std::vector<int>> roundEarliest;
    std::vector<int> earliestFinal;
    std::vector<char> finalWaits;
    std::vector<char> finalLate;
};

Outcome Evaluate(const std::vector<EventShape>& events, FreeTimes& times, const Rules& rules);

// What the plan is worked out from: the meet's events in set order, its
// periods (clock form), the start times its timed races hold, and the rules.
struct Basis {
    std::vector<EventShape> events;
    std::vector<RacePeriod> periods;
    std::vector<int> taken; // minutes, sorted
    int lateTimed = 0;      // timed races that start after the end of the latest period
    Rules rules;
};

} // namespace bm::plan
