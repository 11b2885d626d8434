#include "cli/outputfile.h"

#include <filesystem>

namespace bm::cli {

OptionRule ForceOption() {
    return {.name = "--force", .help = "Replaces OUT when it already exists."};
}

std::string CreatedFileHelp(const std::string& what) {
    return what + "; an existing file is kept unless --force is given.";
}

bool MayWriteNewFile(const ParsedArgs& args, const std::string& target, Streams& io) {
    if (args.Has("--force"))
        return true;
    // A link that leads nowhere counts as taken: writing would follow it.
    std::error_code error;
    const auto status = std::filesystem::symlink_status(target, error);
    if (!std::filesystem::exists(status))
        return true;
    io.err << target << " already exists (use --force to replace it)\n";
    return false;
}

} // namespace bm::cli
