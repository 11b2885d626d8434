// Importing a championship-size export: 10,000 entries and 40,000 member rows
// (an entries file and a members file, written to a temporary folder) into a
// new meet, with and without doubling-up detection; and importing a regatta's
// export of 3,000 entries again into the meet that already holds its crews,
// as organisers do with every new download in race week.
#include "engine/import/vexaapply.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

constexpr int kRowsPerEntry = 4;

const char* const kEvents[] = {"MS 8+",    "MS 4-",    "MS 4x-", "MS 2x", "MS 1x",    "WS 8+",
                               "WS 4-",    "WS 4x-",   "WS 2x",  "WS 1x", "MJ18 4x+", "MJ16 4x+",
                               "WJ18 4x+", "WJ16 4x+", "MV 4x-", "WV 2x", "MN 4+",    "WN 4+"};

class ExportFolder {
public:
    explicit ExportFolder(int entryCount) {
        // Fewer rowers than seats, so many rowers race in two or three crews.
        const int rowers = entryCount * 26 / 10;
        folder_ = std::filesystem::temp_directory_path() /
                  ("boatmeet-import-bench-" + std::to_string(::getpid()) + "-" +
                   std::to_string(entryCount));
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
        for (int e = 0; e < entryCount; ++e) {
            const int club = (e * 7) % 240;
            entries << 100000 + e << "," << kEvents[e % 18] << ",\"CLUB " << club << " ROWING\","
                    << (e % 9 == 0 ? "A" : "") << "," << (e % 50 == 0 ? "Y" : "N") << ","
                    << (e % 3 ? "Y" : "N") << ",entry " << e << "\r\n";
            for (int seat = 1; seat <= kRowsPerEntry; ++seat) {
                const int rower = (e * kRowsPerEntry + seat * 7919) % rowers;
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

const ExportFolder& Championship() {
    static const ExportFolder folder(10000);
    return folder;
}

const ExportFolder& Regatta() {
    static const ExportFolder folder(3000);
    return folder;
}

bm::VexaImportRequest Request(const ExportFolder& folder, bool detect) {
    bm::VexaImportRequest request;
    request.ConfigPath = folder.File("config.csv");
    request.FilePaths = {{"entries", folder.File("entries.csv")},
                         {"members", folder.File("members.csv")}};
    request.DetectDoublingUp = detect;
    return request;
}

void ImportExport(benchmark::State& state) {
    const bm::VexaImportRequest request = Request(Championship(), state.range(0) != 0);
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

// Every iteration imports the same export again; it changes nothing, so the
// meet is the same for each.
void ReimportExport(benchmark::State& state) {
    const bm::VexaImportRequest request = Request(Regatta(), state.range(0) != 0);
    bm::Boatmeet meet;
    bm::ImportVexaExport(meet, request);
    for (auto _ : state) {
        const bm::VexaImportOutcome outcome = bm::ImportVexaExport(meet, request);
        if (!outcome.Imported || meet.Crews.size() != 2940 ||
            outcome.Text.rfind("0 added, 0 changed, 0 withdrawn, 0 no longer", 0) != 0) {
            state.SkipWithError("the import again changed the meet");
            break;
        }
        benchmark::DoNotOptimize(outcome.Text.data());
    }
}

} // namespace

BENCHMARK(ImportExport)->Arg(0)->Arg(1)->ArgName("detect")->Unit(benchmark::kMillisecond);
BENCHMARK(ReimportExport)->Arg(0)->Arg(1)->ArgName("detect")->Unit(benchmark::kMillisecond);
