#include "engine/model/crewmove.h"

#include "engine/model/boatmeet.h"
#include "engine/model/settings.h"

namespace bm {

void MoveCrewToEvent(Boatmeet& meet, Crew& crew, int eventKey, const Confirm& recordMove) {
    const int old = crew.EventKey;
    if (CurrentSettings().RecordMoves && old > 0 && old != eventKey &&
        (!recordMove || recordMove(RecordMoveQuestion)))
        crew.Notes +=
            " Moved from " + meet.Events.TextOf(old) + " to " + meet.Events.TextOf(eventKey);
    meet.RemoveCrewFromDraw(&crew);
    crew.EventKey = eventKey;
}

} // namespace bm
