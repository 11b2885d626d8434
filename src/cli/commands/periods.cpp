// periods FILE: the race periods and the least times between races.
#include "cli/arguments.h"
#include "cli/commandmeet.h"
#include "cli/commands/commands.h"
#include "engine/editors/periodeditor.h"
#include "engine/model/text.h"
#include "engine/schedule/periodrows.h"

#include <algorithm>

namespace bm::cli {

namespace {

// START END VALUE i|ph of one --add, as a period; false when a value is not a
// whole number, the kind is neither, or the race-period dialog would refuse
// the period (a start or end that is no clock value, a spacing out of range).
bool ReadAddedPeriod(const std::vector<std::string>& values, RacePeriod& period,
                     std::string& error) {
    if (!ParseWholeInt(values[0], period.Start) || !ParseWholeInt(values[1], period.End) ||
        !ParseWholeInt(values[2], period.Interval)) {
        error = "--add takes START END VALUE as whole numbers";
        return false;
    }
    period.RIType = ChoiceIndex(values[3], {"i", "ph"});
    if (period.RIType < 0) {
        error = "--add takes i (minutes between races) or ph (races per hour)";
        return false;
    }
    if (period.Interval < 1) {
        error = "the interval or races per hour must not be 0";
        return false;
    }
    error = PeriodRefusal(period);
    return error.empty();
}

// CREW,DOUBLEUP,BOATSHARE in minutes.
bool ReadLeastTimes(const std::string& text, int times[3]) {
    std::size_t pos = 0;
    for (int i = 0; i < 3; ++i) {
        const std::size_t comma = text.find(',', pos);
        if ((comma == std::string::npos) != (i == 2))
            return false;
        if (!ParseWholeInt(text.substr(pos, comma - pos), times[i]))
            return false;
        pos = comma + 1;
    }
    return true;
}

// The rows after the edits, as the race editor's sorted list holds them.
std::vector<std::string> PeriodRows(const Boatmeet& meet, const std::vector<RacePeriod>& added,
                                    bool clear) {
    std::vector<std::string> rows;
    if (!clear)
        for (const RacePeriod& period : meet.RaceTimes.GetPeriods())
            rows.push_back(PeriodRowText(period));
    for (const RacePeriod& period : added)
        rows.push_back(PeriodRowText(period));
    std::sort(rows.begin(), rows.end());
    return rows;
}

int RunPeriods(const ParsedArgs& args, Streams& io) {
    std::vector<RacePeriod> added;
    for (const auto& values : args.All("--add")) {
        std::string error;
        if (!ReadAddedPeriod(values, added.emplace_back(), error))
            return UsageError(io, "periods", error);
    }
    int leastTimes[3] = {0, 0, 0};
    const bool setLeastTimes = args.Has("--least-times");
    if (setLeastTimes && !ReadLeastTimes(args.Value("--least-times"), leastTimes))
        return UsageError(io, "periods", "--least-times takes CREW,DOUBLEUP,BOATSHARE in minutes");
    const bool periodsChanged = args.Has("--add") || args.Has("--clear");
    const MeetWork edit = [&](Boatmeet& meet) {
        const std::vector<std::string> rows = PeriodRows(meet, added, args.Has("--clear"));
        if (periodsChanged) {
            std::vector<RacePeriod> periods;
            for (const std::string& row : rows)
                periods.push_back(ParsePeriodRow(row));
            meet.RaceTimes.SetPeriods(periods);
        }
        if (setLeastTimes) {
            meet.BRTime = leastTimes[0];
            meet.DUTime = leastTimes[1];
            meet.BSTime = leastTimes[2];
        }
        if (args.Has("--list"))
            for (const std::string& row : rows)
                io.out << row << "\n";
        return Done;
    };
    // Listing alone leaves the file as it is.
    return periodsChanged || setLeastTimes ? ChangeMeet(args, io, edit) : ReadMeet(args, io, edit);
}

} // namespace

Command PeriodsCommand() {
    return {
        .name = "periods",
        .summary = "Edits the race periods and the least times between races.",
        .arguments = {ChangedFileArgument()},
        .options = {{.name = "--add",
                     .values = "START END VALUE i|ph",
                     .help = "Adds a period from START to END: with i a race every VALUE "
                             "minutes, with ph VALUE races per hour; may be given more than once.",
                     .repeatable = true},
                    {.name = "--clear", .help = "Removes every period before the additions."},
                    {.name = "--list",
                     .help = "Prints the periods after the edits, one row per line as the race "
                             "editor lists them."},
                    {.name = "--least-times",
                     .values = "CREW,DOUBLEUP,BOATSHARE",
                     .help = "The least minutes between two races of one crew, of two crews "
                             "that double up and of two crews that share a boat."}},
        .writesBack = true,
        .notes = "Times are HHMM on the 24-hour clock: 0900 is nine in the morning, 1430 half "
                 "past two in the afternoon; START and END have at most four digits. VALUE is "
                 "a whole number from 1 up: the minutes between races (i, at most " +
                 std::to_string(MaxIntervalMinutes) + "), or the races per hour (ph, at most " +
                 std::to_string(MaxRacesPerHour) +
                 ").\n\n"
                 "Examples:\n"
                 "  --add 0900 1200 5 i    a race every 5 minutes from 0900 to 1200\n"
                 "  --add 1300 1700 12 ph  12 races an hour from 1300 to 1700\n\n"
                 "The meet is written only when --add, --clear or --least-times is given.",
        .run = RunPeriods};
}

} // namespace bm::cli
