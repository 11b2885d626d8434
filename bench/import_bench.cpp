// Importing a championship-size export: 10,000 entries and 40,000 member rows
// (an entries file and a members file, written to a temporary folder) into a
// new meet, with and without doubling-up detection.
#include "engine/import/vexaapply.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

constexpr int kEntries = 10000;
constexpr int kRowsPerEntry = 4;
// Fewer rowers than seats, so many rowers race in two or three crews.
constexpr int kRowers = 26000;

const char* const kEvents[] = {"MS 8+",    "MS 4-",    "MS 4x-", "MS 2x", "MS 1x",    "WS 8+",
                               "WS 4-",    "WS 4x-",   "WS 2x",  "WS 1x", "MJ18 4x+", "MJ16 4x+",
                               "WJ18 4x+", "WJ16 4x+", "MV 4x-", "WV 2x", "MN 4+",    "WN 4+"};

class ExportFolder {
public:
    ExportFolder() {
        folder_ = std::filesystem::temp_directory_path() /
                  ("boatmeet-import-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
        std::ofstream(File("config.csv"))
            << "ID,entries,Entry No\nEvent,entries,Event\n"
               "EnteringClub,entries,Club\nCrewName,entries,Crew Name\n"
               "Withdrawn,entries,Withdrawn\nPaid,entries,Paid\n"
               "Notes,entries,Notes\nARANo,members,Member No\n"
               "Surname,members,Surname\nFirstname,members,First Name\n"
               "MembersClub,members,Club\nPosition,members,Seat\n";
        std::ofstream entries(File("entries.csv"));
        std::ofstream members(File("members.csv"));
        entries << "Entry No,Event,Club,Crew Name,Withdrawn,Paid,Notes\r\n";
        members << "Entry No,Member No,Surname,First Name,Club,Seat\r\n";
        for (int e = 0; e < kEntries; ++e) {
            const int club = (e * 7) % 240;
            entries << 100000 + e << "," << kEvents[e % 18] << ",\"CLUB " << club << " ROWING\","
                    << (e % 9 == 0 ? "A" : "") << "," << (e % 50 == 0 ? "Y" : "N") << ","
                    << (e % 3 ? "Y" : "N") << ",entry " << e << "\r\n";
            for (int seat = 1; seat <= kRowsPerEntry; ++seat) {
                const int rower = (e * kRowsPerEntry + seat * 7919) % kRowers;
                members << 100000 + e << "," << 500000 + rower << ",SURNAME" << rower << ",FIRST"
                        << rower << ",\"CLUB " << club << " ROWING\"," << seat << "\r\n";
            }
        }
    }
    ~ExportFolder() {
        std::error_code error;
        std::filesystem::remove_all(folder_, error);
    }

    std::string File(const std::string& name) const { return (folder_ / name).string(); }

private:
    std::filesystem::path folder_;
};

const ExportFolder& Export() {
    static const ExportFolder folder;
    return folder;
}

void ImportExport(benchmark::State& state) {
    bm::VexaImportRequest request;
    request.ConfigPath = Export().File("config.csv");
    request.FilePaths = {{"entries", Export().File("entries.csv")},
                         {"members", Export().File("members.csv")}};
    request.DetectDoublingUp = state.range(0) != 0;
    for (auto _ : state) {
        bm::Boatmeet meet;
        const bm::VexaImportOutcome outcome = bm::ImportVexaExport(meet, request);
        if (!outcome.Imported || meet.Crews.size() != 9800) {
            state.SkipWithError(outcome.Text.c_str());
            break;
        }
        benchmark::DoNotOptimize(outcome.Text.data());
    }
}

} // namespace

BENCHMARK(ImportExport)->Arg(0)->Arg(1)->ArgName("detect")->Unit(benchmark::kMillisecond);
