// Feeds arbitrary meet files to the information window's texts (and so to
// boatmeet-cli info): every crew number and race number the file holds, and a
// few it does not, must give a text without crashing, whatever ids, links,
// draws and race numbers the file holds.
#include "engine/draw/crewraceinfo.h"
#include "engine/model/boatmeet.h"
#include "engine/model/textfile.h"

#include <cstddef>
#include <cstdint>
#include <set>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string text =
        bm::IsValidUtf8(bytes) ? std::string(bytes) : bm::Windows1252ToUtf8(bytes);
    auto meet = bm::Boatmeet::LoadFromText(text);
    std::set<int> crewNumbers{-1, 0, 1};
    for (const auto& crew : meet->Crews)
        crewNumbers.insert(crew->Number);
    std::set<int> raceNumbers{-1, 0, 1};
    for (const bm::Race* race : meet->OrderedRaces())
        raceNumbers.insert(race->Number);
    // As the window reads them: typed, and again on a refresh.
    bm::InformationView view;
    for (int n : crewNumbers) {
        view.NewNumber(*meet, true, std::to_string(n));
        view.NewNumber(*meet, true, std::to_string(n));
    }
    for (int n : raceNumbers)
        view.NewNumber(*meet, false, std::to_string(n));
    return 0;
}
