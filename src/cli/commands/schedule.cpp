// schedule FILE: the automatic scheduler, then race numbering.
#include "cli/arguments.h"
#include "cli/commandmeet.h"
#include "cli/commands/commands.h"
#include "cli/progressbar.h"
#include "engine/editors/raceeditor.h"
#include "engine/schedule/schedulefit.h"
#include "engine/schedule/scheduler.h"

namespace bm::cli {

namespace {

const std::vector<std::string> ModeNames = {"rigid", "moderate", "flexible"};
const std::vector<std::string> FinalsNames = {"anytime", "preferably", "at-end"};

int RunSchedule(const ParsedArgs& args, Streams& io) {
    const int mode = ChoiceIndex(args.Value("--mode", "rigid"), ModeNames);
    if (mode < 0)
        return UsageError(io, "schedule", "--mode takes rigid, moderate or flexible");
    const int finals = ChoiceIndex(args.Value("--finals", "anytime"), FinalsNames);
    if (finals < 0)
        return UsageError(io, "schedule", "--finals takes anytime, preferably or at-end");
    std::string problem;
    std::string late;
    const int status = ChangeMeet(args, io, [&](Boatmeet& meet) {
        if (args.Has("--mode"))
            meet.SType = static_cast<ScheduleMode>(mode);
        if (args.Has("--finals"))
            meet.FType = static_cast<FinalsPlacement>(finals);
        meet.CollectRaces();
        if (meet.RaceList.empty()) {
            io.err << NoRacesToScheduleText << "\n";
            return Problem;
        }
        const bool accept = args.Has("--accept-conflicts");
        ProgressBar bar(io.err, "Scheduling");
        ReportProgress progress;
        if (io.errIsTerminal)
            progress = [&bar](int percent) { bar.Show(percent); };
        problem = ScheduleRaces(meet, meet.SType, meet.FType, progress,
                                [accept](int, const std::vector<Race*>&) { return accept; });
        bar.Finish();
        late = LateRacesText(LateRacesOf(meet));
        return Done;
    });
    // A scheduler that ended early leaves its races timed as far as it got:
    // they are written, and its message is the outcome.
    if (!problem.empty())
        io.err << problem << "\n";
    // Races past the end of the periods are told once they are written; they
    // do not make the run a failure.
    if (status == Done && !late.empty())
        io.err << late << "\n";
    return problem.empty() ? status : Problem;
}

} // namespace

Command ScheduleCommand() {
    return {.name = "schedule",
            .summary = "Schedules the races into the race periods and numbers them.",
            .arguments = {ChangedFileArgument()},
            .options = {{.name = "--mode",
                         .values = "rigid|moderate|flexible",
                         .help = "The scheduling mode, also stored in the meet (default: the "
                                 "meet's stored mode)."},
                        {.name = "--finals",
                         .values = "anytime|preferably|at-end",
                         .help = "When finals are rowed: at any time, preferably at the end, or "
                                 "at the end; also stored in the meet (default: the meet's "
                                 "stored choice)."},
                        {.name = "--accept-conflicts",
                         .help = "With the setting CheckTC on, accepts a placement that breaks "
                                 "a least time between races instead of skipping it."}},
            .writesBack = true,
            .notes = "Works as \"Schedule Races\" does. Needs drawn events and race periods (see "
                     "periods). A progress bar is drawn "
                     "on stderr when it is a terminal. Races that cannot be timed end the "
                     "scheduler with a message (exit 1, the meet is still written). When races "
                     "had to be timed after the end of the last race period, a line on stderr "
                     "tells how many and the latest time.",
            .run = RunSchedule};
}

} // namespace bm::cli
