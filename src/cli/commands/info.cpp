// info FILE --race N | --crew N: the information window's text.
#include "cli/arguments.h"
#include "cli/commandmeet.h"
#include "cli/commands/commands.h"
#include "engine/draw/crewraceinfo.h"
#include "engine/model/text.h"

namespace bm::cli {

namespace {

int RunInfo(const ParsedArgs& args, Streams& io) {
    const bool crew = args.Has("--crew");
    if (crew == args.Has("--race"))
        return UsageError(io, "info", "give either --race N or --crew N");
    int number = 0;
    const std::string text = args.Value(crew ? "--crew" : "--race");
    if (!ParseWholeInt(text, number))
        return UsageError(io, "info", "not a number: '" + text + "'");
    return ReadMeet(args, io, [&](Boatmeet& meet) {
        for (const std::string& line : InformationText(meet, crew, number))
            io.out << line << "\n";
        // The window shows its text for any number; a script learns from the
        // status whether the number named a race or crew.
        const bool named =
            crew ? meet.CrewOfNumber(number) != nullptr : meet.FindRaceByNumber(number) != nullptr;
        return named ? Done : Problem;
    });
}

} // namespace

Command InfoCommand() {
    return {.name = "info",
            .summary = "Prints the information window's text for a race or a crew.",
            .arguments = {FileArgument()},
            .options = {{.name = "--race",
                         .values = "N",
                         .help = "The race numbered N: the crews that may still be in it and "
                                 "their races by time.",
                         .shown = Shown::Alternative},
                        {.name = "--crew",
                         .values = "N",
                         .help = "The crew numbered N: the times of the races it may still row, "
                                 "with those of its double-up and boat-share partners.",
                         .shown = Shown::Alternative}},
            .notes = "Exits 1 when no race or crew has the number; the window's text is printed "
                     "all the same.",
            .run = RunInfo};
}

} // namespace bm::cli
