// The loading steps of the importer: entries from the ID column, then each
// configured field in turn, then the members and the display labels.
#include "engine/import/vexa.h"

#include "engine/model/text.h"

namespace bm {

namespace {

struct ContactField {
    const char* fieldName;
    std::string ImportedEntry::*field;
};

constexpr ContactField kContactFields[] = {
    {"EntryEmail", &ImportedEntry::Email},         {"EntryHomePhone", &ImportedEntry::HomePhone},
    {"EntryWorkPhone", &ImportedEntry::WorkPhone}, {"EntryName", &ImportedEntry::EntryName},
    {"EntryAddress", &ImportedEntry::Address},
};

// A key that tells apart every pair of event and club texts.
std::string GroupKey(const ImportedEntry& entry) {
    return std::to_string(entry.Event.size()) + ":" + entry.Event + entry.MembersClub;
}

} // namespace

std::string VexaImporter::Load() {
    entries_.clear();
    entryIndex_.clear();
    members_.clear();
    memberIndex_.clear();
    using Step = std::string (VexaImporter::*)();
    for (Step step :
         {&VexaImporter::LoadIds, &VexaImporter::LoadEntryFields, &VexaImporter::LoadMembersClubs,
          &VexaImporter::LoadMemberNumbers, &VexaImporter::LoadNotes, &VexaImporter::LoadContacts,
          &VexaImporter::LoadMembers}) {
        std::string error = (this->*step)();
        if (!error.empty())
            return error;
    }
    MakeLabels();
    return {};
}

std::string VexaImporter::LoadIds() {
    std::vector<std::string> ids;
    std::vector<std::string> values;
    std::string error = ReadField(ids, values, "ID", true);
    if (!error.empty())
        return error;
    entries_.reserve(ids.size());
    for (std::string& id : ids) {
        entryIndex_.try_emplace(id, EntryCount());
        entries_.push_back(ImportedEntry{});
        entries_.back().Id = std::move(id);
    }
    return {};
}

// Hands each value of the field to the entry of its row; rows whose id names
// no entry are passed over.
std::string VexaImporter::SetFromField(std::string_view fieldName, bool oneValuePerId,
                                       const Setter& set) {
    std::vector<std::string> ids;
    std::vector<std::string> values;
    std::string error = ReadField(ids, values, fieldName, oneValuePerId);
    if (!error.empty())
        return error;
    for (std::size_t row = 0; row < ids.size(); ++row)
        if (ImportedEntry* entry = MutableEntry(ids[row]))
            set(*entry, values[row]);
    return {};
}

std::string VexaImporter::LoadEntryFields() {
    std::string error =
        SetFromField("Event", true, [](ImportedEntry& e, const std::string& v) { e.Event = v; });
    if (error.empty())
        error = SetFromField("EnteringClub", true, [](ImportedEntry& e, const std::string& v) {
            e.EnteringClub = NameCase(v);
            e.MembersClub = e.EnteringClub;
        });
    if (error.empty() && Defined("CrewName"))
        error = SetFromField("CrewName", true, [](ImportedEntry& e, const std::string& v) {
            e.CrewName = NameCase(v);
        });
    if (error.empty() && Defined("Surname"))
        error = SetFromField("Surname", true, [](ImportedEntry& e, const std::string& v) {
            e.Surname = NameCase(v);
        });
    if (!error.empty())
        return error;
    if (Defined("Division") &&
        !SetFromField("Division", true, [](ImportedEntry& e, const std::string& v) {
             e.Division = v;
         }).empty()) {
        for (ImportedEntry& entry : entries_)
            entry.Division = "N/A";
    }
    if (Defined("Withdrawn"))
        error = SetFromField("Withdrawn", true, [](ImportedEntry& e, const std::string& v) {
            e.Withdrawn = IsTrueText(v);
        });
    if (error.empty() && Defined("Paid"))
        error = SetFromField(
            "Paid", true, [](ImportedEntry& e, const std::string& v) { e.Paid = IsTrueText(v); });
    return error;
}

// The members' clubs of each entry, distinct, joined by "/". An entry whose
// rows name no club keeps its entering club, so its crew keeps a club.
std::string VexaImporter::LoadMembersClubs() {
    if (!Defined("MembersClub"))
        return {};
    std::vector<bool> started(entries_.size(), false);
    std::string error =
        SetFromField("MembersClub", false, [&](ImportedEntry& e, const std::string& v) {
            std::size_t index = static_cast<std::size_t>(&e - entries_.data());
            if (!started[index]) {
                e.MembersClub.clear();
                started[index] = true;
            }
            const std::string club = NameCase(v);
            if (Contains(e.MembersClub, club))
                return;
            if (!e.MembersClub.empty())
                e.MembersClub += "/";
            e.MembersClub += club;
        });
    for (ImportedEntry& entry : entries_)
        if (entry.MembersClub.empty())
            entry.MembersClub = entry.EnteringClub;
    return error;
}

std::string VexaImporter::LoadMemberNumbers() {
    if (!Defined("ARANo"))
        return {};
    std::string error = SetFromField("ARANo", false, [](ImportedEntry& e, const std::string& v) {
        e.MemberNumbers.push_back(v);
        e.Positions.push_back("?");
    });
    if (error.empty() && Defined("Position"))
        error = LoadPositions();
    return error;
}

// Pairs the Position rows with the ARANo rows one by one: the position goes
// to the member number of the same row within that row's entry.
std::string VexaImporter::LoadPositions() {
    std::vector<std::string> ids;
    std::vector<std::string> positions;
    std::string error = ReadField(ids, positions, "Position", false);
    std::vector<std::string> numbers;
    if (error.empty())
        error = ReadField(ids, numbers, "ARANo", false);
    if (!error.empty())
        return error;
    if (positions.size() != numbers.size())
        return "POSITION and ARANOS must be matched lists...";
    for (std::size_t row = 0; row < numbers.size(); ++row) {
        ImportedEntry* entry = MutableEntry(ids[row]);
        if (!entry)
            continue;
        for (std::size_t place = 0; place < entry->MemberNumbers.size(); ++place) {
            if (entry->MemberNumbers[place] == numbers[row]) {
                entry->Positions[place] = positions[row];
                break;
            }
        }
    }
    return {};
}

std::string VexaImporter::LoadNotes() {
    for (ImportedEntry& entry : entries_)
        entry.Notes = entry.Id + " ";
    std::vector<std::string> ids;
    std::vector<std::string> values;
    for (const FieldSource& source : sources_) {
        if (source.FieldName != "Notes")
            continue;
        std::string error = ReadColumn(ids, values, source, true);
        if (!error.empty())
            return error;
        for (std::size_t row = 0; row < ids.size(); ++row)
            if (ImportedEntry* entry = MutableEntry(ids[row]))
                entry->Notes += values[row] + " ";
    }
    return {};
}

std::string VexaImporter::LoadContacts() {
    for (const ContactField& contact : kContactFields) {
        if (!Defined(contact.fieldName))
            continue;
        const auto field = contact.field;
        std::string error =
            SetFromField(contact.fieldName, false,
                         [field](ImportedEntry& e, const std::string& v) { e.*field = v; });
        if (!error.empty())
            return error;
    }
    return {};
}

// One member per distinct member number of rows that belong to an entry (a
// blank number is no rower), then their names and the entries they row in.
std::string VexaImporter::LoadMembers() {
    if (!Defined("ARANo"))
        return {};
    std::vector<std::string> ids;
    std::vector<std::string> numbers;
    std::string error = ReadField(ids, numbers, "ARANo", false);
    if (!error.empty())
        return error;
    for (std::size_t row = 0; row < numbers.size(); ++row) {
        if (numbers[row].empty() || !MutableEntry(ids[row]))
            continue;
        if (memberIndex_.try_emplace(numbers[row], MemberCount()).second) {
            members_.push_back(ImportedMember{});
            members_.back().MemberNumber = numbers[row];
        }
    }
    error = ReadField(ids, numbers, "ARANo", false);
    if (error.empty() && Defined("Surname"))
        error =
            PairMemberNames(ids, numbers, "Surname", "SURNAME and ARANOS must be matched lists...",
                            &ImportedMember::Surname);
    if (error.empty() && Defined("Firstname"))
        error = PairMemberNames(ids, numbers, "Firstname",
                                "FIRSTNAME and ARANOS must be matched lists...",
                                &ImportedMember::Firstname);
    if (error.empty())
        CountMemberEntries();
    return error;
}

std::string VexaImporter::PairMemberNames(const std::vector<std::string>& numberIds,
                                          const std::vector<std::string>& numbers,
                                          std::string_view fieldName, const std::string& mismatch,
                                          std::string ImportedMember::*field) {
    std::vector<std::string> ids;
    std::vector<std::string> names;
    std::string error = ReadField(ids, names, fieldName, false);
    if (!error.empty())
        return error;
    if (names.size() != numbers.size())
        return mismatch;
    for (std::size_t row = 0; row < numbers.size(); ++row) {
        if (!MutableEntry(numberIds[row]))
            continue;
        if (ImportedMember* member = MutableMember(numbers[row]))
            member->*field = NameCase(names[row]);
    }
    return {};
}

void VexaImporter::CountMemberEntries() {
    for (const ImportedEntry& entry : entries_) {
        for (std::size_t i = 0; i < entry.MemberNumbers.size(); ++i) {
            ImportedMember* member = MutableMember(entry.MemberNumbers[i]);
            if (!member)
                continue;
            member->Club = entry.EnteringClub;
            member->Events += entry.Event + "(" + entry.Positions[i] + ") ";
            ++member->EntryCount;
        }
    }
}

// An entry is labelled by its crew name. Without one, a single scull takes
// its surname, and so does an entry of another boat when, among the entries
// of its event and members' club that are not withdrawn, another follows it or
// an unnamed one precedes it: crews of one club in one event must be told apart.
void VexaImporter::MakeLabels() {
    std::unordered_map<std::string, std::vector<std::size_t>> groups;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        ImportedEntry& entry = entries_[i];
        entry.Label = entry.CrewName;
        if (Contains(entry.Event, "1x")) {
            if (entry.Label.empty())
                entry.Label = entry.Surname;
        } else if (!entry.Withdrawn) {
            groups[GroupKey(entry)].push_back(i);
        }
    }
    for (const auto& [key, group] : groups) {
        std::size_t first = 0;
        while (first < group.size() && !entries_[group[first]].Label.empty())
            ++first;
        if (first + 1 >= group.size())
            continue;
        for (std::size_t k = first; k < group.size(); ++k) {
            ImportedEntry& entry = entries_[group[k]];
            if (entry.Label.empty())
                entry.Label = entry.Surname;
        }
    }
}

} // namespace bm
