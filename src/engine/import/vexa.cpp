#include "engine/import/vexa.h"

#include "engine/import/csvreader.h"
#include "engine/model/text.h"
#include "engine/model/textfile.h"

#include <filesystem>

namespace bm {

namespace {

// Position of the first heading equal to the name (ASCII letters upper-cased), or -1.
int ColumnOf(const std::vector<std::string>& headings, const std::string& name) {
    const std::string wanted = UpperAscii(name);
    for (std::size_t i = 0; i < headings.size(); ++i)
        if (UpperAscii(headings[i]) == wanted)
            return static_cast<int>(i);
    return -1;
}

// The field at a column; a record shorter than the headings reads empty there.
std::string FieldAt(std::vector<std::string>& record, int column) {
    const auto at = static_cast<std::size_t>(column);
    return at < record.size() ? std::move(record[at]) : std::string();
}

} // namespace

std::string DefaultVexaConfigPath(const std::string& programFolder) {
    return (std::filesystem::path(programFolder) / "VexaConfig.csv").string();
}

VexaImporter::VexaImporter(const std::string& configPath, FileReader reader)
    : readFile_(reader ? std::move(reader) : FileReader(ReadTextFile)) {
    ReadConfiguration(configPath);
}

void VexaImporter::ReadConfiguration(const std::string& path) {
    std::string text;
    if (!readFile_(path, text)) {
        errorText_ = "Could not open file : " + path;
        failed_ = true;
        return;
    }
    CsvReader reader(text);
    std::vector<std::string> record;
    while (reader.ReadRecord(record)) {
        if (record.size() != 3) {
            errorText_ = "Bad input line ";
            for (const std::string& field : record)
                errorText_ += field + ",";
            errorText_ += " in : " + path;
            failed_ = true;
            return;
        }
        sources_.push_back({record[0], KeyIndexOf(record[1]), record[2]});
    }
}

int VexaImporter::KeyIndexOf(const std::string& key) {
    for (std::size_t i = 0; i < fileKeys_.size(); ++i)
        if (SameTextIgnoringCase(fileKeys_[i], key))
            return static_cast<int>(i);
    fileKeys_.push_back(key);
    return static_cast<int>(fileKeys_.size()) - 1;
}

std::string VexaImporter::FileKey(int i) const {
    return i >= 0 && i < FileKeyCount() ? fileKeys_[static_cast<std::size_t>(i)] : std::string();
}

const FieldSource* VexaImporter::FindSource(std::string_view fieldName) const {
    for (const FieldSource& source : sources_)
        if (source.FieldName == fieldName)
            return &source;
    return nullptr;
}

std::string VexaImporter::ReadColumn(std::vector<std::string>& ids,
                                     std::vector<std::string>& values, const FieldSource& source,
                                     bool oneValuePerId) const {
    ids.clear();
    values.clear();
    const FieldSource* idSource = FindSource("ID");
    if (!idSource)
        return "ID is not defined";
    const auto keyIndex = static_cast<std::size_t>(source.FileKeyIndex);
    const std::string path = keyIndex < filePaths_.size() ? filePaths_[keyIndex] : std::string();
    std::string text;
    if (!readFile_(path, text))
        return "Could not open : " + path;
    CsvReader reader(text);
    std::vector<std::string> record;
    if (!reader.ReadRecord(record))
        return path + " has invalid format";
    const int column = ColumnOf(record, source.ColumnName);
    if (column < 0)
        return "Could not find " + source.FieldName + " in " + path;
    const int idColumn = ColumnOf(record, idSource->ColumnName);
    if (idColumn < 0)
        return "Could not find ID in " + path;
    // Place of each id read so far, by its upper-cased text.
    std::unordered_map<std::string, std::size_t> places;
    while (reader.ReadRecord(record)) {
        std::string value = FieldAt(record, column);
        std::string id = column == idColumn ? value : FieldAt(record, idColumn);
        if (oneValuePerId) {
            const auto [place, added] = places.try_emplace(UpperAscii(id), ids.size());
            if (!added) {
                values[place->second] = std::move(value);
                continue;
            }
        }
        ids.push_back(std::move(id));
        values.push_back(std::move(value));
    }
    return {};
}

std::string VexaImporter::ReadField(std::vector<std::string>& ids, std::vector<std::string>& values,
                                    std::string_view fieldName, bool oneValuePerId) const {
    const FieldSource* source = FindSource(fieldName);
    if (!source) {
        ids.clear();
        values.clear();
        return std::string(fieldName) + " is not defined";
    }
    return ReadColumn(ids, values, *source, oneValuePerId);
}

const ImportedEntry* VexaImporter::Entry(int i) const {
    return i >= 0 && i < EntryCount() ? &entries_[static_cast<std::size_t>(i)] : nullptr;
}

const ImportedMember* VexaImporter::Member(int i) const {
    return i >= 0 && i < MemberCount() ? &members_[static_cast<std::size_t>(i)] : nullptr;
}

bool VexaImporter::SharesMember(int i, int j) const {
    const ImportedEntry* a = Entry(i);
    const ImportedEntry* b = Entry(j);
    if (!a || !b)
        return false;
    for (const std::string& number : a->MemberNumbers) {
        if (number.empty())
            continue;
        for (const std::string& other : b->MemberNumbers)
            if (SameTextIgnoringCase(number, other))
                return true;
    }
    return false;
}

int VexaImporter::EntryIndexOf(std::string_view id) const {
    const auto found = entryIndex_.find(std::string(id));
    return found == entryIndex_.end() ? -1 : found->second;
}

const ImportedEntry* VexaImporter::FindEntry(std::string_view id) const {
    return Entry(EntryIndexOf(id));
}

ImportedEntry* VexaImporter::MutableEntry(std::string_view id) {
    const int index = EntryIndexOf(id);
    return index < 0 ? nullptr : &entries_[static_cast<std::size_t>(index)];
}

const ImportedMember* VexaImporter::FindMember(std::string_view number) const {
    const auto found = memberIndex_.find(std::string(number));
    return found == memberIndex_.end() ? nullptr : Member(found->second);
}

ImportedMember* VexaImporter::MutableMember(std::string_view number) {
    const auto found = memberIndex_.find(std::string(number));
    return found == memberIndex_.end() ? nullptr
                                       : &members_[static_cast<std::size_t>(found->second)];
}

} // namespace bm
