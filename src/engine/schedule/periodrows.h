// The race editor's rows for race periods: one line of text per period, kept
// sorted by its text, so that periods in start order give rows in start order.
#pragma once

#include "engine/model/racetimeserver.h"

#include <string>
#include <string_view>

namespace bm {

// " %4.4d %4.4d   %3d %s" of the clock-form start, end and interval, and "I"
// (minutes between races) or "PH" (races per hour).
std::string PeriodRowText(const RacePeriod& period);
// The period of a row: the first three pieces between blanks are the start,
// end and interval; the fourth gives races per hour unless it begins with "I".
RacePeriod ParsePeriodRow(std::string_view row);

} // namespace bm
