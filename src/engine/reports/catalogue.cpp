#include "engine/reports/catalogue.h"

#include "engine/draw/drawdisplay.h"
#include "engine/model/boatmeet.h"
#include "engine/model/text.h"
#include "engine/reports/reports.h"

namespace bm {

int FindReport(std::string_view which) {
    const std::string trimmed = Trimmed(which);
    int index = -1;
    if (ParseWholeInt(trimmed, index))
        return index >= 0 && index < ReportCount ? index : -1;
    for (int i = 0; i < ReportCount; ++i)
        if (SameTextIgnoringCase(Trimmed(ReportCaptions[i]), trimmed))
            return i;
    return -1;
}

bool WriteReport(const Boatmeet& meet, int index, ShowType showType, std::ostream& out) {
    // clang-format off
    switch (index) {
    case 0: WriteAllDraws(meet, out, DrawLayout::Tree, showType); return true;
    case 1: WriteAllDraws(meet, out, DrawLayout::List, showType); return true;
    case 2: WriteRaceSchedule(meet, out, showType); return true;
    case 3: WriteClubReport(meet, out, ClubReportMode::RaceTimes); return true;
    case 4: WriteRaceDetails(meet, out); return true;
    case 5: WriteDrawStatus(meet, out, showType); return true;
    case 6: WriteOversizedNames(meet, out); return true;
    case 7: WriteClubReport(meet, out, ClubReportMode::Fees); return true;
    case 8: WriteEntryFeesByEvent(meet, out); return true;
    case 9: WriteRaceWorksheet(meet, out, false, showType); return true;
    case 10: WriteRaceWorksheet(meet, out, true, showType); return true;
    case 11: WriteWinnersWorksheet(meet, out); return true;
    case 12: WriteClubColours(meet, out); return true;
    case 13: WriteClubContacts(meet, out); return true;
    case 14: WriteClubReport(meet, out, ClubReportMode::Both); return true;
    case 15: WriteDrawsByClub(meet, out); return true;
    case 16: WriteEventTotals(meet, out); return true;
    case 17: WriteFinalsResults(meet, out); return true;
    default: return false;
    }
    // clang-format on
}

} // namespace bm
