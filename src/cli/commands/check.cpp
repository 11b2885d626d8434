// check FILE: the draw status report, as a check for scripts.
#include "cli/commandmeet.h"
#include "cli/commands/commands.h"
#include "engine/reports/dataproblems.h"
#include "engine/reports/reports.h"

namespace bm::cli {

namespace {

int RunCheck(const ParsedArgs& args, Streams& io) {
    return ReadMeet(args, io, [&io](Boatmeet& meet) {
        const int reported = WriteDrawStatus(meet, io.out, ShowType::Races);
        const std::vector<std::string> problems = DataProblems(meet);
        for (const std::string& problem : problems)
            io.err << problem << "\n";
        return reported > 0 || !problems.empty() ? Problem : Done;
    });
}

} // namespace

Command CheckCommand() {
    return {
        .name = "check",
        .summary =
            "Checks the draws, race times, entry fees and crews; exits 1 when it finds a problem.",
        .arguments = {FileArgument()},
        .notes = "Prints the \"Draw Status and Errors\" report, and on stderr each entry "
                 "fee that is not a money value, each crew (by id) without a club or an "
                 "event and each race (by number) whose result names a crew that does not "
                 "row in it. A problem is an event whose draw is not OK, a gap in the race "
                 "times, a race out of order, a crew with races too close together, such a "
                 "fee, crew or race; without any the status is 0.",
        .run = RunCheck};
}

} // namespace bm::cli
