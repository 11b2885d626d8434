#include "gui/commandline.h"

#include <algorithm>

namespace {

bool Has(const std::vector<std::string>& args, std::initializer_list<const char*> names) {
    return std::any_of(args.begin(), args.end(), [&](const std::string& arg) {
        return std::find(names.begin(), names.end(), arg) != names.end();
    });
}

} // namespace

bool AnswerOnTerminal(const std::vector<std::string>& args, std::ostream& out) {
    if (Has(args, {"-h", "--help"})) {
        out << "Usage: boatmeet [MEETFILE]\n"
               "       boatmeet --help | --version\n"
               "\n"
               "Boatmeet organises a rowing regatta: entries, club-separated draws, the race\n"
               "timetable, results and the race-day documents. With MEETFILE (a .bmf file)\n"
               "it opens that regatta.\n"
               "\n"
               "Options:\n"
               "  -h, --help   Shows this help.\n"
               "  --version    Shows the version.\n"
               "\n"
               "boatmeet-cli does the same work from scripts; boatmeet-cli --help lists its\n"
               "commands.\n";
        return true;
    }
    if (Has(args, {"--version"})) {
        out << "boatmeet " << BM_APP_VERSION << "\n";
        return true;
    }
    return false;
}
