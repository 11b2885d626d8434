#include "engine/import/vexamerge.h"

#include "engine/model/crewmove.h"
#include "engine/model/text.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace bm {

namespace {

constexpr std::string_view ImportedNotesStart = "VEXA ";
constexpr std::string_view MoveNoteStart = " Moved from ";

// The digits of a whole number without leading zeros; empty when the text is
// not one, so that "1001" and "01001" are the same entry number.
std::string EntryNumber(std::string_view text) {
    if (text.empty() ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return {};
    const std::size_t first = text.find_first_not_of('0');
    return first == std::string_view::npos ? "0" : std::string(text.substr(first));
}

// The notes an imported crew gets: the entry number, then the entry's notes.
std::string ImportedNotes(const ImportedEntry& entry) {
    return std::string(ImportedNotesStart) + CleanText(entry.Notes);
}

// The moves recorded at the end of a crew's notes, from the first
// " Moved from " on; they stay when the export's notes change.
std::string MoveNotes(std::string_view notes) {
    const std::size_t at = notes.find(MoveNoteStart, ImportedNotesStart.size());
    return at == std::string_view::npos ? std::string() : std::string(notes.substr(at));
}

bool MarkedWithdrawn(std::string_view name) {
    return name.starts_with(WithdrawnMark);
}

std::string UnmarkedName(std::string_view name) {
    if (MarkedWithdrawn(name)) {
        name.remove_prefix(WithdrawnMark.size());
        if (name.starts_with(' '))
            name.remove_prefix(1);
    }
    return std::string(name);
}

std::string MarkedName(const std::string& name) {
    return name.empty() ? std::string(WithdrawnMark) : std::string(WithdrawnMark) + " " + name;
}

// A set's text for a key in the change list: empty for no key.
std::string KeyText(const StrSet& set, int key) {
    return key == -1 ? std::string() : set.TextOf(key);
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string YesNo(bool value) {
    return value ? "yes" : "no";
}

void AddChange(std::string& changes, std::string_view field, const std::string& old,
               const std::string& now) {
    if (!changes.empty())
        changes += "; ";
    changes.append(field).append(" ").append(old).append(" -> ").append(now);
}

bool Drawn(const Boatmeet& meet, int eventKey) {
    const Draw* draw = meet.FindDraw(eventKey);
    return draw && draw->Size > 0;
}

class Merger {
public:
    Merger(Boatmeet& meet, const VexaImporter& importer) : meet_(meet), importer_(importer) {}

    VexaMerge Run() {
        IndexCrews();
        merge_.Entries.resize(static_cast<std::size_t>(importer_.EntryCount()));
        for (int index = 0; index < importer_.EntryCount(); ++index)
            MergeEntry(index);
        FindMissing();
        for (int key : meet_.Events.Keys())
            if (drawEditor_.count(key))
                merge_.DrawEditorEvents.push_back(key);
        return std::move(merge_);
    }

private:
    void IndexCrews() {
        for (const auto& crew : meet_.Crews) {
            const std::string number = CrewEntryNumber(*crew);
            if (!number.empty())
                carriers_[number].push_back(crew.get());
        }
        merge_.Reimport = !carriers_.empty();
    }

    void MergeEntry(int index) {
        const ImportedEntry& entry = *importer_.Entry(index);
        MergedEntry& merged = merge_.Entries[static_cast<std::size_t>(index)];
        const std::string leftOut = "Entry \"" + CleanText(entry.Id) + "\" left out: ";
        const std::string number = EntryNumber(entry.Id);
        if (number.empty()) {
            merge_.LeftOut.push_back(leftOut + "its entry number is not a number");
            return;
        }
        const auto [first, isNew] = seen_.emplace(number, index);
        if (!isNew) {
            merge_.LeftOut.push_back(leftOut + "entry \"" +
                                     CleanText(importer_.Entry(first->second)->Id) +
                                     "\" has the same entry number");
            return;
        }
        const auto carriers = carriers_.find(number);
        if (carriers == carriers_.end())
            merged = Add(entry);
        else if (carriers->second.size() == 1)
            merged = Update(*carriers->second.front(), entry);
        else
            merge_.LeftOut.push_back(leftOut + CarriersText(carriers->second));
    }

    static std::string CarriersText(const std::vector<Crew*>& crews) {
        std::string ids;
        for (const Crew* crew : crews)
            ids += (ids.empty() ? "" : ", ") + std::to_string(crew->Id);
        return std::to_string(crews.size()) +
               " crews of the meet carry its entry number (crew ids " + ids + ")";
    }

    MergedEntry Add(const ImportedEntry& entry) {
        if (entry.Withdrawn)
            return {EntryOutcome::Unchanged, -1, {}};
        const Crew* crew = MakeImportedCrew(meet_, entry);
        NeedsDrawEditor(crew->EventKey);
        return {EntryOutcome::Added, crew->Id, {}};
    }

    // What the crew editor would change by hand. The notes are written first,
    // so that a move is recorded after the new notes; each change is listed
    // in the order event, club, name, paid, notes, withdrawn.
    MergedEntry Update(Crew& crew, const ImportedEntry& entry) {
        MergedEntry merged{EntryOutcome::Unchanged, crew.Id, {}};
        const bool wasWithdrawn = MarkedWithdrawn(crew.Name);
        const std::string oldNotes = crew.Notes;
        const bool notesChanged = UpdateNotes(crew, ImportedNotes(entry));
        UpdateEvent(crew, CleanText(entry.Event), merged.Changes);
        UpdateClub(crew, CleanText(entry.MembersClub), merged.Changes);
        UpdateName(crew, entry, merged.Changes);
        if (crew.FeePaid != entry.Paid) {
            AddChange(merged.Changes, "paid", YesNo(crew.FeePaid), YesNo(entry.Paid));
            crew.FeePaid = crew.EarlyPay = entry.Paid;
        }
        if (notesChanged)
            AddChange(merged.Changes, "notes", Quoted(oldNotes), Quoted(crew.Notes));
        if (wasWithdrawn && !entry.Withdrawn)
            AddChange(merged.Changes, "withdrawn", "yes", "no");
        if (entry.Withdrawn && !wasWithdrawn) {
            merged.Outcome = EntryOutcome::Withdrawn;
            NeedsDrawEditor(crew.EventKey);
        } else if (!merged.Changes.empty()) {
            merged.Outcome = EntryOutcome::Changed;
        }
        return merged;
    }

    // The notes as imported, followed by the moves recorded since; true when they changed.
    static bool UpdateNotes(Crew& crew, const std::string& notes) {
        if (crew.Notes == notes || crew.Notes.starts_with(notes + std::string(MoveNoteStart)))
            return false;
        crew.Notes = notes + MoveNotes(crew.Notes);
        return true;
    }

    // The export's name when it gives one (a name it no longer gives may be a
    // label the organiser gave, and stays), marked while the entry is withdrawn.
    static void UpdateName(Crew& crew, const ImportedEntry& entry, std::string& changes) {
        const std::string oldName = UnmarkedName(crew.Name);
        const std::string name = entry.Label.empty() ? oldName : "(" + CleanText(entry.Label) + ")";
        if (name != oldName)
            AddChange(changes, "name", Quoted(oldName), Quoted(name));
        crew.Name = entry.Withdrawn ? MarkedName(name) : name;
    }

    void UpdateEvent(Crew& crew, const std::string& event, std::string& changes) {
        const int old = crew.EventKey;
        if (meet_.Events.KeyOf(event) == old)
            return;
        const std::string oldText = KeyText(meet_.Events, old);
        NeedsDrawEditor(old);
        MoveCrewToEvent(meet_, crew, meet_.Events.Add(event), {});
        NeedsDrawEditor(crew.EventKey);
        AddChange(changes, "event", Quoted(oldText), Quoted(KeyText(meet_.Events, crew.EventKey)));
    }

    void UpdateClub(Crew& crew, const std::string& club, std::string& changes) {
        if (meet_.Clubs.KeyOf(club) == crew.ClubKey)
            return;
        const std::string oldText = KeyText(meet_.Clubs, crew.ClubKey);
        crew.ClubKey = meet_.Clubs.Add(club);
        AddChange(changes, "club", Quoted(oldText), Quoted(KeyText(meet_.Clubs, crew.ClubKey)));
    }

    void NeedsDrawEditor(int eventKey) {
        if (Drawn(meet_, eventKey))
            drawEditor_.insert(eventKey);
    }

    // Crews that carried an entry number before this import which no entry of the export has.
    void FindMissing() {
        for (const auto& crew : meet_.Crews) {
            const std::string number = CrewEntryNumber(*crew);
            if (!number.empty() && carriers_.count(number) && !seen_.count(number))
                merge_.Missing.push_back(crew->Id);
        }
    }

    Boatmeet& meet_;
    const VexaImporter& importer_;
    VexaMerge merge_;
    // The crews of the meet by the entry number they carried before this import.
    std::unordered_map<std::string, std::vector<Crew*>> carriers_;
    // The entry numbers of the export, each with its first entry.
    std::unordered_map<std::string, int> seen_;
    std::unordered_set<int> drawEditor_;
};

void WriteCounts(const VexaMerge& merge, std::ostream& report) {
    const auto count = [&merge](EntryOutcome outcome) {
        return std::count_if(merge.Entries.begin(), merge.Entries.end(),
                             [outcome](const MergedEntry& e) { return e.Outcome == outcome; });
    };
    report << count(EntryOutcome::Added) << " added, " << count(EntryOutcome::Changed)
           << " changed, " << count(EntryOutcome::Withdrawn) << " withdrawn, "
           << merge.Missing.size() << " no longer in the export, " << count(EntryOutcome::Unchanged)
           << " unchanged\n";
}

void WriteDrawEditorEvents(const Boatmeet& meet, const VexaMerge& merge, std::ostream& report) {
    if (merge.DrawEditorEvents.empty())
        return;
    report << "Events already drawn that need the draw editor: ";
    for (std::size_t i = 0; i < merge.DrawEditorEvents.size(); ++i)
        report << (i ? ", " : "") << meet.Events.TextOf(merge.DrawEditorEvents[i]);
    report << "\n";
}

void WriteCrewLine(const Boatmeet& meet, const std::string& number, int crewId,
                   const std::string& changes, std::ostream& report) {
    report << "  " << number << " " << Trimmed(meet.EventCrewLabel(meet.FindCrew(crewId)));
    if (!changes.empty())
        report << ": " << changes;
    report << "\n";
}

void WriteEntryList(const Boatmeet& meet, const VexaImporter& importer, const VexaMerge& merge,
                    EntryOutcome outcome, const char* title, std::ostream& report) {
    bool first = true;
    for (int index = 0; index < importer.EntryCount(); ++index) {
        const MergedEntry& merged = merge.Entries[static_cast<std::size_t>(index)];
        if (merged.Outcome != outcome)
            continue;
        if (first)
            report << "\n" << title << "\n";
        first = false;
        WriteCrewLine(meet, CleanText(importer.Entry(index)->Id), merged.CrewId, merged.Changes,
                      report);
    }
}

void WriteMissing(const Boatmeet& meet, const VexaMerge& merge, std::ostream& report) {
    if (merge.Missing.empty())
        return;
    report << "\nNo longer in the export:\n";
    for (int id : merge.Missing) {
        const std::string_view notes = meet.FindCrew(id)->Notes;
        const std::string_view number = notes.substr(ImportedNotesStart.size());
        WriteCrewLine(meet, std::string(number.substr(0, number.find(' '))), id, {}, report);
    }
}

} // namespace

std::string CrewEntryNumber(const Crew& crew) {
    const std::string_view notes = crew.Notes;
    if (!notes.starts_with(ImportedNotesStart))
        return {};
    const std::string_view rest = notes.substr(ImportedNotesStart.size());
    return EntryNumber(rest.substr(0, rest.find(' ')));
}

Crew* MakeImportedCrew(Boatmeet& meet, const ImportedEntry& entry) {
    auto crew = std::make_unique<Crew>();
    crew->ClubKey = meet.Clubs.Add(CleanText(entry.MembersClub));
    crew->EventKey = meet.Events.Add(CleanText(entry.Event));
    crew->Notes = ImportedNotes(entry);
    crew->FeePaid = entry.Paid;
    crew->EarlyPay = entry.Paid;
    if (!entry.Label.empty())
        crew->Name = "(" + CleanText(entry.Label) + ")";
    return meet.AddCrew(std::move(crew));
}

VexaMerge MergeImportedEntries(Boatmeet& meet, const VexaImporter& importer) {
    return Merger(meet, importer).Run();
}

void WriteMergeSummary(const Boatmeet& meet, const VexaImporter& importer, const VexaMerge& merge,
                       std::ostream& report) {
    if (merge.Reimport) {
        WriteCounts(merge, report);
        WriteDrawEditorEvents(meet, merge, report);
    }
    for (const std::string& line : merge.LeftOut)
        report << line << "\n";
    if (!merge.Reimport) {
        if (!merge.LeftOut.empty())
            report << "\n";
        return;
    }
    WriteEntryList(meet, importer, merge, EntryOutcome::Added, "Added:", report);
    WriteEntryList(meet, importer, merge, EntryOutcome::Changed, "Changed:", report);
    WriteEntryList(meet, importer, merge, EntryOutcome::Withdrawn, "Withdrawn:", report);
    WriteMissing(meet, merge, report);
    report << "\n";
}

} // namespace bm
