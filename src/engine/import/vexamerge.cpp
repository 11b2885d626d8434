#include "engine/import/vexamerge.h"

#include "engine/model/crewmove.h"
#include "engine/model/text.h"

#include <algorithm>
#include <functional>
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

// One more part of a list whose parts are joined by "; ".
void Join(std::string& list, const std::string& part) {
    if (!list.empty())
        list += "; ";
    list += part;
}

void AddChange(std::string& changes, std::string_view field, const std::string& old,
               const std::string& now) {
    Join(changes, std::string(field) + " " + old + " -> " + now);
}

void AddKept(std::string& kept, std::string_view field, const std::string& yours,
             const std::string& theirs) {
    Join(kept, std::string(field) + " yours " + yours + ", export " + theirs);
}

// What a re-import does with one field.
enum class Take {
    Nothing, // the meet's value stays: the export did not change it, or the meet has it already
    Export,  // the export's new value replaces the one it gave last time
    Yours,   // both changed it: the organiser's value stays, and is listed
};

Take Decide(bool exportChanged, bool meetHoldsKept, bool meetHoldsNow) {
    if (!exportChanged || meetHoldsNow)
        return Take::Nothing;
    return meetHoldsKept ? Take::Export : Take::Yours;
}

// True when the crew's notes are the imported ones, with any moves recorded after them.
bool NotesHold(std::string_view notes, const std::string& imported) {
    return notes == imported || notes.starts_with(imported + std::string(MoveNoteStart));
}

// The values the export gives the entry, as its crew holds them.
ImportedValues ExportValues(const ImportedEntry& entry) {
    return {CleanText(entry.Event),
            CleanText(entry.MembersClub),
            entry.Label.empty() ? std::string() : "(" + CleanText(entry.Label) + ")",
            ImportedNotes(entry),
            entry.Paid,
            entry.Withdrawn};
}

// The notes that carry a crew's entry number: those of its last import when
// kept, so that notes retyped by hand do not lose the entry.
const std::string& EntryNotes(const Crew& crew) {
    return crew.Imported ? crew.Imported->Notes : crew.Notes;
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
            return {EntryOutcome::Unchanged, -1, {}, {}};
        const Crew* crew = MakeImportedCrew(meet_, entry);
        NeedsDrawEditor(crew->EventKey);
        return {EntryOutcome::Added, crew->Id, {}, {}};
    }

    // Three ways, field by field: a field the export did not change keeps the
    // meet's value; one it changed is brought up to date as the crew editor
    // would do it where the meet still holds the export's value of the last
    // import, and otherwise kept and listed. A crew without those values is
    // brought up to date wherever the export differs from the meet. The
    // notes are written first, so that a move is recorded after the new
    // notes; changes are listed in the order event, club, name, paid, notes,
    // withdrawn.
    MergedEntry Update(Crew& crew, const ImportedEntry& entry) {
        MergedEntry merged{EntryOutcome::Unchanged, crew.Id, {}, {}};
        const ImportedValues now = ExportValues(entry);
        if (!crew.Imported)
            ++merge_.Unrecorded;
        const ImportedValues kept = crew.Imported ? *crew.Imported : MeetValues(crew);
        const std::string oldNotes = crew.Notes;
        const Take notes = Decide(kept.Notes != now.Notes, NotesHold(crew.Notes, kept.Notes),
                                  NotesHold(crew.Notes, now.Notes));
        if (notes == Take::Export)
            crew.Notes = now.Notes + MoveNotes(crew.Notes);
        MergeEvent(crew, kept.Event, now.Event, merged);
        MergeClub(crew, kept.Club, now.Club, merged);
        const bool withdrawn = MergeNameAndPaid(crew, kept, now, merged);
        if (notes == Take::Export)
            AddChange(merged.Changes, "notes", Quoted(oldNotes), Quoted(crew.Notes));
        else if (notes == Take::Yours)
            AddKept(merged.Kept, "notes", Quoted(crew.Notes), Quoted(now.Notes));
        crew.Imported = now;
        if (withdrawn) {
            merged.Outcome = EntryOutcome::Withdrawn;
            NeedsDrawEditor(crew.EventKey);
        } else if (!merged.Changes.empty()) {
            merged.Outcome = EntryOutcome::Changed;
        }
        return merged;
    }

    // The meet's own values, standing in for the export's of the last import
    // for a crew imported before they were kept: every difference is the
    // export's.
    ImportedValues MeetValues(const Crew& crew) const {
        return {KeyText(meet_.Events, crew.EventKey),
                KeyText(meet_.Clubs, crew.ClubKey),
                UnmarkedName(crew.Name),
                crew.Notes.substr(0, crew.Notes.size() - MoveNotes(crew.Notes).size()),
                crew.FeePaid,
                MarkedWithdrawn(crew.Name)};
    }

    void MergeEvent(Crew& crew, const std::string& kept, const std::string& now,
                    MergedEntry& merged) {
        const int old = crew.EventKey;
        const std::string oldText = KeyText(meet_.Events, old);
        const Take take =
            Decide(kept != now, meet_.Events.KeyOf(kept) == old, meet_.Events.KeyOf(now) == old);
        if (take == Take::Yours)
            AddKept(merged.Kept, "event", Quoted(oldText), Quoted(now));
        if (take != Take::Export)
            return;
        NeedsDrawEditor(old);
        MoveCrewToEvent(meet_, crew, meet_.Events.Add(now), {});
        NeedsDrawEditor(crew.EventKey);
        AddChange(merged.Changes, "event", Quoted(oldText),
                  Quoted(KeyText(meet_.Events, crew.EventKey)));
    }

    void MergeClub(Crew& crew, const std::string& kept, const std::string& now,
                   MergedEntry& merged) {
        const std::string oldText = KeyText(meet_.Clubs, crew.ClubKey);
        const Take take = Decide(kept != now, meet_.Clubs.KeyOf(kept) == crew.ClubKey,
                                 meet_.Clubs.KeyOf(now) == crew.ClubKey);
        if (take == Take::Yours)
            AddKept(merged.Kept, "club", Quoted(oldText), Quoted(now));
        if (take != Take::Export)
            return;
        crew.ClubKey = meet_.Clubs.Add(now);
        AddChange(merged.Changes, "club", Quoted(oldText),
                  Quoted(KeyText(meet_.Clubs, crew.ClubKey)));
    }

    // The name (marked while the crew is withdrawn), the paid flag and the
    // withdrawal; true when this import withdrew the crew. A name the export
    // no longer gives stays (a label that told two crews apart is no longer
    // needed, or the organiser gave it). A flag can only take the export's
    // value or already hold it, so only the name can be kept against the
    // export.
    static bool MergeNameAndPaid(Crew& crew, const ImportedValues& kept, const ImportedValues& now,
                                 MergedEntry& merged) {
        std::string name = UnmarkedName(crew.Name);
        const Take takeName =
            Decide(!now.Name.empty() && kept.Name != now.Name, name == kept.Name, name == now.Name);
        if (takeName == Take::Export) {
            AddChange(merged.Changes, "name", Quoted(name), Quoted(now.Name));
            name = now.Name;
        } else if (takeName == Take::Yours) {
            AddKept(merged.Kept, "name", Quoted(name), Quoted(now.Name));
        }
        if (Decide(kept.Paid != now.Paid, crew.FeePaid == kept.Paid, crew.FeePaid == now.Paid) ==
            Take::Export) {
            AddChange(merged.Changes, "paid", YesNo(crew.FeePaid), YesNo(now.Paid));
            crew.FeePaid = crew.EarlyPay = now.Paid;
        }
        const bool wasWithdrawn = MarkedWithdrawn(crew.Name);
        const bool withdraw =
            Decide(kept.Withdrawn != now.Withdrawn, wasWithdrawn == kept.Withdrawn,
                   wasWithdrawn == now.Withdrawn) == Take::Export;
        const bool withdrawn = withdraw ? now.Withdrawn : wasWithdrawn;
        if (withdraw && !now.Withdrawn)
            AddChange(merged.Changes, "withdrawn", "yes", "no");
        crew.Name = withdrawn ? MarkedName(name) : name;
        return withdraw && now.Withdrawn;
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
           << " unchanged, "
           << std::count_if(merge.Entries.begin(), merge.Entries.end(),
                            [](const MergedEntry& e) { return !e.Kept.empty(); })
           << " kept your change\n";
    if (merge.Unrecorded > 0)
        report << merge.Unrecorded
               << " crews had no record of the last import: the export's values were applied\n";
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

// The entries of which the line gives a text, under the title, each with its text.
void WriteEntryList(const Boatmeet& meet, const VexaImporter& importer, const VexaMerge& merge,
                    const char* title, std::ostream& report,
                    const std::function<const std::string*(const MergedEntry&)>& line) {
    bool first = true;
    for (int index = 0; index < importer.EntryCount(); ++index) {
        const MergedEntry& merged = merge.Entries[static_cast<std::size_t>(index)];
        const std::string* text = line(merged);
        if (!text)
            continue;
        if (first)
            report << "\n" << title << "\n";
        first = false;
        WriteCrewLine(meet, CleanText(importer.Entry(index)->Id), merged.CrewId, *text, report);
    }
}

void WriteOutcomeList(const Boatmeet& meet, const VexaImporter& importer, const VexaMerge& merge,
                      EntryOutcome outcome, const char* title, std::ostream& report) {
    WriteEntryList(meet, importer, merge, title, report, [outcome](const MergedEntry& merged) {
        return merged.Outcome == outcome ? &merged.Changes : nullptr;
    });
}

void WriteMissing(const Boatmeet& meet, const VexaMerge& merge, std::ostream& report) {
    if (merge.Missing.empty())
        return;
    report << "\nNo longer in the export:\n";
    for (int id : merge.Missing) {
        const std::string_view notes = EntryNotes(*meet.FindCrew(id));
        const std::string_view number = notes.substr(ImportedNotesStart.size());
        WriteCrewLine(meet, std::string(number.substr(0, number.find(' '))), id, {}, report);
    }
}

} // namespace

std::string CrewEntryNumber(const Crew& crew) {
    const std::string_view notes = EntryNotes(crew);
    if (!notes.starts_with(ImportedNotesStart))
        return {};
    const std::string_view rest = notes.substr(ImportedNotesStart.size());
    return EntryNumber(rest.substr(0, rest.find(' ')));
}

Crew* MakeImportedCrew(Boatmeet& meet, const ImportedEntry& entry) {
    auto crew = std::make_unique<Crew>();
    ImportedValues values = ExportValues(entry);
    crew->ClubKey = meet.Clubs.Add(values.Club);
    crew->EventKey = meet.Events.Add(values.Event);
    crew->Notes = values.Notes;
    crew->FeePaid = entry.Paid;
    crew->EarlyPay = entry.Paid;
    crew->Name = values.Name;
    crew->Imported = std::move(values);
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
    WriteOutcomeList(meet, importer, merge, EntryOutcome::Added, "Added:", report);
    WriteOutcomeList(meet, importer, merge, EntryOutcome::Changed, "Changed:", report);
    WriteOutcomeList(meet, importer, merge, EntryOutcome::Withdrawn, "Withdrawn:", report);
    WriteEntryList(
        meet, importer, merge, "Kept your change:", report,
        [](const MergedEntry& merged) { return merged.Kept.empty() ? nullptr : &merged.Kept; });
    WriteMissing(meet, merge, report);
    report << "\n";
}

} // namespace bm
