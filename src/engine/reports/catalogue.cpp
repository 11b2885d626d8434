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
    default: return false;
    }
    (void)meet;
    (void)showType;
    (void)out;
}

} // namespace bm
