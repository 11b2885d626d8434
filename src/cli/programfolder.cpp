#include "cli/programfolder.h"

#include <filesystem>

namespace bm::cli {

std::string ProgramFolder() {
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string(".") : program.parent_path().string();
}

} // namespace bm::cli
