// The draw displays: every drawn event as a bracket chart (layout 0) or as one
// line per race (layout 1). Show type 0 "Races" shows race times and names,
// 1 "Results" and 2 "Truncated " show winners and verdicts.
#pragma once

#include <ostream>

namespace bm {

class Boatmeet;

void WriteAllDraws(Boatmeet& meet, std::ostream& out, int layout, int showType);
void WriteEventDraw(Boatmeet& meet, int eventKey, std::ostream& out, int layout, int showType);

} // namespace bm
