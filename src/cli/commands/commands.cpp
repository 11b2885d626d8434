#include "cli/commands/commands.h"

namespace bm::cli {

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        // A meet and its entries.
        NewCommand(),
        GenerateCommand(),
        ImportCommand(),
        // Entering the regatta: its events, clubs and crews.
        EventsCommand(),
        ClubsCommand(),
        CrewCommand(),
        SplitCommand(),
        // The draw, its changes by hand, and the crews' numbers that follow it.
        DrawCommand(),
        DrawEditCommand(),
        NumberCrewsCommand(),
        // The timetable.
        PeriodsCommand(),
        PlanCommand(),
        ScheduleCommand(),
        ScheduleFixedCommand(),
        RealignCommand(),
        SetTimeCommand(),
        ClearTimesCommand(),
        NumberRacesCommand(),
        // Race day.
        SetResultCommand(),
        InfoCommand(),
        ReportCommand(),
        CheckCommand(),
        PublishCommand(),
        // Saving.
        SaveCommand(),
        SaveKeyCommand(),
    };
    return commands;
}

} // namespace bm::cli
