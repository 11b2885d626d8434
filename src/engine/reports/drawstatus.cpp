// The check of a meet before race day: the draw of every event, gaps in the
// race schedule, the order of rounds, and the time between each crew's races
// and those of the crews it doubles up or shares a boat with.
#include "engine/reports/reports.h"

#include "engine/draw/drawdisplay.h"
#include "engine/draw/racelookup.h"
#include "engine/model/boatmeet.h"
#include "engine/model/clockmoney.h"
#include "engine/model/text.h"

#include <cstdlib>
#include <sstream>
#include <unordered_map>

namespace bm {

namespace {

// The gap check looks at no more time slots than this: periods given in races
// per hour with a huge rate, or a race timed far beyond the periods, would
// otherwise keep it listing unfilled slots practically for ever.
constexpr int MaxGapSlots = 100000;

void WriteBanner(std::ostream& out, const char* title) {
    const std::string stars(42, '*');
    out << stars << "\n" << title << "\n" << stars << "\n";
}

std::vector<int> CrewIds(const std::vector<Crew*>& crews) {
    std::vector<int> ids;
    ids.reserve(crews.size());
    for (const Crew* crew : crews)
        ids.push_back(crew->Id);
    return ids;
}

int CheckDraws(const Boatmeet& meet, std::ostream& out) {
    WriteBanner(out, "Checking Draw for each event");
    const int m = meet.Events.MaxTextLength();
    int problems = 0;
    for (int i = 0; i < meet.Events.Count() && out; ++i) {
        const int key = meet.Events.KeyAt(i);
        out << ' ' << PadText(meet.Events.TextAt(i), m + 1) << ' ';
        const Draw* draw = meet.FindDraw(key);
        if (!draw) {
            out << " No draw \n";
            ++problems;
            continue;
        }
        const int placed = draw->PlacedCount();
        std::string count = "(";
        count.append(std::to_string(placed)).append(" crews) ");
        out << PadText(count, 11);
        const std::vector<Crew*> crews = meet.ListEventCrews(key, true);
        if (!draw->HasRaces()) {
            out << "Event is not drawn yet, (" << crews.size() << " Crews)";
            ++problems;
        } else if (draw->IsValid(CrewIds(crews))) {
            out << "Draw is OK";
        } else {
            out << (placed > 0 ? "ERROR in Draw event must be redrawn" : "No Crews");
            ++problems;
        }
        out << "\n";
    }
    out << "\n\n";
    return problems;
}

int CheckGaps(const Boatmeet& meet, const std::vector<Race*>& races, std::ostream& out) {
    WriteBanner(out, "Checking for gaps in Race Schedule");
    int problems = 0;
    // Without race periods there are no time slots to compare with.
    if (meet.RaceTimes.Count() > 0) {
        int s = 0;
        for (const Race* race : races) {
            if (!race->IsTimed() || s >= MaxGapSlots || !out)
                break;
            while (s < MaxGapSlots && meet.RaceTimes.SlotTime(s) < race->Time && out) {
                out << ' ' << ClockTimeText(meet.RaceTimes.SlotTime(s))
                    << " : Unfilled Race slot\n";
                ++problems;
                ++s;
            }
            if (meet.RaceTimes.SlotTime(s) != race->Time) {
                out << ' ' << race->TimeText() << " : Race does not fit in with schedule\n";
                ++problems;
            } else {
                ++s;
            }
        }
    }
    if (problems == 0)
        out << " *** No Gaps detected\n";
    out << "\n\n";
    return problems;
}

int CheckRaceOrder(const Boatmeet& meet, const std::vector<Race*>& races, std::ostream& out,
                   ShowType showType) {
    WriteBanner(out, "Checking that Race Order is valid");
    int problems = 0;
    // The label width of each event, measured once: many races out of order
    // would otherwise measure every crew again for each.
    std::unordered_map<int, int> widths;
    for (const Race* race : races) {
        if (!race->IsTimed() || !out)
            break;
        const Draw* draw = DrawOfRace(meet, *race);
        if (!draw || draw->TimeOrderOk(race->Index))
            continue;
        out << " Race occurs BEFORE preceeding round\n"
            << "   " << race->TimeText() << ' ' << race->Name() << ' ';
        const auto [width, added] = widths.try_emplace(race->EventKey, 0);
        if (added)
            width->second = meet.MaxLabelWidth(1, race->EventKey, false);
        out << RaceCrewsText(meet, *draw, *race, width->second, showType);
        out << "\n";
        ++problems;
    }
    if (problems == 0)
        out << " *** No Sequencing errors detected\n";
    out << "\n\n";
    return problems;
}

// Adds a line for each pair of times closer than the gap; a list compared with
// itself gives each pair once and never a race against itself.
void CompareTimes(const std::vector<int>& own, const std::vector<int>& other, bool sameList,
                  const char* label, int gap, std::ostream& problems) {
    for (int a : own) {
        if (a < 0)
            continue;
        for (int b : other) {
            if (b < 0 || (sameList && b >= a))
                continue;
            if (std::abs(ClockToMinutes(a) - ClockToMinutes(b)) < gap)
                problems << ClockTimeText(b) << ',' << ClockTimeText(a) << " Races too close ("
                         << label << ")\n";
        }
    }
}

std::string CrewProblems(const Boatmeet& meet, const Crew& crew) {
    std::ostringstream problems;
    const std::vector<int> own = RemainingTimes(meet, crew.Id);
    CompareTimes(own, own, true, "Within event", meet.BRTime, problems);
    for (int id : crew.DoubleUps)
        CompareTimes(own, RemainingTimes(meet, id), false, "Crew/Double Up", meet.DUTime, problems);
    for (int id : crew.BoatShares)
        CompareTimes(own, RemainingTimes(meet, id), false, "Crew/Boat Share", meet.BSTime,
                     problems);
    return problems.str();
}

int CheckCrewTimes(const Boatmeet& meet, std::ostream& out) {
    WriteBanner(out, "Checking timetabling for each crew");
    int problems = 0;
    for (const auto& crew : meet.Crews) {
        if (!out)
            break;
        const std::string text = CrewProblems(meet, *crew);
        if (text.empty())
            continue;
        out << "\nERRORS for:\n" << meet.CrewLinksLine(crew.get()) << "*****:\n" << text;
        ++problems;
    }
    out << "\n\n\n";
    return problems;
}

} // namespace

int WriteDrawStatus(const Boatmeet& meet, std::ostream& out, ShowType showType) {
    const std::vector<Race*> races = meet.OrderedRaces();
    // Each check stops when the stream fails; so do the later checks.
    int problems = CheckDraws(meet, out);
    problems += CheckGaps(meet, races, out);
    problems += CheckRaceOrder(meet, races, out, showType);
    return problems + CheckCrewTimes(meet, out);
}

} // namespace bm
