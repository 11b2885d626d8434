#include "engine/schedule/periodrows.h"

#include "engine/model/text.h"

#include <cstdio>
#include <vector>

namespace bm {

std::string PeriodRowText(const RacePeriod& period) {
    char row[64];
    std::snprintf(row, sizeof row, " %4.4d %4.4d   %3d %s", period.Start, period.End,
                  period.Interval, period.RIType == 0 ? "I" : "PH");
    return row;
}

RacePeriod ParsePeriodRow(std::string_view row) {
    std::vector<std::string_view> pieces;
    for (std::size_t pos = row.find_first_not_of(' '); pos != std::string_view::npos;
         pos = row.find_first_not_of(' ', pos)) {
        const std::size_t end = row.find(' ', pos);
        pieces.push_back(row.substr(pos, end == std::string_view::npos ? end : end - pos));
        pos = end == std::string_view::npos ? row.size() : end;
    }
    pieces.resize(4);
    RacePeriod period;
    period.Start = ReadInt(pieces[0]);
    period.End = ReadInt(pieces[1]);
    period.Interval = ReadInt(pieces[2]);
    period.RIType = !pieces[3].empty() && pieces[3].front() == 'I' ? 0 : 1;
    return period;
}

} // namespace bm
