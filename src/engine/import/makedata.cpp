#include "import/makedata.h"

#include "model/misccode.h"

#include <algorithm>

namespace bm {

namespace {

// Links up to `wanted` pairs of crews of different events that have no link
// of this kind yet, giving up after 20000 attempts.
void MakeLinks(Boatmeet& meet, int crews, int wanted, std::vector<int> Crew::*links,
               void (Boatmeet::*link)(int, int)) {
    wanted = std::min(wanted, crews);
    int made = 0;
    for (int attempts = 0; made < wanted && attempts < 20000; ++attempts) {
        const int a = ((NextRandom() >> 7) % crews) + 1;
        const int b = ((NextRandom() >> 5) % crews) + 1;
        const Crew* crewA = meet.FindCrew(a);
        const Crew* crewB = meet.FindCrew(b);
        if ((crewA->*links).empty() && (crewB->*links).empty() &&
            crewA->EventKey != crewB->EventKey) {
            (meet.*link)(b, a);
            ++made;
        }
    }
}

} // namespace

std::unique_ptr<Boatmeet> GenerateMeet(const GenerateParams& params, std::string& error) {
    if (params.Crews > 0 && (params.Events < 1 || params.Clubs < 1)) {
        error = "Events and clubs must be at least 1 when crews are requested";
        return nullptr;
    }
    auto meet = std::make_unique<Boatmeet>();
    meet->Title = CleanText(params.Title);
    for (int i = 1; i <= params.Clubs; ++i)
        meet->Clubs.Add("Club_" + std::to_string(i));
    for (int i = 1; i <= params.Events; ++i)
        meet->Events.Add("Event_" + std::to_string(i));
    for (int i = 1; i <= params.Crews; ++i) {
        auto crew = std::make_unique<Crew>();
        crew->Name = "Name_" + std::to_string(i);
        crew->Notes = "Notes for: " + crew->Name;
        crew->EventKey = meet->Events.KeyOf(meet->Events.TextAt((NextRandom() >> 8) % params.Events));
        crew->ClubKey = meet->Clubs.KeyOf(meet->Clubs.TextAt((NextRandom() >> 8) % params.Clubs));
        meet->AddCrew(std::move(crew));
    }
    if (params.Crews > 0) {
        MakeLinks(*meet, params.Crews, params.DoubleUps, &Crew::DoubleUps, &Boatmeet::LinkDoubleUp);
        MakeLinks(*meet, params.Crews, params.BoatShares, &Crew::BoatShares,
                  &Boatmeet::LinkBoatShare);
    }
    return meet;
}

} // namespace bm
