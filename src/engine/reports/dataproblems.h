// Problems in a meet's data that the draw status report does not show: entry
// fees a bill cannot be made from, crews without an event or a club, and
// results that name a crew that does not row in their race.
// The command line's check lists them beside that report.
#pragma once

#include <string>
#include <vector>

namespace bm {

class Boatmeet;

// One line per problem: "Entry fee of EVENT is not a money value: TEXT" for
// each event, in the events list's order, whose stored fee is no money value
// (such fees are still read as before, so the bill may be wrong); then "Crew ID
// has no club or event" for each crew, by id, whose club or event key names
// none; then "Race N's result names a crew that does not row in it" for each
// race of an event's draw, by number, whose result does (ResultNamesItsCrew).
std::vector<std::string> DataProblems(const Boatmeet& meet);

} // namespace bm
