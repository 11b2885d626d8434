// Clock times and money amounts as the reports and files write them.
#include "engine/model/clockmoney.h"

#include "engine/model/text.h"

#include <algorithm>
#include <climits>
#include <cstdio>

namespace bm {

std::string ClockTimeText(int time) {
    if (time < 0)
        return "(NT)";
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%4.4d", time);
    return buffer;
}

int ClockToMinutes(int clock) {
    return (clock / 100) * 60 + clock % 100;
}

int MinutesToClock(int minutes) {
    const std::int64_t clock = std::int64_t{minutes / 60} * 100 + minutes % 60;
    return static_cast<int>(std::clamp<std::int64_t>(clock, INT_MIN, INT_MAX));
}

int DayOfMinutes(int minutes) {
    return minutes / MinutesPerDay + 1;
}

std::string ClockOfDayText(int minutes) {
    const int ofDay = minutes % MinutesPerDay;
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", ofDay / 60, ofDay % 60);
    return text;
}

std::string MoneyText(std::int64_t amount) {
    if (amount < 0)
        return "-" + MoneyText(-amount);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%lld.%2.2lld", static_cast<long long>(amount / 100),
                  static_cast<long long>(amount % 100));
    return buffer;
}

std::int64_t ParseMoney(std::string_view text) {
    // The units end at a blank, line feed, tab, vertical tab or "."; the
    // hundredths follow the character that ended the units.
    constexpr std::string_view unitEnds = " \n\t\v.";
    constexpr std::string_view centEnds = " \n\t\v";
    std::size_t begin = text.find_first_not_of(unitEnds);
    if (begin == std::string_view::npos)
        return 0;
    std::size_t end = text.find_first_of(unitEnds, begin);
    const std::int64_t units =
        ReadInt(text.substr(begin, end == std::string_view::npos ? end : end - begin));
    std::int64_t cents = 0;
    if (end != std::string_view::npos) {
        const std::string_view rest = text.substr(end + 1);
        const std::size_t centBegin = rest.find_first_not_of(centEnds);
        if (centBegin != std::string_view::npos)
            cents = ReadInt(
                rest.substr(centBegin, rest.find_first_of(centEnds, centBegin) - centBegin));
    }
    return units * 100 + cents;
}

std::optional<std::int64_t> MoneyValue(std::string_view text) {
    const std::string money = Trimmed(text);
    const std::size_t point = money.find('.');
    const std::size_t unitsEnd = point == std::string::npos ? money.size() : point;
    if (unitsEnd == 0 || (point != std::string::npos && money.size() != point + 3))
        return std::nullopt;
    std::int64_t amount = 0;
    for (std::size_t i = 0; i < money.size(); ++i) {
        if (i == point)
            continue;
        if (money[i] < '0' || money[i] > '9')
            return std::nullopt;
        amount = amount * 10 + (money[i] - '0');
        // Stop before the amount can outgrow 64 bits, however many digits follow.
        if (amount > MaxMoney * 100)
            return std::nullopt;
    }
    if (point == std::string::npos)
        amount *= 100;
    if (amount > MaxMoney)
        return std::nullopt;
    return amount;
}

} // namespace bm
