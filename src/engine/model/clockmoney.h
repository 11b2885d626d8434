// Clock times (HHMM on the 24-hour clock) and money amounts (hundredths) as
// the reports, files and edits write and read them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace bm {

// "(NT)" for a negative time, otherwise the HHMM time with at least four digits.
std::string ClockTimeText(int time);
// Clock form HHMM to minutes since midnight and back (truncating arithmetic;
// a clock value beyond the 32-bit range saturates).
int ClockToMinutes(int clock);
int MinutesToClock(int minutes);
// An amount in hundredths as units, ".", and two digits of hundredths.
std::string MoneyText(std::int64_t amount);
// An amount in hundredths read from money text (units, then hundredths as written).
std::int64_t ParseMoney(std::string_view text);

} // namespace bm
