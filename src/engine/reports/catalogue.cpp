#include "reports/catalogue.h"

#include "draw/drawtext.h"
#include "model/boatmeet.h"
#include "model/misccode.h"

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

bool WriteReport(Boatmeet& meet, int index, int showType, std::ostream& out) {
    switch (index) {
    case 0:
        WriteAllDraws(meet, out, 0, showType);
        return true;
    case 1:
        WriteAllDraws(meet, out, 1, showType);
        return true;
    default:
        return false;
    }
}

} // namespace bm
