// The changes the plan of the day proposes when the day does not fit: split an
// event into divisions, cap an event, add a race period, race closer together.
#pragma once

#include "engine/schedule/dayplan.h"
#include "engine/schedule/dayplanbounds.h"

#include <vector>

namespace bm::plan {

// At most five changes, each with its reason and its effect worked out again:
// those that make the plan fit, or, when none does, the few that come closest.
std::vector<PlanProposal> ProposeChanges(const Boatmeet& meet, const Basis& basis,
                                         const Outcome& now);

} // namespace bm::plan
