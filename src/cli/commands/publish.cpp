// publish FILE DIR: the regatta's web site, and what changed since the last
// publication into DIR.
#include "engine/publish/publish.h"
#include "cli/commandmeet.h"
#include "cli/commands/commands.h"

#include <chrono>

namespace bm::cli {

namespace {

int RunPublish(const ParsedArgs& args, Streams& io) {
    return ReadMeet(args, io, [&](Boatmeet& meet) {
        const PublishRequest request{args.positional[1],
                                     PublicationTimeText(std::chrono::system_clock::now()),
                                     args.Has("--changes-only")};
        const PublishResult result = PublishSite(meet, request);
        if (!result.Ok) {
            io.err << result.Error << "\n";
            return Problem;
        }
        for (const std::string& line : result.Changes)
            io.out << line << "\n";
        for (const std::string& line : result.Kept)
            io.err << line << "\n";
        if (!request.ChangesOnly)
            io.err << "Publication " << result.Number << " in " << request.Folder << ": "
                   << result.Written << " files written, " << result.Removed << " removed\n";
        return Done;
    });
}

} // namespace

Command PublishCommand() {
    return {
        .name = "publish",
        .summary = "Writes the regatta's web site into a folder and prints what changed "
                   "since the last publication there.",
        .arguments = {FileArgument(),
                      {"DIR", "The folder of the site (made when missing). Files in it that "
                              "no publication wrote, or that changed since, are never replaced "
                              "or removed."}},
        .options = {{.name = "--changes-only", .help = "Only prints the changes; writes nothing."}},
        .notes = "The site: index.html, a page per event and per club, schedule.html, "
                 "finals.html, changes.html and style.css, with the publication record "
                 ".boatmeet-publication. Pages whose content is the same are not "
                 "rewritten; when nothing changed, nothing is written. The changes go to "
                 "stdout, club by club and crew by crew; on stderr a line says how many "
                 "files were written, and a line for each file of an earlier publication "
                 "that changed since and is kept. One publication at a time into a folder: "
                 "another waits up to 5 s, then \"DIR is being published by another "
                 "program\" (exit 1, nothing written). A publication that was stopped is "
                 "finished by the next. A folder that cannot be written: a message, exit 1. "
                 "The meet file is not changed.",
        .run = RunPublish};
}

} // namespace bm::cli
