#include "engine/reports/dataproblems.h"

#include "engine/draw/results.h"
#include "engine/model/boatmeet.h"
#include "engine/model/clockmoney.h"

#include <algorithm>

namespace bm {

namespace {

void AddFeeProblems(const Boatmeet& meet, std::vector<std::string>& problems) {
    for (int position = 0; position < meet.Events.Count(); ++position) {
        const int key = meet.Events.KeyAt(position);
        if (!meet.EntryFees.HasKey(key))
            continue;
        const std::string fee = meet.EntryFees.TextOf(key);
        if (!MoneyValue(fee))
            problems.push_back("Entry fee of " + meet.Events.TextAt(position) +
                               " is not a money value: " + fee);
    }
}

void AddCrewProblems(const Boatmeet& meet, std::vector<std::string>& problems) {
    std::vector<int> ids;
    for (const auto& crew : meet.Crews)
        if (!meet.Clubs.HasKey(crew->ClubKey) || !meet.Events.HasKey(crew->EventKey))
            ids.push_back(crew->Id);
    std::sort(ids.begin(), ids.end());
    for (int id : ids)
        problems.push_back("Crew " + std::to_string(id) + " has no club or event");
}

void AddResultProblems(const Boatmeet& meet, std::vector<std::string>& problems) {
    std::vector<int> numbers;
    for (int key : meet.Events.Keys()) {
        const Draw* draw = meet.FindDraw(key);
        for (int index = 1; draw && index < draw->Size; ++index) {
            const Race& race = draw->RaceAt(index);
            if (race.HasResult() && !ResultNamesItsCrew(*draw, race))
                numbers.push_back(race.Number);
        }
    }
    std::sort(numbers.begin(), numbers.end());
    for (int number : numbers)
        problems.push_back("Race " + std::to_string(number) +
                           "'s result names a crew that does not row in it");
}

} // namespace

std::vector<std::string> DataProblems(const Boatmeet& meet) {
    std::vector<std::string> problems;
    AddFeeProblems(meet, problems);
    AddCrewProblems(meet, problems);
    AddResultProblems(meet, problems);
    return problems;
}

} // namespace bm
