#include "engine/draw/eventsplit.h"

#include "engine/draw/randomdraw.h"
#include "engine/model/boatmeet.h"
#include "engine/model/random.h"

#include <vector>

namespace bm {

namespace {

// Adds the divisions right after the event, in letter order, each with the
// event's entry fee and sponsor; their keys by division (index 0 for "A").
std::vector<int> AddDivisions(Boatmeet& meet, const std::string& eventName, int eventKey,
                              int divisions) {
    std::vector<int> keys(static_cast<std::size_t>(divisions));
    for (int n = divisions; n >= 1; --n) {
        const int key = meet.Events.InsertAfter(DivisionName(eventName, n), eventName);
        keys[static_cast<std::size_t>(n - 1)] = key;
        if (meet.EntryFees.HasKey(eventKey))
            meet.EntryFees.AddWithKey(key, meet.EntryFees.TextOf(eventKey));
        if (meet.Sponsors.HasKey(eventKey))
            meet.Sponsors.AddWithKey(key, meet.Sponsors.TextOf(eventKey));
    }
    return keys;
}

// Each club's crews go round the divisions from a random start, no division
// taking more than its share.
void ShareOutCrews(Boatmeet& meet, int eventKey, const std::vector<int>& keys) {
    std::vector<Crew*> crews = meet.ListEventCrews(eventKey, true);
    const int n = static_cast<int>(keys.size());
    const int capacity = (static_cast<int>(crews.size()) + n - 1) / n;
    std::vector<int> fill(keys.size(), 0);
    std::vector<Crew*> group;
    while (!crews.empty()) {
        TakeLargestClubGroup(crews, group);
        int j = RandomBelow(0, n);
        for (std::size_t count = group.size(); count > 0; --count) {
            const int c = RandomBelow(0, static_cast<int>(group.size()));
            do
                j = (j + 1) % n;
            while (fill[static_cast<std::size_t>(j)] >= capacity);
            group[static_cast<std::size_t>(c)]->EventKey = keys[static_cast<std::size_t>(j)];
            ++fill[static_cast<std::size_t>(j)];
            group.erase(group.begin() + c);
        }
    }
}

} // namespace

std::string SplitRefusal(const Boatmeet& meet, std::string_view eventName, int divisions) {
    if (divisions < 2)
        return "You must split into 2 or more divisions!";
    // Past "Z" the letters would run into punctuation and control characters.
    if (divisions > MaxDivisions)
        return "You can split into at most 26 divisions!";
    // A division must be a new event: sharing crews into an existing one would
    // mix two events in one draw.
    for (int n = 1; n <= divisions; ++n)
        if (meet.Events.KeyOf(DivisionName(eventName, n)) != -1)
            return "Event " + DivisionName(eventName, n) + " already exists!";
    return {};
}

std::string DivisionName(std::string_view eventName, int n) {
    return std::string(eventName) + " (" + static_cast<char>(64 + n) + ")";
}

bool SplitEvent(Boatmeet& meet, std::string_view eventName, int divisions, const Confirm& confirm,
                std::string& error) {
    error.clear();
    const int eventKey = eventName.empty() ? -1 : meet.Events.KeyOf(eventName);
    if (eventKey == -1) {
        error = "You must select an event to split";
        return false;
    }
    const std::string name = meet.Events.TextOf(eventKey);
    error = SplitRefusal(meet, name, divisions);
    if (!error.empty() ||
        !confirm("OK to split  " + name + "  into " + std::to_string(divisions) + " divisions?"))
        return false;
    ShareOutCrews(meet, eventKey, AddDivisions(meet, name, eventKey, divisions));
    meet.DeleteDrawOfEvent(name);
    meet.Events.DeleteText(name);
    meet.CollectRaces();
    return true;
}

} // namespace bm
