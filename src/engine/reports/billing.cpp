// The per-club report (race times, fees, or both) and the entry fees by event.
#include "engine/reports/reports.h"

#include "engine/model/boatmeet.h"
#include "engine/model/clockmoney.h"
#include "engine/model/settings.h"
#include "engine/model/text.h"

#include <algorithm>
#include <limits>

namespace bm {

namespace {

constexpr std::int64_t MoneyLimit = std::numeric_limits<std::int64_t>::max();

// Day-licence counts and prices come from files and settings that can hold
// huge values; charges and totals stop at +-MoneyLimit instead of overflowing.
std::int64_t Sum(std::int64_t a, std::int64_t b) {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        return a > 0 ? MoneyLimit : -MoneyLimit;
    return std::max(sum, -MoneyLimit);
}

std::int64_t DayFee(const Crew& crew) {
    const std::int64_t cost = CurrentSettings().DayLicCost;
    std::int64_t fee = 0;
    if (__builtin_mul_overflow(cost, std::int64_t{crew.DayLicences}, &fee))
        return (cost < 0) != (crew.DayLicences < 0) ? -MoneyLimit : MoneyLimit;
    return std::max(fee, -MoneyLimit);
}

// The fee set for the event (when its text is not empty), else the automatic fee.
bool SetEventFee(const Boatmeet& meet, int eventKey, std::int64_t& fee) {
    if (meet.EntryFees.HasKey(eventKey)) {
        const std::string text = meet.EntryFees.TextOf(eventKey);
        if (!text.empty()) {
            fee = ParseMoney(text);
            return true;
        }
    }
    return false;
}

void WriteHeading(const Boatmeet& meet, std::ostream& out, ClubReportMode mode, int clubKey) {
    static constexpr const char* kinds[] = {" Race Times", " Fees", " Race Times and Fees"};
    out << "Boatmeet: Software for Windows: " << kinds[static_cast<int>(mode)]
        << "\n  Information for : " << meet.Clubs.TextOf(clubKey) << "\n\n";
}

void WriteClubRaceTimes(const Boatmeet& meet, std::ostream& out,
                        const std::vector<Crew*>& clubCrews) {
    const bool showNotes = CurrentSettings().ShowCrewNotes;
    for (int e = 0; e < meet.Events.Count(); ++e) {
        const int eventKey = meet.Events.KeyAt(e);
        for (const Crew* crew : clubCrews) {
            if (!out)
                return;
            if (crew->EventKey != eventKey)
                continue;
            WriteCrewRaces(meet, out, crew->Id);
            out << "\n First race vs: " << meet.OpponentsText(crew) << "\n";
            if (showNotes && !crew->Notes.empty())
                out << "Notes: " << crew->Notes << "\n";
            for (int id : crew->DoubleUps) {
                out << "Doubling with: ";
                WriteCrewRaces(meet, out, id);
                out << "\n";
            }
            for (int id : crew->BoatShares) {
                out << "Boat Share with: ";
                WriteCrewRaces(meet, out, id);
                out << "\n";
            }
            out << "\n";
        }
    }
    out << "\n\n";
}

void WriteClubFees(const Boatmeet& meet, std::ostream& out, int clubKey,
                   const std::vector<Crew*>& clubCrews) {
    if (clubCrews.empty())
        return;
    const int e = std::max(meet.Events.MaxTextLength() + 1, 6);
    const int n = std::max(meet.MaxCrewTextLength(2) + 1, 5);
    out << PadText("No", 4) << PadText("Event", e) << PadText("Name", n) << PadText("  Entry", 7)
        << PadText(" DayFee", 7) << PadText("  Total", 7) << "\n";
    out << PadText("--", 4) << PadText("-----", e) << PadText("----", n) << PadText("  -----", 7)
        << PadText(" ------", 7) << PadText("  -----", 7) << "\n";
    std::int64_t clubTotal = 0;
    for (const Crew* crew : clubCrews) {
        if (!out)
            return;
        out << PadText(crew->NumberText(), 4) << PadText(meet.Events.TextOf(crew->EventKey), e)
            << PadText(crew->Name, n);
        std::int64_t total = 0;
        if (crew->FeePaid) {
            out << PadTextLeft("Paid", 7);
        } else {
            total = CrewEntryFee(meet, *crew);
            out << PadTextLeft(MoneyText(total), 7);
        }
        const std::int64_t dayFee = DayFee(*crew);
        total = Sum(total, dayFee);
        out << PadTextLeft(MoneyText(dayFee), 7) << PadTextLeft(MoneyText(total), 7) << "\n";
        clubTotal = Sum(clubTotal, total);
    }
    out << "\nTotal for " << meet.Clubs.TextOf(clubKey) << " : " << MoneyText(clubTotal)
        << "\n\n\n";
}

} // namespace

std::int64_t CrewEntryFee(const Boatmeet& meet, const Crew& crew) {
    const std::string eventName = meet.Events.TextOf(crew.EventKey);
    std::int64_t fee = 0;
    if (!SetEventFee(meet, crew.EventKey, fee))
        fee = AutoEntryFee(eventName);
    if (crew.EarlyPay)
        fee = Sum(fee, -EarlyPayDiscount(eventName));
    return std::max<std::int64_t>(fee, 0);
}

void WriteClubReport(const Boatmeet& meet, std::ostream& out, ClubReportMode mode) {
    const bool pageEject = CurrentSettings().PageEjectClub;
    for (int c = 0; c < meet.Clubs.Count() && out; ++c) {
        const int clubKey = meet.Clubs.KeyAt(c);
        const std::vector<Crew*> clubCrews = meet.ListEventCrews(clubKey, false);
        if (clubCrews.empty())
            continue;
        WriteHeading(meet, out, mode, clubKey);
        if (mode != ClubReportMode::Fees)
            WriteClubRaceTimes(meet, out, clubCrews);
        if (mode != ClubReportMode::RaceTimes)
            WriteClubFees(meet, out, clubKey, clubCrews);
        if (pageEject && c != meet.Clubs.Count() - 1)
            out << "<NP>\n";
    }
}

void WriteEntryFeesByEvent(const Boatmeet& meet, std::ostream& out) {
    const int e = std::max(meet.Events.MaxTextLength() + 1, 6);
    out << "\nEntry fees for each event\n\n";
    out << PadText("Event", e) << PadTextLeft("Entry Fee", 11) << PadTextLeft("Discounted Fee", 16)
        << "\n";
    out << PadText("-----", e) << PadTextLeft("---------", 11) << PadTextLeft("--------------", 16)
        << "\n\n";
    for (int i = 0; i < meet.Events.Count() && out; ++i) {
        const std::string name = meet.Events.TextAt(i);
        if (name.empty())
            continue;
        std::int64_t fee = 0;
        const char* source = "Set for Event";
        if (!SetEventFee(meet, meet.Events.KeyAt(i), fee)) {
            const bool automatic = CurrentSettings().AutoFeeSTR.AutoFeeOn;
            fee = automatic ? AutoEntryFee(name) : 0;
            source = automatic ? "Auto Fee" : "Fee NOT known!";
        }
        const std::int64_t discount = fee <= 0 ? 0 : EarlyPayDiscount(name);
        out << PadText(name, e) << PadTextLeft(MoneyText(fee), 11)
            << PadTextLeft(MoneyText(Sum(fee, -discount)), 16) << "  " << source << "\n";
    }
}

} // namespace bm
