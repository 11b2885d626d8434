#include "cli/cmd_import.h"

#include "cli/common.h"
#include "engine/import/makedata.h"
#include "engine/import/vexaapply.h"
#include "engine/model/text.h"

#include <filesystem>

namespace bm::cli {

namespace {

// The folder of the running program, where "VexaConfig.csv" is installed.
std::string ProgramFolder() {
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string(".") : program.parent_path().string();
}

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

// Reads a count option; false, with the message written, when it is not a whole number.
bool ReadCount(const ParsedArgs& args, const std::string& option, int& value, Streams& io) {
    if (!args.Has(option))
        return true;
    if (ParseCount(args.Value(option), value))
        return true;
    io.err << "boatmeet-cli generate: " << option << " takes a whole number, not '"
           << args.Value(option) << "'\n";
    return false;
}

} // namespace

int RunImport(const ParsedArgs& args, Streams& io) {
    VexaImportRequest request;
    request.ConfigPath = args.Value("--config", DefaultVexaConfigPath(ProgramFolder()));
    request.DetectDoublingUp = args.Has("--detect-doubling-up");
    if (!ReadFilePaths(args, request, io))
        return Usage;
    const std::string& path = args.positional.front();
    std::unique_ptr<Boatmeet> meet = OpenCommandMeet(args, io);
    if (!meet)
        return Usage;
    const VexaImportOutcome outcome = ImportVexaExport(*meet, request);
    if (!outcome.Imported) {
        io.err << outcome.Text << "\n";
        return Problem;
    }
    const int status = SaveMeet(*meet, args, path, io);
    if (status == Done)
        io.out << outcome.Text;
    return status;
}

int RunGenerate(const ParsedArgs& args, Streams& io) {
    GenerateParams params;
    params.Title = args.Value("--title");
    if (!ReadCount(args, "--crews", params.Crews, io) ||
        !ReadCount(args, "--events", params.Events, io) ||
        !ReadCount(args, "--clubs", params.Clubs, io) ||
        !ReadCount(args, "--double-ups", params.DoubleUps, io) ||
        !ReadCount(args, "--boat-shares", params.BoatShares, io) || !PrepareSettings(args, io))
        return Usage;
    std::string message;
    if (!WriteGeneratedMeet(params, args.positional.front(), message)) {
        io.err << message << "\n";
        return Problem;
    }
    return Done;
}

} // namespace bm::cli
