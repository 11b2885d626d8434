// Feeds arbitrary meet files to drawing, numbering and both schedulers: the
// draws, links, ids and race periods of the file as they stand, then after a
// fresh draw of every event. Nothing may crash, hang or overrun.
#include "engine/draw/randomdraw.h"
#include "engine/model/boatmeet.h"
#include "engine/model/random.h"
#include "engine/model/textfile.h"
#include "engine/schedule/numbering.h"
#include "engine/schedule/schedulefit.h"
#include "engine/schedule/scheduler.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

void ScheduleEveryWay(bm::Boatmeet& meet, bool accept) {
    for (const bm::ScheduleMode mode :
         {bm::ScheduleMode::Rigid, bm::ScheduleMode::Moderate, bm::ScheduleMode::Flexible}) {
        bm::ClearRaceTimes(meet);
        meet.CollectRaces();
        bm::ScheduleRaces(meet, mode, meet.FType, {},
                          [accept](int, const std::vector<bm::Race*>&) { return accept; });
        bm::LateRacesText(bm::LateRacesOf(meet));
    }
    bm::RealignRaces(meet);
    bm::ScheduleFixedOrder(meet);
    bm::NumberRaces(meet);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string text =
        bm::IsValidUtf8(bytes) ? std::string(bytes) : bm::Windows1252ToUtf8(bytes);
    auto meet = bm::Boatmeet::LoadFromText(text);
    bm::ResetRandom(); // the same draws for the same input
    ScheduleEveryWay(*meet, size % 2 == 0);
    meet->NumberCrewsByEvent();
    bm::DrawAllEvents(*meet);
    ScheduleEveryWay(*meet, size % 2 != 0);
    meet->NumberCrewsByClub();
    return 0;
}
