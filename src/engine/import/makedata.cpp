#include "engine/import/makedata.h"

#include "engine/model/random.h"
#include "engine/model/text.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace bm {

namespace {

// Links up to `wanted` pairs of crews of different events that have no link
// of this kind yet, giving up after 20000 attempts.
void MakeLinks(Boatmeet& meet, int crews, int wanted, std::vector<int> Crew::*links,
               void (Boatmeet::*link)(int, int)) {
    wanted = std::min(wanted, crews);
    int made = 0;
    for (int attempts = 0; made < wanted && attempts < 20000; ++attempts) {
        const int a = ((NextRandom() >> 7) % crews) + 1;
        const int b = ((NextRandom() >> 5) % crews) + 1;
        const Crew* crewA = meet.FindCrew(a);
        const Crew* crewB = meet.FindCrew(b);
        if ((crewA->*links).empty() && (crewB->*links).empty() &&
            crewA->EventKey != crewB->EventKey) {
            (meet.*link)(b, a);
            ++made;
        }
    }
}

// True when the file can be opened for writing. An existing file keeps its
// content; a file made only to try is removed again, so a later failure
// leaves nothing behind.
bool CanCreate(const std::string& path) {
    std::error_code error;
    // A link counts as there even when it points nowhere yet: it stays.
    const bool existed = std::filesystem::exists(std::filesystem::symlink_status(path, error));
    std::FILE* file = std::fopen(path.c_str(), "ab");
    if (!file)
        return false;
    std::fclose(file);
    if (!existed)
        std::filesystem::remove(path, error);
    return true;
}

} // namespace

std::string GenerateParamsProblem(const GenerateParams& params) {
    const int smallest =
        std::min({params.Crews, params.Events, params.Clubs, params.DoubleUps, params.BoatShares});
    if (smallest < 0)
        return "The numbers to generate must not be negative";
    if (params.Crews > MaxGeneratedCrews || params.Events > MaxGeneratedEvents ||
        params.Clubs > MaxGeneratedClubs)
        return "At most " + std::to_string(MaxGeneratedCrews) + " crews, " +
               std::to_string(MaxGeneratedEvents) + " events and " +
               std::to_string(MaxGeneratedClubs) + " clubs can be generated";
    if (params.Crews > 0 && (params.Events < 1 || params.Clubs < 1))
        return "Events and clubs must be at least 1 when crews are requested";
    return {};
}

std::unique_ptr<Boatmeet> GenerateMeet(const GenerateParams& params, std::string& error) {
    error = GenerateParamsProblem(params);
    if (!error.empty())
        return nullptr;
    auto meet = std::make_unique<Boatmeet>();
    meet->Title = CleanText(params.Title);
    for (int i = 1; i <= params.Clubs; ++i)
        meet->Clubs.Add("Club_" + std::to_string(i));
    for (int i = 1; i <= params.Events; ++i)
        meet->Events.Add("Event_" + std::to_string(i));
    for (int i = 1; i <= params.Crews; ++i) {
        auto crew = std::make_unique<Crew>();
        crew->Name = "Name_" + std::to_string(i);
        crew->Notes = "Notes for: " + crew->Name;
        crew->EventKey =
            meet->Events.KeyOf(meet->Events.TextAt((NextRandom() >> 8) % params.Events));
        crew->ClubKey = meet->Clubs.KeyOf(meet->Clubs.TextAt((NextRandom() >> 8) % params.Clubs));
        meet->AddCrew(std::move(crew));
    }
    if (params.Crews > 0) {
        MakeLinks(*meet, params.Crews, params.DoubleUps, &Crew::DoubleUps, &Boatmeet::LinkDoubleUp);
        MakeLinks(*meet, params.Crews, params.BoatShares, &Crew::BoatShares,
                  &Boatmeet::LinkBoatShare);
    }
    return meet;
}

bool WriteGeneratedMeet(const GenerateParams& params, const std::string& path,
                        std::string& message) {
    message = GenerateParamsProblem(params);
    if (!message.empty())
        return false;
    if (!CanCreate(path)) {
        message = "Could not open file!";
        return false;
    }
    std::unique_ptr<Boatmeet> meet = GenerateMeet(params, message);
    if (!meet->SaveToFile(path, true)) {
        message = "Could not open file!";
        return false;
    }
    message = "Data Generation Complete";
    return true;
}

std::string TestDataFolder(const std::string& meetFileName) {
    namespace fs = std::filesystem;
    std::error_code error;
    if (!meetFileName.empty()) {
        const fs::path file = fs::absolute(fs::path(meetFileName), error);
        if (!error)
            return (file.parent_path() / "").string();
    }
    const fs::path root = fs::current_path(error).root_path();
    return error || root.empty() ? fs::path("/").make_preferred().string() : root.string();
}

} // namespace bm
