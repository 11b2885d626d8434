#include "engine/model/draw.h"

#include "engine/model/crew.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace bm {

int NextPowerOfTwo(int n) {
    int power = 2;
    while (power < n && power < (1 << 30))
        power *= 2;
    return power;
}

int BitLength(int value) {
    int bits = 0;
    for (unsigned v = value > 0 ? static_cast<unsigned>(value) : 0u; v != 0; v >>= 1)
        ++bits;
    return bits;
}

bool Draw::IsValidSize(int size) {
    return size == 0 || (size >= 2 && size <= 65536 && (size & (size - 1)) == 0);
}

void Draw::WriteTo(std::ostream& out) const {
    out << "Draw:\n" << EventKey << ' ' << Size << "\n";
    for (int i = 1; i < Size; ++i)
        races_[i].WriteLine(out);
}

void Draw::ReadBlock(int size, const std::vector<std::string_view>& raceLines) {
    races_.clear();
    Size = IsValidSize(size) ? size : 0;
    if (Size == 0)
        return;
    races_.resize(Size);
    std::vector<bool> filled(Size, false);
    for (std::string_view line : raceLines) {
        Race race = Race::ParseLine(line);
        if (race.Index >= 1 && race.Index < Size) {
            filled[race.Index] = true;
            races_[race.Index] = std::move(race);
        }
    }
    for (int i = 1; i < Size; ++i) {
        if (!filled[i]) {
            races_[i] = Race{};
            races_[i].Index = i;
            races_[i].EventKey = EventKey;
        }
    }
}

void Draw::Build(const std::vector<int>& slots, bool keepTimes) {
    std::vector<int> oldTimes;
    if (keepTimes)
        for (int i = 0; i < Size; ++i)
            oldTimes.push_back(i == 0 ? -1 : races_[i].Time);
    const int n = static_cast<int>(slots.size());
    Size = NextPowerOfTwo(n);
    races_.assign(Size, Race{});
    for (int i = 1; i < Size; ++i) {
        races_[i].Index = i;
        races_[i].EventKey = EventKey;
    }
    std::vector<int> firstRound(Size, 0);
    std::copy(slots.begin(), slots.end(), firstRound.begin());
    Settle(1, firstRound);
    const int kept = std::min(Size, static_cast<int>(oldTimes.size()));
    for (int i = 1; i < kept; ++i)
        races_[i].Time = oldTimes[i];
}

int Draw::Settle(int position, const std::vector<int>& firstRound) {
    if (position >= Size)
        return firstRound[position - Size];
    Race& race = races_[position];
    race.Slots[0] = Settle(2 * position, firstRound);
    race.Slots[1] = Settle(2 * position + 1, firstRound);
    if (position != 1 && (race.Slots[0] == 0 || race.Slots[1] == 0)) {
        const int s = race.Slots[0] != 0 ? 0 : 1;
        const int value = race.Slots[s];
        race.Slots[s] = 0;
        return value;
    }
    return -position;
}

void Draw::RemoveCrew(int crewId) {
    const int entry = EntryRace(crewId);
    if (entry < 0)
        return;
    for (int& slot : races_[entry].Slots)
        if (slot == crewId)
            slot = 0;
}

int Draw::EntryRace(int crewId) const {
    for (int i = Size - 1; i >= 1; --i)
        if (races_[i].Slots[0] == crewId || races_[i].Slots[1] == crewId)
            return i;
    return -1;
}

int Draw::PlacedCount() const {
    int count = 0;
    for (int i = 1; i < Size; ++i)
        count += (races_[i].Slots[0] > 0) + (races_[i].Slots[1] > 0);
    return count;
}

int Draw::HeldRaceCount() const {
    int count = 0;
    for (int i = 1; i < Size; ++i)
        count += races_[i].Slots[0] != 0 || races_[i].Slots[1] != 0;
    return count;
}

std::string Draw::RoundName(const Race& race) {
    return race.Index < 2 ? "Final" : race.Index < 4 ? "Semi " : "Heat ";
}

const Race* Draw::FeederRace(const Race& race, int s) const {
    const long feeder = 2L * race.Index + s;
    if (race.Index < 1 || 2L * race.Index >= Size || race.Slots[s] >= 0)
        return nullptr;
    return &races_[feeder];
}

bool Draw::NextRaceTime(const Race& race, int& time) const {
    if (race.Index < 2 || race.Index >= Size)
        return false;
    time = races_[race.Index / 2].Time;
    return true;
}

bool Draw::ResolveCrews(const Race& race, int crews[2]) const {
    for (int s = 0; s < 2; ++s) {
        if (race.Slots[s] >= 0) {
            crews[s] = race.Slots[s];
            continue;
        }
        const Race* feeder = FeederRace(race, s);
        if (feeder == nullptr || !feeder->HasResult())
            return false;
        crews[s] = feeder->Winner;
    }
    return true;
}

void Draw::AppendSlotCandidates(const Race& race, int s, std::vector<int>& list) const {
    if (race.HasResult()) {
        if (s == 0)
            list.push_back(race.Winner);
        return;
    }
    if (race.Slots[s] > 0) {
        list.push_back(race.Slots[s]);
    } else if (const Race* feeder = FeederRace(race, s)) {
        AppendSlotCandidates(*feeder, 0, list);
        AppendSlotCandidates(*feeder, 1, list);
    }
}

void Draw::AppendPossibleCrews(const Race& race, std::vector<int>& list) const {
    if (race.EventKey != EventKey || race.Index < 1 || race.Index >= Size)
        return;
    const int a = race.Index;
    for (int s = 0; s < 2; ++s)
        if (a < Size / 2 && race.Slots[s] < 0)
            AppendPossibleCrews(races_[2 * a + s], list);
    for (int s = 0; s < 2; ++s)
        if (race.Slots[s] > 0)
            list.push_back(race.Slots[s]);
}

void Draw::AppendOpponents(int crewId, std::vector<int>& list) const {
    list.clear();
    const int a = EntryRace(crewId);
    if (a < 0)
        return;
    const Race& race = races_[a];
    for (int s = 0; s < 2; ++s) {
        if (race.Slots[s] > 0 && race.Slots[s] != crewId) {
            list.push_back(race.Slots[s]);
            return;
        }
    }
    if (IsFirstRound(a))
        return;
    for (int feeder = 2 * a; feeder <= 2 * a + 1; ++feeder)
        for (int slot : races_[feeder].Slots)
            if (slot > 0)
                list.push_back(slot);
}

void Draw::AppendPathRaces(const Race& race, std::vector<const Race*>& list) const {
    for (int i = race.Index; i >= 1 && i < Size; i /= 2)
        list.push_back(&races_[i]);
}

template <typename Visit> void Draw::ForPath(int crewId, Visit visit) const {
    for (int i = EntryRace(crewId); i >= 1; i /= 2)
        if (!visit(races_[i]))
            return;
}

void Draw::AppendUntimedPathRaces(int crewId, std::vector<const Race*>& list) const {
    ForPath(crewId, [&](const Race& race) {
        if (!race.IsTimed())
            list.push_back(&race);
        return true;
    });
}

int Draw::TimedPathCount(int crewId) const {
    int count = 0;
    ForPath(crewId, [&](const Race& race) {
        count += race.IsTimed();
        return true;
    });
    return count;
}

int Draw::LatestPathTime(int crewId) const {
    int latest = -1;
    ForPath(crewId, [&](const Race& race) {
        latest = std::max(latest, race.Time);
        return true;
    });
    return latest;
}

int Draw::AppendRemainingTimes(int crewId, std::vector<int>& list) const {
    if (EntryRace(crewId) < 0)
        return -1;
    int beatenBy = 0;
    ForPath(crewId, [&](const Race& race) {
        if (!race.HasResult()) {
            list.push_back(race.Time);
            return true;
        }
        if (race.Winner == crewId)
            return true;
        beatenBy = race.Winner;
        return false;
    });
    return beatenBy;
}

bool Draw::AppendFeederTimes(const Race& race, std::vector<int>& list) const {
    if (race.Index < 1 || IsFirstRound(race.Index))
        return false;
    for (int s = 0; s < 2; ++s)
        if (race.Slots[s] < 0)
            list.push_back(races_[2 * race.Index + s].Time);
    return !list.empty();
}

bool Draw::TimeOrderOk(int index) const {
    if (index < 1 || index >= Size)
        return true;
    const Race& race = races_[index];
    if (!race.IsTimed() || IsFirstRound(index))
        return true;
    return races_[2 * index].Time < race.Time && races_[2 * index + 1].Time < race.Time;
}

void Draw::ClearTimes() {
    for (int i = 1; i < Size; ++i)
        races_[i].Time = -1;
}

void Draw::AppendContested(std::vector<Race*>& list) {
    for (int round = Size / 2; round >= 1; round /= 2)
        for (int i = round; i < 2 * round; ++i)
            if (races_[i].IsContested())
                list.push_back(&races_[i]);
}

int Draw::UntimedContestedCount() const {
    int count = 0;
    for (int i = 1; i < Size; ++i)
        count += races_[i].IsContested() && !races_[i].IsTimed();
    return count;
}

int Draw::RoundsLeftToTime() const {
    return BitLength(UntimedContestedCount());
}

void Draw::AppendTimeable(std::vector<Race*>& list) {
    for (int i = 1; i < Size; ++i) {
        Race& race = races_[i];
        if (race.IsTimed())
            continue;
        bool ready = true;
        for (int s = 0; s < 2 && ready; ++s) {
            const Race* feeder = FeederRace(race, s);
            ready = race.Slots[s] > 0 || (feeder != nullptr && feeder->IsTimed());
        }
        if (ready)
            list.push_back(&race);
    }
}

void Draw::AppendTimeableEarliestRound(std::vector<Race*>& list) {
    const std::size_t before = list.size();
    AppendTimeable(list);
    if (list.size() == before)
        return;
    const int round = BitLength(list.back()->Index);
    list.erase(
        std::remove_if(list.begin() + static_cast<long>(before), list.end(),
                       [round](const Race* race) { return BitLength(race->Index) != round; }),
        list.end());
}

std::vector<int> Draw::LeafOrder(bool compress, bool spaced) const {
    std::vector<int> raw(Size, 0);
    for (int i = 0; i < Size; ++i) {
        for (int p = Size + i; p > 1; p /= 2) {
            if (SlotAt(p) > 0) {
                raw[i] = SlotAt(p);
                break;
            }
        }
    }
    std::vector<int> rows;
    if (compress) {
        for (int i = 0; i < Size; ++i)
            if (i == 0 || (raw[i] != 0 && raw[i] != raw[i - 1]))
                rows.push_back(raw[i]);
    } else {
        std::unordered_set<int> seen;
        for (int crew : raw)
            rows.push_back(crew != 0 && !seen.insert(crew).second ? 0 : crew);
    }
    if (!spaced)
        return rows;
    std::unordered_map<int, int> entry;
    for (int i = Size - 1; i >= 1; --i)
        for (int slot : races_[i].Slots)
            if (slot > 0)
                entry.emplace(slot, i);
    std::vector<int> spacedRows;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i > 0 && rows[i] > 0 && rows[i - 1] > 0 && entry[rows[i]] != entry[rows[i - 1]])
            spacedRows.push_back(0);
        spacedRows.push_back(rows[i]);
    }
    return spacedRows;
}

void Draw::NumberCrews(int& counter, const std::function<Crew*(int)>& lookup) const {
    for (int id : LeafOrder(true, false)) {
        if (id <= 0)
            continue;
        if (Crew* crew = lookup(id))
            crew->Number = counter;
        ++counter;
    }
}

bool Draw::IsValid(const std::vector<int>& eventCrews) const {
    if (!HasRaces())
        return false;
    std::unordered_set<int> placed;
    for (int i = 1; i < Size; ++i)
        for (int slot : races_[i].Slots)
            if (slot > 0)
                placed.insert(slot);
    const std::unordered_set<int> members(eventCrews.begin(), eventCrews.end());
    for (int id : eventCrews)
        if (!placed.count(id))
            return false;
    for (int id : placed)
        if (!members.count(id))
            return false;
    // A lone final of the event's only crew against an empty slot is sound.
    if (Size == 2 && placed.size() == 1)
        return true;
    int lowest = 2 * Size;
    int highest = 0;
    for (int i = 0; i < Size; ++i) {
        int p = Size + i;
        while (p > 1 && SlotAt(p) <= 0)
            p /= 2;
        if (p <= 1)
            return false;
        lowest = std::min(lowest, p);
        highest = std::max(highest, p);
    }
    return NextPowerOfTwo(lowest + 1) * 2 >= NextPowerOfTwo(highest + 1);
}

} // namespace bm
