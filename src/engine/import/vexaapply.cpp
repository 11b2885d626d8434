#include "engine/import/vexaapply.h"

#include "engine/import/vexamerge.h"
#include "engine/model/text.h"

#include <algorithm>
#include <numeric>
#include <sstream>
#include <unordered_map>

namespace bm {

namespace {

// The crews of the entries that have one (withdrawn entries aside) by the
// member numbers (upper-cased) of their entries, to find crews that share a
// rower without comparing every pair.
class RowerIndex {
public:
    RowerIndex(const VexaImporter& importer, const VexaMerge& merge) {
        for (int index = 0; index < importer.EntryCount(); ++index) {
            const ImportedEntry& entry = *importer.Entry(index);
            if (entry.Withdrawn || merge.Entries[static_cast<std::size_t>(index)].CrewId == -1)
                continue;
            for (const std::string& number : entry.MemberNumbers)
                if (!number.empty())
                    entries_[UpperAscii(number)].push_back(index);
        }
    }

    // The other entries, in entry order, that share a rower with the entry.
    std::vector<int> Sharing(const ImportedEntry& entry, int index) const {
        std::vector<int> found;
        for (const std::string& number : entry.MemberNumbers) {
            const auto hit = entries_.find(UpperAscii(number));
            if (!number.empty() && hit != entries_.end())
                found.insert(found.end(), hit->second.begin(), hit->second.end());
        }
        std::sort(found.begin(), found.end());
        found.erase(std::unique(found.begin(), found.end()), found.end());
        std::erase(found, index);
        return found;
    }

private:
    std::unordered_map<std::string, std::vector<int>> entries_;
};

// A crew made or changed by this import has its doubling up worked out again.
bool Relinked(const MergedEntry& merged) {
    return merged.Outcome == EntryOutcome::Added || merged.Outcome == EntryOutcome::Changed;
}

// Links the crew of the entry with the crews of the entries that share a
// rower with it, writing a line for each whether or not the meet accepted the
// link. Each pair is linked once: under the later entry when both crews were
// made or changed by this import, otherwise under the one that was.
void LinkDoublingUp(Boatmeet& meet, const VexaMerge& merge, const std::vector<int>& sharing,
                    int index, std::ostream& report) {
    const int crewId = merge.Entries[static_cast<std::size_t>(index)].CrewId;
    for (int other : sharing) {
        const MergedEntry& otherEntry = merge.Entries[static_cast<std::size_t>(other)];
        if (other > index && Relinked(otherEntry))
            continue;
        meet.LinkDoubleUp(crewId, otherEntry.CrewId);
        report << "   doubling up with : " << meet.EventCrewLabel(meet.FindCrew(otherEntry.CrewId))
               << "\n";
    }
}

void WriteEntryLine(const ImportedEntry& entry, std::ostream& report) {
    if (entry.Withdrawn)
        report << "**** Withdrawn **** ";
    PadRight(CleanText(entry.Event), 7, report);
    report << " ";
    PadRight(CleanText(entry.Id), 5, report);
    report << " ";
    PadRight(CleanText(entry.CrewName), 10, report);
    report << " ";
    PadRight(CleanText(entry.MembersClub), 20, report);
    report << " ";
    PadRight(CleanText(entry.Notes), 10, report);
    report << "\n";
}

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
    WriteEntryLine(entry, report);
    if (entry.Withdrawn)
        return false;
    MakeImportedCrew(meet, entry);
    return true;
}

void ApplyVexaImport(Boatmeet& meet, const VexaImporter& importer, bool detectDoublingUp,
                     std::ostream& report) {
    const VexaMerge merge = MergeImportedEntries(meet, importer);
    WriteMergeSummary(meet, importer, merge, report);
    const RowerIndex rowers(importer, merge);
    for (int index = 0; index < importer.EntryCount(); ++index) {
        const MergedEntry& merged = merge.Entries[static_cast<std::size_t>(index)];
        if (merged.Outcome == EntryOutcome::LeftOut)
            continue;
        const ImportedEntry& entry = *importer.Entry(index);
        WriteEntryLine(entry, report);
        if (detectDoublingUp && !entry.Withdrawn && Relinked(merged))
            LinkDoublingUp(meet, merge, rowers.Sharing(entry, index), index, report);
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
