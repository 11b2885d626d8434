// The random draw of an event: byes spread evenly over the first round, the
// biggest club placed first, and the crews of one club kept in different
// segments of the first round so that they meet as late as their number allows.
#include "engine/draw/randomdraw.h"

#include "engine/model/boatmeet.h"
#include "engine/model/crew.h"
#include "engine/model/draw.h"
#include "engine/model/random.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>

namespace bm {

namespace {

constexpr int ByeMarker = -9999;
// Conflicts a crew may meet before it takes the next free entry wherever it is.
constexpr int MaxConflicts = 150;

// A random entry of the work array. RandomBelow reaches only 256 values, so a
// wider array combines two values of the generator to reach every entry.
int PickEntry(int n) {
    if (n <= 256)
        return RandomBelow(0, n);
    const std::int64_t high = NextRandom();
    const std::int64_t low = NextRandom();
    return static_cast<int>(((high << 15) | low) % n);
}

// The work array of the draw's entries with a marker at every bye.
std::vector<int> EntriesWithByes(int crews) {
    const std::vector<bool> byes = ByeEntries(crews);
    std::vector<int> entries(byes.size(), 0);
    for (std::size_t i = 0; i < byes.size(); ++i)
        if (byes[i])
            entries[i] = ByeMarker;
    return entries;
}

// Places the crews of one club, each in a free entry of a segment of the
// first round that holds none of the club's crews yet, as long as such a
// segment turns up within the allowed conflicts.
void PlaceGroup(const std::vector<Crew*>& group, std::vector<int>& entries) {
    const int n = static_cast<int>(entries.size());
    const int segmentLength = n / NextPowerOfTwo(static_cast<int>(group.size()));
    std::vector<bool> segmentUsed(static_cast<std::size_t>(n / segmentLength), false);
    for (const Crew* crew : group) {
        int conflicts = 0;
        int p = 0;
        for (;;) {
            p = PickEntry(n);
            if (entries[static_cast<std::size_t>(p)] != 0)
                continue;
            if (conflicts > MaxConflicts ||
                !segmentUsed[static_cast<std::size_t>(p / segmentLength)])
                break;
            ++conflicts;
        }
        entries[static_cast<std::size_t>(p)] = crew->Id;
        segmentUsed[static_cast<std::size_t>(p / segmentLength)] = true;
    }
}

void DrawEventCrews(Boatmeet& meet, int eventKey) {
    std::vector<Crew*> crews = meet.ListEventCrews(eventKey, true);
    DrawCrews(meet.DrawOfEvent(eventKey), crews);
}

} // namespace

std::vector<bool> ByeEntries(int crews) {
    const int n = NextPowerOfTwo(crews);
    std::vector<bool> entries(static_cast<std::size_t>(n), false);
    const std::int64_t byes = n - std::max(crews, 0);
    for (std::int64_t i = 0; i < byes; ++i)
        entries[static_cast<std::size_t>(n * i / byes)] = true;
    return entries;
}

void TakeLargestClubGroup(std::vector<Crew*>& remaining, std::vector<Crew*>& group) {
    group.clear();
    if (remaining.empty())
        return;
    // The club with the most crews; the first crew in the list of such a club
    // names it, which gives the earliest-standing club among equals.
    std::unordered_map<int, int> counts;
    int most = 0;
    for (const Crew* crew : remaining)
        most = std::max(most, ++counts[crew->ClubKey]);
    const auto first = std::find_if(remaining.begin(), remaining.end(), [&](const Crew* crew) {
        return counts[crew->ClubKey] == most;
    });
    const int club = (*first)->ClubKey;
    for (auto it = remaining.rbegin(); it != remaining.rend(); ++it)
        if ((*it)->ClubKey == club)
            group.push_back(*it);
    remaining.erase(std::remove_if(remaining.begin(), remaining.end(),
                                   [club](const Crew* crew) { return crew->ClubKey == club; }),
                    remaining.end());
}

void DrawCrews(Draw& draw, std::vector<Crew*>& crews) {
    std::vector<int> entries = EntriesWithByes(static_cast<int>(crews.size()));
    std::vector<Crew*> group;
    while (!crews.empty()) {
        TakeLargestClubGroup(crews, group);
        PlaceGroup(group, entries);
    }
    std::replace(entries.begin(), entries.end(), ByeMarker, 0);
    draw.Build(entries, false);
}

void DrawEvent(Boatmeet& meet, int eventKey) {
    DrawEventCrews(meet, eventKey);
    meet.CollectRaces();
}

void DrawAllEvents(Boatmeet& meet) {
    for (int i = 0; i < meet.Events.Count(); ++i)
        DrawEventCrews(meet, meet.Events.KeyOf(meet.Events.TextAt(i)));
    meet.CollectRaces();
}

} // namespace bm
