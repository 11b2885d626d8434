#include "engine/import/vexaapply.h"

#include "engine/model/text.h"

#include <algorithm>
#include <numeric>
#include <sstream>
#include <unordered_map>

namespace bm {

namespace {

// A crew made by this import, with the entry it came from.
struct MadeCrew {
    int crewId;
    int entry;
};

// The crews of this import by the member numbers (upper-cased) of their
// entries, to find crews that share a rower without comparing every pair.
class RowerIndex {
public:
    // Positions in the made list of the earlier crews that share a rower with the entry.
    std::vector<int> Sharing(const ImportedEntry& entry) const {
        std::vector<int> found;
        for (const std::string& number : entry.MemberNumbers) {
            const auto hit = crews_.find(UpperAscii(number));
            if (!number.empty() && hit != crews_.end())
                found.insert(found.end(), hit->second.begin(), hit->second.end());
        }
        std::sort(found.begin(), found.end());
        found.erase(std::unique(found.begin(), found.end()), found.end());
        return found;
    }

    void Add(const ImportedEntry& entry, int made) {
        for (const std::string& number : entry.MemberNumbers)
            if (!number.empty())
                crews_[UpperAscii(number)].push_back(made);
    }

private:
    std::unordered_map<std::string, std::vector<int>> crews_;
};

void WriteCompetitors(const VexaImporter& importer, std::ostream& report) {
    report << "\n\n\nList of Competitors\n===================\n";
    std::vector<int> order(static_cast<std::size_t>(importer.MemberCount()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return importer.Member(a)->EntryCount > importer.Member(b)->EntryCount;
    });
    for (int index : order) {
        const ImportedMember& member = *importer.Member(index);
        if (member.EntryCount < 1)
            break;
        report << member.EntryCount << " ";
        PadRight(CleanText(member.Surname), 12, report);
        report << " ";
        PadRight(CleanText(member.MemberNumber), 15, report);
        report << " ";
        PadRight(CleanText(member.Club), 15, report);
        report << " " << CleanText(member.Events) << "\n";
    }
}

// Makes the crews of a loaded export and returns the import report.
std::string ApplyAndReport(Boatmeet& meet, const VexaImporter& importer, bool detectDoublingUp) {
    std::ostringstream report;
    ApplyVexaImport(meet, importer, detectDoublingUp, report);
    ListCrewsNeedingLabels(meet, report);
    return report.str();
}

// The configuration the user chose, or the one in the program folder.
std::string ChosenConfigPath(const std::string& programFolder, const VexaLoadDialogs& dialogs) {
    std::string path;
    if (dialogs.Ask(VexaOwnConfigQuestion))
        path = dialogs.ChooseCsvFile(VexaConfigDialogTitle);
    return path.empty() ? DefaultVexaConfigPath(programFolder) : path;
}

// Asks for the file of every key in order; false when a dialog was cancelled.
bool ChooseExportFiles(VexaImporter& importer, const VexaLoadDialogs& dialogs) {
    for (int i = 0; i < importer.FileKeyCount(); ++i) {
        const std::string path = dialogs.ChooseCsvFile(VexaFileDialogTitle + importer.FileKey(i));
        if (path.empty())
            return false;
        importer.AddFilePath(path);
    }
    return true;
}

} // namespace

bool AddImportedCrew(Boatmeet& meet, const ImportedEntry& entry, std::ostream& report) {
    const std::string event = CleanText(entry.Event);
    const std::string club = CleanText(entry.MembersClub);
    const std::string notes = CleanText(entry.Notes);
    if (entry.Withdrawn)
        report << "**** Withdrawn **** ";
    PadRight(event, 7, report);
    report << " ";
    PadRight(CleanText(entry.Id), 5, report);
    report << " ";
    PadRight(CleanText(entry.CrewName), 10, report);
    report << " ";
    PadRight(club, 20, report);
    report << " ";
    PadRight(notes, 10, report);
    report << "\n";
    if (entry.Withdrawn)
        return false;
    auto crew = std::make_unique<Crew>();
    crew->ClubKey = meet.Clubs.Add(club);
    crew->EventKey = meet.Events.Add(event);
    crew->Notes = "VEXA " + notes;
    crew->FeePaid = entry.Paid;
    crew->EarlyPay = entry.Paid;
    if (!entry.Label.empty())
        crew->Name = "(" + CleanText(entry.Label) + ")";
    meet.AddCrew(std::move(crew));
    return true;
}

void ApplyVexaImport(Boatmeet& meet, const VexaImporter& importer, bool detectDoublingUp,
                     std::ostream& report) {
    std::vector<MadeCrew> made;
    RowerIndex rowers;
    for (int index = 0; index < importer.EntryCount(); ++index) {
        const ImportedEntry& entry = *importer.Entry(index);
        if (!AddImportedCrew(meet, entry, report))
            continue;
        const int crewId = meet.Crews.back()->Id;
        if (detectDoublingUp) {
            for (int earlier : rowers.Sharing(entry)) {
                const MadeCrew& other = made[static_cast<std::size_t>(earlier)];
                meet.LinkDoubleUp(crewId, other.crewId);
                report << "   doubling up with : "
                       << meet.EventCrewLabel(meet.FindCrew(other.crewId)) << "\n";
            }
        }
        rowers.Add(entry, static_cast<int>(made.size()));
        made.push_back({crewId, index});
    }
    WriteCompetitors(importer, report);
}

void ListCrewsNeedingLabels(const Boatmeet& meet, std::ostream& report) {
    report << "\n\n\nCrews that might need labelling:\n\n";
    // The crews of each event and club, in crew list order.
    std::unordered_map<std::int64_t, std::vector<const Crew*>> groups;
    for (const auto& crew : meet.Crews)
        groups[(static_cast<std::int64_t>(crew->EventKey) << 32) ^
               static_cast<std::uint32_t>(crew->ClubKey)]
            .push_back(crew.get());
    for (int e = 0; e < meet.Events.Count(); ++e) {
        const std::string event = meet.Events.TextAt(e);
        if (Contains(event, "1x"))
            continue;
        for (int c = 0; c < meet.Clubs.Count(); ++c) {
            const auto group = groups.find((static_cast<std::int64_t>(meet.Events.KeyAt(e)) << 32) ^
                                           static_cast<std::uint32_t>(meet.Clubs.KeyAt(c)));
            if (group == groups.end() || group->second.size() < 2)
                continue;
            report << "\n" << event << " " << meet.Clubs.TextAt(c) << "\n";
            for (const Crew* crew : group->second)
                report << "  " << crew->Notes << "\n";
        }
    }
}

VexaImportOutcome ImportVexaExport(Boatmeet& meet, const VexaImportRequest& request) {
    VexaImporter importer(request.ConfigPath);
    if (importer.Failed())
        return {false, importer.ErrorText()};
    for (int i = 0; i < importer.FileKeyCount(); ++i) {
        const auto given = std::find_if(
            request.FilePaths.begin(), request.FilePaths.end(), [&](const auto& keyPath) {
                return SameTextIgnoringCase(keyPath.first, importer.FileKey(i));
            });
        if (given == request.FilePaths.end())
            return {false, VexaAbandonedText};
        importer.AddFilePath(given->second);
    }
    std::string error = importer.Load();
    if (!error.empty())
        return {false, error};
    return {true, ApplyAndReport(meet, importer, request.DetectDoublingUp)};
}

bool RunVexaLoad(Boatmeet* meet, const std::string& programFolder, const VexaLoadDialogs& dialogs,
                 std::string& report) {
    report.clear();
    if (!meet) {
        dialogs.Inform(VexaNoMeetText);
        return false;
    }
    VexaImporter importer(ChosenConfigPath(programFolder, dialogs));
    if (importer.Failed()) {
        dialogs.Inform(importer.ErrorText());
        return false;
    }
    if (!ChooseExportFiles(importer, dialogs)) {
        dialogs.Inform(VexaAbandonedText);
        return false;
    }
    dialogs.Inform(VexaBePatientText);
    const std::string error = importer.Load();
    if (!error.empty()) {
        dialogs.Inform(error);
        return false;
    }
    report = ApplyAndReport(*meet, importer, dialogs.Ask(VexaDetectQuestion));
    return true;
}

} // namespace bm
