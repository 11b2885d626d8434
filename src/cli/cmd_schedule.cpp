#include "cli/cmd_schedule.h"

#include "cli/common.h"
#include "engine/model/text.h"
#include "engine/schedule/numbering.h"
#include "engine/schedule/periodrows.h"
#include "engine/schedule/scheduler.h"

#include <algorithm>
#include <functional>
#include <iomanip>

namespace bm::cli {

namespace {

// The position of the value among the names (ASCII case ignored), -1 when absent.
int ChoiceIndex(const std::string& value, const std::vector<std::string>& names) {
    for (std::size_t i = 0; i < names.size(); ++i)
        if (SameTextIgnoringCase(value, names[i]))
            return static_cast<int>(i);
    return -1;
}

// Opens the meet, changes it and writes it back.
int Edit(const ParsedArgs& args, Streams& io, const std::function<void(Boatmeet&)>& change) {
    std::unique_ptr<Boatmeet> meet = OpenCommandMeet(args, io);
    if (!meet)
        return Usage;
    change(*meet);
    return SaveMeet(*meet, args, args.positional[0], io);
}

// Writes the meet, then reports the operation's problem, if any, as the outcome.
int SaveWithProblem(Boatmeet& meet, const ParsedArgs& args, Streams& io,
                    const std::string& problem) {
    const int status = SaveMeet(meet, args, args.positional[0], io);
    if (problem.empty())
        return status;
    io.err << problem << "\n";
    return Problem;
}

// A bar on a terminal's line that only moves forward.
class ProgressBar {
public:
    explicit ProgressBar(std::ostream& out) : out_(out) {}
    void Show(int percent) {
        percent = std::clamp(percent, 0, 100);
        if (percent <= shown_)
            return;
        shown_ = percent;
        const int filled = percent * Width / 100;
        out_ << "\rScheduling [" << std::string(filled, '#') << std::string(Width - filled, ' ')
             << "] " << std::setw(3) << percent << "%" << std::flush;
    }
    void Finish() {
        if (shown_ >= 0)
            out_ << "\n";
    }

private:
    static constexpr int Width = 40;
    std::ostream& out_;
    int shown_ = -1;
};

// START END VALUE i|ph of one --add, as a period; false when a value is not a
// whole number, the kind is neither, or the period could not be used (an
// interval below 1, or more races per hour than a time slot can hold).
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
    if (!RaceTimeServer::IsUsable(period)) {
        error = "at most " + std::to_string(MaxRacesPerHour) + " races per hour";
        return false;
    }
    return true;
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

} // namespace

int RunSchedule(const ParsedArgs& args, Streams& io) {
    const int mode = ChoiceIndex(args.Value("--mode", "rigid"), {"rigid", "moderate", "flexible"});
    if (mode < 0)
        return UsageError(io, "schedule", "--mode takes rigid, moderate or flexible");
    const int finals =
        ChoiceIndex(args.Value("--finals", "anytime"), {"anytime", "preferably", "at-end"});
    if (finals < 0)
        return UsageError(io, "schedule", "--finals takes anytime, preferably or at-end");
    std::unique_ptr<Boatmeet> meet = OpenCommandMeet(args, io);
    if (!meet)
        return Usage;
    if (args.Has("--mode"))
        meet->SType = static_cast<ScheduleMode>(mode);
    if (args.Has("--finals"))
        meet->FType = static_cast<FinalsPlacement>(finals);
    meet->CollectRaces();
    if (meet->RaceList.empty()) {
        io.err << "No races to schedule! Are events drawn?\n";
        return Problem;
    }
    const bool accept = args.Has("--accept-conflicts");
    ProgressBar bar(io.err);
    ReportProgress progress;
    if (io.errIsTerminal)
        progress = [&bar](int percent) { bar.Show(percent); };
    const std::string message =
        ScheduleRaces(*meet, meet->SType, meet->FType, progress,
                      [accept](int, const std::vector<Race*>&) { return accept; });
    bar.Finish();
    return SaveWithProblem(*meet, args, io, message);
}

int RunScheduleFixed(const ParsedArgs& args, Streams& io) {
    std::unique_ptr<Boatmeet> meet = OpenCommandMeet(args, io);
    if (!meet)
        return Usage;
    meet->CollectRaces();
    const std::string problem = ScheduleFixedOrder(*meet);
    if (!problem.empty())
        return SaveWithProblem(*meet, args, io, "Problem : " + problem);
    // Success is told only once the meet is safely written.
    const int status = SaveMeet(*meet, args, args.positional[0], io);
    if (status == Done)
        io.err << "Races scheduled\n";
    return status;
}

int RunRealign(const ParsedArgs& args, Streams& io) {
    return Edit(args, io, [](Boatmeet& meet) { RealignRaces(meet); });
}

int RunClearTimes(const ParsedArgs& args, Streams& io) {
    return Edit(args, io, [](Boatmeet& meet) { ClearRaceTimes(meet); });
}

int RunNumberRaces(const ParsedArgs& args, Streams& io) {
    return Edit(args, io, [](Boatmeet& meet) { NumberRaces(meet); });
}

int RunSetTime(const ParsedArgs& args, Streams& io) {
    int time = 0;
    if (!ParseWholeInt(args.positional[2], time))
        return UsageError(io, "set-time", "TIME must be a whole number (HHMM)");
    std::unique_ptr<Boatmeet> meet = OpenCommandMeet(args, io);
    if (!meet)
        return Usage;
    int number = 0;
    Race* race =
        ParseWholeInt(args.positional[1], number) ? meet->FindRaceByNumber(number) : nullptr;
    if (!race) {
        io.err << "Not a valid Race Number..\n";
        return Problem;
    }
    race->Time = time;
    return SaveMeet(*meet, args, args.positional[0], io);
}

int RunPeriods(const ParsedArgs& args, Streams& io) {
    std::vector<RacePeriod> added;
    for (const auto& values : args.All("--add")) {
        std::string error;
        if (!ReadAddedPeriod(values, added.emplace_back(), error))
            return UsageError(io, "periods", error);
    }
    int leastTimes[3] = {0, 0, 0};
    if (args.Has("--least-times") && !ReadLeastTimes(args.Value("--least-times"), leastTimes))
        return UsageError(io, "periods", "--least-times takes CREW,DOUBLEUP,BOATSHARE in minutes");
    std::unique_ptr<Boatmeet> meet = OpenCommandMeet(args, io);
    if (!meet)
        return Usage;
    // The rows as the race editor's sorted list holds them.
    std::vector<std::string> rows;
    if (!args.Has("--clear"))
        for (const RacePeriod& period : meet->RaceTimes.GetPeriods())
            rows.push_back(PeriodRowText(period));
    for (const RacePeriod& period : added)
        rows.push_back(PeriodRowText(period));
    std::sort(rows.begin(), rows.end());
    const bool periodsChanged = args.Has("--add") || args.Has("--clear");
    if (periodsChanged) {
        std::vector<RacePeriod> periods;
        for (const std::string& row : rows)
            periods.push_back(ParsePeriodRow(row));
        meet->RaceTimes.SetPeriods(periods);
    }
    if (args.Has("--least-times")) {
        meet->BRTime = leastTimes[0];
        meet->DUTime = leastTimes[1];
        meet->BSTime = leastTimes[2];
    }
    if (args.Has("--list"))
        for (const std::string& row : rows)
            io.out << row << "\n";
    if (!periodsChanged && !args.Has("--least-times"))
        return Done;
    return SaveMeet(*meet, args, args.positional[0], io);
}

} // namespace bm::cli
