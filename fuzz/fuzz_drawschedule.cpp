// Feeds arbitrary meet files to drawing, the draw editor, numbering and both
// schedulers: the draws, links, ids and race periods of the file as they
// stand, then after a fresh draw of every event. Nothing may crash, hang or
// overrun.
#include "engine/draw/randomdraw.h"
#include "engine/editors/draweditor.h"
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

// The automatic scheduler in one of its modes, then realigning, the
// fixed-order scheduler and numbering.
void Schedule(bm::Boatmeet& meet, bm::ScheduleMode mode, bool accept) {
    bm::ClearRaceTimes(meet);
    meet.CollectRaces();
    bm::ScheduleRaces(meet, mode, meet.FType, {},
                      [accept](int, const std::vector<bm::Race*>&) { return accept; });
    bm::LateRacesText(bm::LateRacesOf(meet));
    bm::RealignRaces(meet);
    bm::ScheduleFixedOrder(meet);
    bm::NumberRaces(meet);
}

// The first events through the draw editor: shown, a slot emptied, contracted
// and expanded. (Each step rebuilds the race list of the whole meet, so a few
// events of modest draws keep the fuzzer quick.)
void EditSomeDraws(bm::Boatmeet& meet) {
    const std::vector<int> keys = meet.Events.Keys();
    for (std::size_t i = 0; i < keys.size() && i < 4; ++i) {
        const bm::Draw* draw = meet.FindDraw(keys[i]);
        if (draw && draw->Size > 256)
            continue;
        bm::DrawEditor editor(meet);
        editor.DoNewEvent(keys[i]);
        editor.ShowLines();
        editor.RemoveFromDraw(0);
        editor.DoContract([](const std::string&) { return true; });
        editor.DoExpand();
        editor.ShowLines();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string text =
        bm::IsValidUtf8(bytes) ? std::string(bytes) : bm::Windows1252ToUtf8(bytes);
    auto meet = bm::Boatmeet::LoadFromText(text);
    bm::ResetRandom(); // the same draws for the same input
    // The input's size picks the mode and the answer to a broken least time.
    const auto mode = static_cast<bm::ScheduleMode>(size % 3);
    Schedule(*meet, mode, size % 2 == 0);
    EditSomeDraws(*meet);
    meet->NumberCrewsByEvent();
    bm::DrawAllEvents(*meet);
    Schedule(*meet, mode, size % 2 != 0);
    meet->NumberCrewsByClub();
    return 0;
}
