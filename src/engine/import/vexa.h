// The importer of the rowing association's (VEXA) entry export. A
// configuration CSV names, for each field the importer knows, a file key (one
// export file) and the heading of the column that holds the field. The
// importer reads the export column by column and builds a neutral list of
// imported entries and members; it never touches a meet (see vexaapply.h).
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace bm {

// One configuration record: a field, the file that holds it and its column.
struct FieldSource {
    std::string FieldName;
    int FileKeyIndex = 0;
    std::string ColumnName;
};

// One entry (crew) of the export.
struct ImportedEntry {
    std::string Id;
    std::string EnteringClub;
    std::string MembersClub;
    std::string Event;
    std::string CrewName;
    std::string Surname;
    // The crew name, or the surname where the crew needs telling apart.
    std::string Label;
    // The id, a blank, then every notes value followed by a blank.
    std::string Notes;
    // One member number per member row, with the member's position ("?"
    // until known) at the same place.
    std::vector<std::string> MemberNumbers;
    std::vector<std::string> Positions;
    std::string Email;
    std::string HomePhone;
    std::string WorkPhone;
    std::string EntryName;
    std::string Address;
    bool Paid = false;
    bool Withdrawn = false;
    std::string Division;
};

// One rower of the export, with the entries they row in.
struct ImportedMember {
    std::string Surname;
    std::string Firstname;
    std::string Club;
    std::string MemberNumber;
    // Each entry's event, its position in brackets, and a blank.
    std::string Events;
    int EntryCount = 0;
};

// The configuration file beside the program file.
std::string DefaultVexaConfigPath(const std::string& programFolder);

class VexaImporter {
public:
    // Reads a whole file as text; false when it cannot be read.
    using FileReader = std::function<bool(const std::string& path, std::string& text)>;

    // Reads the configuration; check Failed() and ErrorText() afterwards. The
    // reader fetches every file (configuration and export); by default from disk.
    explicit VexaImporter(const std::string& configPath, FileReader reader = {});

    bool Failed() const { return failed_; }
    const std::string& ErrorText() const { return errorText_; }
    const std::vector<FieldSource>& Sources() const { return sources_; }

    // The distinct file keys (ignoring case) in order of first appearance.
    int FileKeyCount() const { return static_cast<int>(fileKeys_.size()); }
    std::string FileKey(int i) const;
    // The path of the next file key; one per key, in key order, before Load.
    void AddFilePath(const std::string& path) { filePaths_.push_back(path); }

    // Reads the column of a source with the entry ids of the same rows; the
    // error text, empty on success. With oneValuePerId a repeated id (ignoring
    // case) keeps its first place and takes the later value.
    std::string ReadColumn(std::vector<std::string>& ids, std::vector<std::string>& values,
                           const FieldSource& source, bool oneValuePerId) const;
    // ReadColumn of the first source of that name.
    std::string ReadField(std::vector<std::string>& ids, std::vector<std::string>& values,
                          std::string_view fieldName, bool oneValuePerId) const;

    // Builds the entries and members; the error text, empty on success.
    std::string Load();

    int EntryCount() const { return static_cast<int>(entries_.size()); }
    const ImportedEntry* Entry(int i) const;
    int MemberCount() const { return static_cast<int>(members_.size()); }
    const ImportedMember* Member(int i) const;
    // True when entries i and j have a member number in common (ignoring case;
    // an empty number never counts).
    bool SharesMember(int i, int j) const;
    const ImportedEntry* FindEntry(std::string_view id) const;
    const ImportedMember* FindMember(std::string_view number) const;

private:
    using Setter = std::function<void(ImportedEntry&, const std::string&)>;

    void ReadConfiguration(const std::string& path);
    int KeyIndexOf(const std::string& key);
    const FieldSource* FindSource(std::string_view fieldName) const;
    bool Defined(std::string_view fieldName) const { return FindSource(fieldName) != nullptr; }
    int EntryIndexOf(std::string_view id) const;
    ImportedEntry* MutableEntry(std::string_view id);
    ImportedMember* MutableMember(std::string_view number);

    // The loading steps (vexaload.cpp).
    std::string LoadIds();
    std::string SetFromField(std::string_view fieldName, bool oneValuePerId, const Setter& set);
    std::string LoadEntryFields();
    std::string LoadMembersClubs();
    std::string LoadMemberNumbers();
    std::string LoadPositions();
    std::string LoadNotes();
    std::string LoadContacts();
    std::string LoadMembers();
    std::string PairMemberNames(const std::vector<std::string>& numberIds,
                                const std::vector<std::string>& numbers, std::string_view fieldName,
                                const std::string& mismatch, std::string ImportedMember::*field);
    void CountMemberEntries();
    void MakeLabels();

    FileReader readFile_;
    std::string errorText_;
    bool failed_ = false;
    std::vector<FieldSource> sources_;
    std::vector<std::string> fileKeys_;
    std::vector<std::string> filePaths_;
    std::vector<ImportedEntry> entries_;
    // Entries by exact id and members by exact number. Ids are distinct even
    // ignoring case, so an exact lookup has one answer.
    std::unordered_map<std::string, int> entryIndex_;
    std::vector<ImportedMember> members_;
    std::unordered_map<std::string, int> memberIndex_;
};

} // namespace bm
