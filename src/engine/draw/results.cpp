#include "engine/draw/results.h"

#include "engine/draw/racelookup.h"
#include "engine/model/boatmeet.h"
#include "engine/model/text.h"

namespace bm {

Race* FindResultRace(Boatmeet& meet, std::string_view numberText, std::string& message) {
    const std::string text = Trimmed(numberText);
    if (text.empty())
        return nullptr;
    int number = 0;
    if (!ParseWholeInt(text, number)) {
        message = InvalidRaceNumberText;
        return nullptr;
    }
    // Unnumbered races hold -1; no number a user types names them.
    return number < 0 ? nullptr : meet.FindRaceByNumber(number);
}

bool ResultCrews(Boatmeet& meet, const Race& race, std::array<int, 2>& crews,
                 std::string& message) {
    const Draw* draw = DrawOfRace(meet, race);
    if (!draw || !draw->HasRaces()) {
        message = NoDrawText;
        return false;
    }
    int resolved[2] = {0, 0};
    if (!draw->ResolveCrews(race, resolved)) {
        message = NoCrewListText;
        return false;
    }
    crews = {resolved[0], resolved[1]};
    return true;
}

void RecordResult(Race& race, int winner, std::string_view verdict) {
    race.Winner = winner;
    race.Verdict = CleanVerdict(verdict);
}

void ClearResult(Race& race) {
    race.Winner = -1;
    race.Verdict.clear();
}

bool ResultNamesItsCrew(const Draw& draw, const Race& race) {
    int crews[2] = {0, 0};
    return race.HasResult() && draw.ResolveCrews(race, crews) &&
           (race.Winner == crews[0] || race.Winner == crews[1]);
}

std::string FedRaceWarning(const Boatmeet& meet, const Race& race, int oldWinner) {
    const Draw* draw = DrawOfRace(meet, race);
    if (race.Winner == oldWinner || !draw || race.Index < 2 || race.Index >= draw->Size)
        return {};
    const Race& fed = draw->RaceAt(race.Index / 2);
    if (draw->FeederRace(fed, race.Index % 2) != &race || !fed.HasResult())
        return {};
    return "Race " + std::to_string(fed.Number) + " already has a result: check it";
}

std::string SetRaceResult(Boatmeet& meet, std::string_view raceNumber, int place,
                          const std::optional<std::string>& verdict, std::string* warning) {
    std::string message;
    Race* race = FindResultRace(meet, raceNumber, message);
    if (!race)
        return InvalidRaceNumberText;
    std::array<int, 2> crews{};
    if (!ResultCrews(meet, *race, crews, message))
        return message;
    const int oldWinner = race->Winner;
    if (place == 0) {
        ClearResult(*race);
    } else {
        const std::string shown = race->HasResult() ? race->Verdict : std::string();
        RecordResult(*race, crews[place == 2 ? 1 : 0], verdict ? *verdict : shown);
    }
    if (warning)
        *warning = FedRaceWarning(meet, *race, oldWinner);
    return {};
}

} // namespace bm
