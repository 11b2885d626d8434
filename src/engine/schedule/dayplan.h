// The plan of the day, worked out from the meet as it stands, before the draw
// or after it: the time slots of every race period; for every event its
// crews, the races its knock-out needs (byes are not raced), its rounds and
// how early its final can start; the crews that tie events together; what
// cannot fit, counted so that the automatic scheduler can never do better;
// and a handful of changes that would make the day fit, or come closest.
//
// It plans the day once every event is drawn: an event not drawn yet has the
// knock-out the draw will make of its crews; a drawn event, its draw. Times
// are minutes since midnight of the first day.
#pragma once

#include "engine/model/racetimeserver.h"

#include <string>
#include <vector>

namespace bm {

class Boatmeet;
struct Settings;

struct PlanPeriod {
    RacePeriod Period; // clock form
    int Slots = 0;     // time slots that start within it
};

struct PlanRound {
    int Races = 0;     // contested races
    int Earliest = -1; // the earliest any of them can start; -1 when not known
};

struct PlanEvent {
    std::string Name;
    int Crews = 0; // crews entered, or in its draw once drawn
    bool Drawn = false;
    int Races = 0;                 // contested races its knock-out needs
    int Timed = 0;                 // of them with a time
    std::vector<PlanRound> Rounds; // the first round first
    // The earliest its final (its last race to time) can start; -1 when no race
    // is left to time or it is not known.
    int EarliestFinal = -1;
    bool FinalWaits = false; // the final waits for every other race (finals at the end)
    bool FinalLate = false;  // the final cannot start by the end of the race periods
};

// Two events tied by crews that share a rower (double-ups) or a boat.
struct PlanTie {
    std::string First; // the one earlier in the events' order
    std::string Second;
    int DoubleUps = 0;
    int BoatShares = 0;
};

enum class ProposalKind { Split, Cap, AddPeriod, Interval };

// A change that makes the plan fit or comes closest, with its effect worked out.
struct PlanProposal {
    ProposalKind Kind = ProposalKind::Split;
    std::string Event; // split and cap: the event
    int Divisions = 0; // split
    int Cap = 0;       // cap: the crews kept
    int Refused = 0;   // cap: the crews refused
    RacePeriod Period; // add period: the period, clock form
    int Interval = 0;  // interval: a race every so many minutes
    int LateAfter = 0; // races that still cannot be timed within the periods
    std::string Text;  // "Proposal: ..." with its reason and its effect
};

struct DayPlan {
    std::vector<PlanPeriod> Periods;
    int End = -1; // the end of the latest period; -1 without periods
    std::vector<PlanEvent> Events;
    std::vector<PlanTie> Ties;
    int Races = 0;     // contested races of every event
    int ToTime = 0;    // of them without a time
    int Slots = 0;     // time slots that start within their period
    int FreeSlots = 0; // distinct start times by the end that no race holds
    int LateTimed = 0; // races already timed after the end
    // With finals kept to the end: the earliest any event's last race can
    // start; -1 otherwise.
    int FinalsFrom = -1;
    // Races that no scheduler can time within the periods, by counting races
    // against free start times alone (the fixed-order scheduler included).
    int CapacityLate = 0;
    // Races that the automatic scheduler cannot time within the periods: the
    // count above, or those that the rounds and the least crew time push past
    // the end, whichever is more.
    int AtLeastLate = 0;
    std::vector<PlanProposal> Proposals;

    bool Fits() const { return AtLeastLate == 0; }
};

// The plan of the meet; AllowTC of the settings says whether the least times
// may be broken. The meet is only read.
DayPlan PlanTheDay(const Boatmeet& meet, const Settings& settings);

// "every 5 minutes" or "12 races per hour".
std::string PaceText(const RacePeriod& period);
// "a race every 5 minutes" or "12 races per hour".
std::string SpacingText(const RacePeriod& period);

// What does not fit: "At least N races cannot be timed within the race
// periods", then "Event E cannot reach its final before HH:MM" for each event
// whose final cannot start by the end. None when the plan fits.
std::vector<std::string> DayPlanProblems(const DayPlan& plan);

} // namespace bm
