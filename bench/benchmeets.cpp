#include "benchmeets.h"

#include "engine/draw/randomdraw.h"
#include "engine/model/random.h"
#include "engine/schedule/scheduler.h"

namespace bm::bench {

GenerateParams Championship() {
    return {"", 3000, 150, 200, 600, 300};
}

GenerateParams Festival() {
    return {"", 20000, 1000, 1000, 4000, 2000};
}

std::unique_ptr<Boatmeet> GeneratedMeet(const GenerateParams& params) {
    ResetRandom();
    std::string error;
    return GenerateMeet(params, error);
}

std::unique_ptr<Boatmeet> DrawnMeet(const GenerateParams& params) {
    std::unique_ptr<Boatmeet> meet = GeneratedMeet(params);
    DrawAllEvents(*meet);
    return meet;
}

std::unique_ptr<Boatmeet> ScheduledMeet(const GenerateParams& params) {
    std::unique_ptr<Boatmeet> meet = DrawnMeet(params);
    meet->RaceTimes.SetPeriods({{800, 1800, 2, 0}});
    meet->CollectRaces();
    ScheduleRaces(*meet, ScheduleMode::Moderate, FinalsPlacement::AtEnd, nullptr, nullptr);
    return meet;
}

} // namespace bm::bench
