// Moving a crew to another event as the crew editor's event drop-down does it.
// The crew editor and the association import both move crews this way, so a
// crew moved by either leaves the same trace in its notes and its old draw.
#pragma once

#include "engine/model/confirm.h"

namespace bm {

class Boatmeet;
class Crew;

inline constexpr const char* RecordMoveQuestion = "Record Event change in Crew Notes?";

// The crew takes the event key. When moves are recorded (RecordMoves), the
// crew had an event (a key above 0) and the key is another one, recordMove is
// asked RecordMoveQuestion (no callback counts as Yes); unless the answer is
// No, " Moved from OLD to NEW" joins the crew's notes. The crew leaves its old
// event's draw (its slot there is cleared for the draw editor to fill), even
// when the key is its own event.
void MoveCrewToEvent(Boatmeet& meet, Crew& crew, int eventKey, const Confirm& recordMove);

} // namespace bm
