// Pieces shared by the two draw layouts.
#pragma once

#include <ostream>

namespace bm {

class Boatmeet;

// The event's name (with its sponsor when "ShowSponsor" is on and the event has
// one), then a line of "=" as long as the name alone.
void WriteEventHeading(const Boatmeet& meet, int eventKey, std::ostream& out);

} // namespace bm
