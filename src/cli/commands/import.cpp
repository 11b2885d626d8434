// import FILE: the association's entry export, applied to the meet.
#include "cli/commandmeet.h"
#include "cli/commands/commands.h"
#include "cli/programfolder.h"
#include "engine/import/vexa.h"
#include "engine/import/vexaapply.h"
#include "engine/model/text.h"

namespace bm::cli {

namespace {

// Reads the --file KEY=PATH options; false, with the message written, when
// one lacks "=" or a key is given twice (ignoring case).
bool ReadFilePaths(const ParsedArgs& args, VexaImportRequest& request, Streams& io) {
    for (const auto& values : args.All("--file")) {
        const std::string& given = values.front();
        const std::size_t equals = given.find('=');
        if (equals == std::string::npos) {
            io.err << "boatmeet-cli import: --file takes KEY=PATH, not '" << given << "'\n";
            return false;
        }
        const std::string key = given.substr(0, equals);
        for (const auto& earlier : request.FilePaths) {
            if (SameTextIgnoringCase(earlier.first, key)) {
                io.err << "boatmeet-cli import: file key '" << key << "' given more than once\n";
                return false;
            }
        }
        request.FilePaths.emplace_back(key, given.substr(equals + 1));
    }
    return true;
}

int RunImport(const ParsedArgs& args, Streams& io) {
    VexaImportRequest request;
    request.ConfigPath = args.Value("--config", DefaultVexaConfigPath(ProgramFolder()));
    request.DetectDoublingUp = args.Has("--detect-doubling-up");
    if (!ReadFilePaths(args, request, io))
        return Usage;
    VexaImportOutcome outcome;
    const int status = ChangeMeet(args, io, [&](Boatmeet& meet) {
        outcome = ImportVexaExport(meet, request);
        if (outcome.Imported)
            return Done;
        io.err << outcome.Text << "\n";
        return Problem;
    });
    // The report tells of crews in the meet: it is printed once they are written.
    if (status == Done)
        io.out << outcome.Text;
    return status;
}

} // namespace

Command ImportCommand() {
    return {.name = "import",
            .summary = "Imports the association's entry export into the meet.",
            .arguments = {ChangedFileArgument()},
            .options = {{.name = "--config",
                         .values = "CONFIG.csv",
                         .help = "The import configuration (VexaConfig.csv in the folder where "
                                 "boatmeet-cli is installed)."},
                        {.name = "--file",
                         .values = "KEY=PATH",
                         .help = "The export file of one file key of the configuration; every "
                                 "key must be given exactly once (letter case ignored).",
                         .repeatable = true,
                         .shown = Shown::Needed},
                        {.name = "--detect-doubling-up",
                         .help = "Links imported crews of different events that share a rower "
                                 "as doubling up."}},
            .writesBack = true,
            .notes = "Prints the import report once the meet is written. An entry whose "
                     "association entry number a crew of the meet already carries (\"VEXA "
                     "1001 ...\" in its notes) brings that crew up to date instead of adding "
                     "one; crews entered by hand are never touched, and crews whose entry left "
                     "the export are listed, not deleted. Importing again starts the report "
                     "with a summary of what changed. A missing file key, or a file the "
                     "importer cannot read, prints the importer's message and leaves the meet "
                     "unchanged (exit 1).",
            .run = RunImport};
}

} // namespace bm::cli
