// The working data of one scheduler run over a meet, and the measures the
// schedulers rank races by.
//
// A run scores every candidate race against the next free time slots at every
// step. What does not change while races are timed is worked out once per run:
// each race's possible crews and the crews they share a rower or boat with, the
// entry race of every crew, the draw of every event. What does change (the
// latest times on crews' paths, the races still to time) is kept with the
// version of every crew path it read, and worked out again only after a race on
// one of those paths got a time. Free time slots are found through a count of
// races per start time instead of a scan of the race list.
#pragma once

#include "engine/model/boatmeet.h"
#include "engine/schedule/scheduler.h"

#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace bm {

class ScheduleState {
public:
    explicit ScheduleState(Boatmeet& meet);
    ScheduleState(const ScheduleState&) = delete;
    ScheduleState& operator=(const ScheduleState&) = delete;

    // --- Time slots and times ------------------------------------------------------
    bool SlotIsFree(int k) const;
    // The first free time slot from k on; without race periods k itself.
    int NextFreeSlot(int k) const;
    // Gives a race of the draw at drawIndex its start time.
    void SetTime(int drawIndex, Race& race, int time);
    // The share of RaceList races that have a time, in whole percent.
    int TimedPercent() const;

    // --- Draws ---------------------------------------------------------------------------
    Boatmeet& Meet() { return meet_; }
    // Index of the event's draw in the meet's list, -1 when it has none.
    int DrawIndexOf(int eventKey) const;
    Draw& DrawAt(int drawIndex) { return *draws_[drawIndex].draw; }
    // The draw's contested races without a time.
    int Untimed(int drawIndex);

    // --- Measures ----------------------------------------------------------------------
    bool RacesConflict(const Race& a, const Race& b);
    int ConflictDepth(const Race& race);
    CrewTimes CrewTiming(const Race& race);
    int PlacementScore(const Race& race, int k);

    // --- Steps (schedulestep.cpp) --------------------------------------------------------
    SlotOrder OrderForSlots(std::vector<Race*>& races, int cursor);
    // One step of the automatic scheduler; timed counts the races it gave a
    // time of 0 or more.
    bool Step(ScheduleMode mode, FinalsPlacement finals, int& cursor,
              const ConfirmPlacement& confirm, int& timed);
    // True when some event has a race that could be timed now.
    bool HasTimeableRace();

private:
    // What a race involves, fixed for the run.
    struct RaceShape {
        std::vector<int> crews; // possible crews
        std::vector<int> reach; // those and their partners, sorted, no repeats
    };
    // What a race's crews have raced so far, with the crew path versions read.
    struct RaceFacts {
        bool built = false;
        CrewTimes timing;
        int depth = 0;
        std::vector<std::pair<int, int>> reads; // (crew ordinal, version)
    };
    // Where a crew races: its event's draw and its entry race there.
    struct CrewPath {
        int drawIndex = -1;
        int entry = -1;
        int ordinal = -1;
    };
    struct DrawData {
        Draw* draw = nullptr;
        int version = 0;                         // races of the draw timed in this run
        std::unordered_map<int, int> entry;      // crew id -> entry race
        std::vector<std::vector<int>> pathCrews; // race index -> crews whose path holds it
        int untimedVersion = -1;
        int untimed = 0;
        int candidatesVersion = -1;
        bool flexibleCandidates = false;
        std::vector<Race*> candidates;
        std::vector<RaceFacts*> candidateFacts;
    };
    // One candidate race prepared for scoring against many time slots.
    struct Scorer {
        int own, doubleUp, boatShare; // minutes
        bool hasOwn, hasDoubleUp, hasBoatShare;
        int keeps; // the score when no least time is broken
    };
    struct Coloured {
        const Race* race;
        int colour;
        const RaceShape* shape;
    };

    void IndexDraw(int drawIndex);
    const CrewPath& PathOf(int crewId);
    const RaceShape& ShapeOf(const Race& race);
    RaceFacts& FactsOf(const Race& race);
    RaceFacts& Current(RaceFacts& facts, const Race& race);
    void BuildFacts(const Race& race, RaceFacts& facts);
    // Latest time and timed count on the crew's path; records the read.
    std::pair<int, int> PathSummary(int crewId, RaceFacts& facts);
    int PartnerCount(const std::vector<int>& partners, int& latest, RaceFacts& facts);
    int Depth(const Race& race, RaceFacts& facts);
    void AddColoured(const Race& race);
    Scorer ScorerOf(const Race& race, RaceFacts& facts);
    int Score(const Scorer& scorer, int minutes) const;
    const std::vector<int>& FreeSlotMinutes(int cursor, int count);
    void Candidates(int drawIndex, bool flexible);
    SlotOrder Order(std::vector<Race*>& races, std::vector<RaceFacts*>& facts, int cursor);

    Boatmeet& meet_;
    bool allowTC_;
    std::vector<DrawData> draws_;
    std::unordered_map<int, int> drawOfEvent_;
    std::unordered_map<int, CrewPath> crewPaths_;
    std::unordered_map<int, int> crewOrdinals_;
    std::vector<int> crewVersions_;
    std::unordered_map<const Race*, RaceShape> shapes_;
    std::unordered_map<const Race*, RaceFacts> facts_;
    std::unordered_map<int, int> raceCountAt_; // start time -> RaceList races at it
    std::unordered_set<const Race*> listed_;   // the races of RaceList
    int timedListed_ = 0;
    // Free time slots from freeCursor_ on, valid while no time changes.
    int freeCursor_ = -1;
    std::vector<int> freeSlots_;
    std::vector<int> freeMinutes_;
    // Scratch space reused between calls.
    std::vector<Coloured> colouring_;
    std::vector<char> taken_;
    std::vector<std::pair<Race*, Scorer>> pending_;
    std::vector<RaceFacts*> scratchFacts_;
};

} // namespace bm
