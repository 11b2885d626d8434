// What a published folder holds from earlier publications: the last
// publication done, whether one was stopped before it was done, and which
// files are still exactly as a publication wrote them. Only those may be
// replaced or removed; every other file is the organiser's.
#pragma once

#include "engine/publish/publicationrecord.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace bm {

class PublishedFolder {
public:
    explicit PublishedFolder(std::filesystem::path folder) : folder_(std::move(folder)) {}

    // Reads the record and the pending record of a publication stopped
    // before it was done; false with the message when either is there but
    // cannot be trusted (nothing may then be written).
    bool Read(std::string& error);

    const std::filesystem::path& Path() const { return folder_; }
    // The last publication done, if any.
    const std::optional<Publication>& Last() const { return last_; }
    // True when a publication was stopped before it was done.
    bool Interrupted() const { return interrupted_; }
    // The files the folder holds exactly as a publication wrote them, by name.
    const std::map<std::string, PublishedFile>& Ours() const { return ours_; }
    // Files a publication wrote that the folder holds changed since, or no
    // longer as a plain file.
    const std::vector<std::string>& Changed() const { return changed_; }

private:
    bool ReadRecord(const char* name, std::optional<Publication>& read, std::string& error) const;
    void FindOwnFiles(const std::vector<const std::vector<PublishedFile>*>& lists);

    std::filesystem::path folder_;
    std::optional<Publication> last_;
    bool interrupted_ = false;
    std::map<std::string, PublishedFile> ours_;
    std::vector<std::string> changed_;
};

} // namespace bm
