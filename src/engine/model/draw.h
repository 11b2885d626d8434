// The knock-out draw of one event: a table of races in which race i is fed by
// races 2i (its slot 0) and 2i+1 (its slot 1), and the queries on it that the
// drawing, display, results, scheduling and information code use.
#pragma once

#include "engine/model/race.h"

#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace bm {

class Crew;

// The smallest power of two that is at least n, never less than 2.
int NextPowerOfTwo(int n);
// Number of bits needed for a non-negative value (0 -> 0, 1 -> 1, 2..3 -> 2 ...).
int BitLength(int value);

class Draw {
public:
    explicit Draw(int eventKey = -1) : EventKey(eventKey) {}

    int EventKey;
    int Size = 0; // 0 when not drawn, else a power of two >= 2

    // Race at a table position 1 .. Size-1.
    Race& RaceAt(int index) { return races_[index]; }
    const Race& RaceAt(int index) const { return races_[index]; }

    // --- Reading and writing ---------------------------------------------------
    // The draw block of the data file.
    void WriteTo(std::ostream& out) const;
    // Makes a table of the given size (0, or a power of two from 2 to 65536;
    // anything else leaves the draw undrawn) from the block's race lines: each
    // race goes to the position its index names; positions no line fills get
    // empty races.
    void ReadBlock(int size, const std::vector<std::string_view>& raceLines);
    static bool IsValidSize(int size);

    // --- Construction and settling ----------------------------------------------
    // Rebuilds the table from first-round slots, walking crews over byes.
    void Build(const std::vector<int>& slots, bool keepTimes);
    // Empties the slot of the crew's entry race that holds it.
    void RemoveCrew(int crewId);

    // --- Queries --------------------------------------------------------------------
    bool HasRaces() const { return Size >= 1; }
    const Race* FinalRace() const { return Size > 0 ? &races_[1] : nullptr; }
    Race* FinalRace() { return Size > 0 ? &races_[1] : nullptr; }
    // The highest race index holding the crew (slot 0 before slot 1); -1 if none.
    int EntryRace(int crewId) const;
    int PlacedCount() const;
    int HeldRaceCount() const;
    static std::string RoundName(const Race& race);
    bool IsFirstRound(int index) const { return index >= Size / 2; }
    // The race feeding slot s, when that slot refers to one.
    const Race* FeederRace(const Race& race, int s) const;
    // The time of the race the winner goes on to; false for the final.
    bool NextRaceTime(const Race& race, int& time) const;
    // The race's two crews, references resolved; false when a feeder is undecided.
    bool ResolveCrews(const Race& race, int crews[2]) const;
    void AppendSlotCandidates(const Race& race, int s, std::vector<int>& list) const;
    void AppendPossibleCrews(const Race& race, std::vector<int>& list) const;
    void AppendOpponents(int crewId, std::vector<int>& list) const;
    void AppendPathRaces(const Race& race, std::vector<const Race*>& list) const;
    void AppendUntimedPathRaces(int crewId, std::vector<const Race*>& list) const;
    int TimedPathCount(int crewId) const;
    int LatestPathTime(int crewId) const;
    // Times of the undecided races on the crew's path; the id of the crew that
    // beat it, 0 when the walk passed the final, -1 when not in the draw.
    int AppendRemainingTimes(int crewId, std::vector<int>& list) const;
    bool AppendFeederTimes(const Race& race, std::vector<int>& list) const;
    bool TimeOrderOk(int index) const;
    void ClearTimes();
    // Races with both slots non-zero, round by round from the first round.
    void AppendContested(std::vector<Race*>& list);
    int UntimedContestedCount() const;
    int RoundsLeftToTime() const;
    void AppendTimeable(std::vector<Race*>& list);
    void AppendTimeableEarliestRound(std::vector<Race*>& list);
    // The first-round order of crews (0 for an empty row).
    std::vector<int> LeafOrder(bool compress, bool spaced) const;
    // Numbers the crews in first-round order from the counter, advancing it.
    void NumberCrews(int& counter, const std::function<Crew*(int)>& lookup) const;
    // True when every crew of the event stands in the draw, nothing else does,
    // and all crews enter within two consecutive rounds.
    bool IsValid(const std::vector<int>& eventCrews) const;

private:
    int SlotAt(int position) const { return races_[position / 2].Slots[position % 2]; }
    int Settle(int position, const std::vector<int>& firstRound);
    template <typename Visit> void ForPath(int crewId, Visit visit) const;

    std::vector<Race> races_; // entry 0 unused
};

} // namespace bm
