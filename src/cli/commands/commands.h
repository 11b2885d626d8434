// The commands of boatmeet-cli, one file each, named after the command.
#pragma once

#include "cli/command.h"

#include <vector>

namespace bm::cli {

// Every command, in the order of a regatta's work.
const std::vector<Command>& Commands();

Command NewCommand();
Command GenerateCommand();
Command ImportCommand();
Command EventsCommand();
Command ClubsCommand();
Command CrewCommand();
Command SplitCommand();
Command DrawCommand();
Command DrawEditCommand();
Command NumberCrewsCommand();
Command PeriodsCommand();
Command PlanCommand();
Command ScheduleCommand();
Command ScheduleFixedCommand();
Command RealignCommand();
Command SetTimeCommand();
Command ClearTimesCommand();
Command NumberRacesCommand();
Command SetResultCommand();
Command InfoCommand();
Command ReportCommand();
Command CheckCommand();
Command PublishCommand();
Command SaveCommand();
Command SaveKeyCommand();

} // namespace bm::cli
