#include "engine/publish/publishedfolder.h"

#include "engine/model/textfile.h"
#include "engine/publish/sitefolder.h"

#include <algorithm>

namespace bm {

namespace fs = std::filesystem;

bool PublishedFolder::Read(std::string& error) {
    std::optional<Publication> pending;
    if (!ReadRecord(PublicationRecordName, last_, error) ||
        !ReadRecord(PendingRecordName, pending, error))
        return false;
    interrupted_ = pending.has_value();
    std::vector<const std::vector<PublishedFile>*> lists;
    if (last_)
        lists.push_back(&last_->Files);
    if (pending) {
        lists.push_back(&pending->Files);
        lists.push_back(&pending->Earlier);
    }
    FindOwnFiles(lists);
    return true;
}

bool PublishedFolder::ReadRecord(const char* name, std::optional<Publication>& read,
                                 std::string& error) const {
    const fs::path path = folder_ / name;
    std::error_code missing;
    if (!fs::exists(fs::symlink_status(path, missing)))
        return true;
    std::string text;
    Publication publication;
    std::string reason = "it cannot be opened";
    if (!ReadTextFile(path.string(), text) || !ReadPublicationRecord(text, publication, reason)) {
        error = "The folder " + folder_.string() + " holds a publication record (" + name +
                ") that cannot be read: " + reason + ". Nothing was written.";
        return false;
    }
    read = std::move(publication);
    return true;
}

// A file is a publication's when its content is one that a publication
// listed under its name.
void PublishedFolder::FindOwnFiles(const std::vector<const std::vector<PublishedFile>*>& lists) {
    std::map<std::string, std::vector<const PublishedFile*>> written;
    for (const auto* list : lists)
        for (const PublishedFile& file : *list)
            written[file.Name].push_back(&file);
    for (const auto& [name, versions] : written) {
        PublishedFile held;
        const bool plain = StampOf(folder_, name, held);
        if (plain && std::any_of(versions.begin(), versions.end(),
                                 [&held](const PublishedFile* f) { return *f == held; })) {
            ours_.emplace(name, held);
            continue;
        }
        std::error_code error;
        if (plain || fs::exists(fs::symlink_status(folder_ / name, error)))
            changed_.push_back(name);
    }
}

} // namespace bm
