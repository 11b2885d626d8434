// Clock times (HHMM on the 24-hour clock) and money amounts (hundredths) as
// the reports, files and edits write and read them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace bm {

// "(NT)" for a negative time, otherwise the HHMM time with at least four digits.
std::string ClockTimeText(int time);
// Clock form HHMM to minutes since midnight and back (truncating arithmetic;
// a clock value beyond the 32-bit range saturates).
int ClockToMinutes(int clock);
int MinutesToClock(int minutes);
inline constexpr int MinutesPerDay = 24 * 60;
// The day of a time in minutes since midnight of the first day (0 or more),
// the first day being day 1: 3291 minutes (the clock value 5451) is day 3.
int DayOfMinutes(int minutes);
// Its time of day as the clock shows it: "06:51" for 3291 minutes.
std::string ClockOfDayText(int minutes);
// An amount in hundredths as units, ".", and two digits of hundredths.
std::string MoneyText(std::int64_t amount);
// An amount in hundredths read from money text (units, then hundredths as written).
// Stored texts are read with it whatever they hold; typed amounts go through MoneyValue.
std::int64_t ParseMoney(std::string_view text);

// The refusal of a typed amount that is not a money value.
inline constexpr const char* NotMoneyText =
    "Money values are written like 12 or 12.50, at most 21474836.47";
// The largest money value (the refusal names it): the settings keep amounts
// as 32-bit hundredths.
inline constexpr std::int64_t MaxMoney = 2147483647;
// The amount in hundredths of a money value: digits, optionally followed by "."
// and exactly two digits, with blanks (codes 0 to 32) around ignored. None for
// any other text ("12.5", "12.", ".50", "-3", "abc", empty) and for an
// amount above MaxMoney.
std::optional<std::int64_t> MoneyValue(std::string_view text);

} // namespace bm
