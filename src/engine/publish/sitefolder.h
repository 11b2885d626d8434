// The published folder on disk: which of the site's files it already holds
// unchanged, and putting a new publication in place so that it survives being
// stopped at any moment (even killed). Everything is written whole into a
// staging folder inside the folder first, then renamed into place: a reader
// never meets a half-written page. Before the first page moves, the new record
// goes in place under a second name (the pending record), listing every file
// the folder may then hold as a publication wrote it; the record itself comes
// last. A publication stopped half-way thus leaves the next one all it needs
// to finish the folder: the staging folder to remove, and the pending record
// to recognise its own files by.
#pragma once

#include "engine/publish/publicationrecord.h"
#include "engine/publish/sitepages.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace bm {

// The staging folder and the pending record inside the published folder.
inline constexpr const char* StagingFolderName = ".boatmeet-staging";
inline constexpr const char* PendingRecordName = ".boatmeet-publication-pending";

// The moments of putting a publication in place.
enum class PublishStage {
    Staged,     // every file written in the staging folder, nothing moved yet
    PageMoved,  // one more page moved into place
    PagesMoved, // every page in place and the stale files removed; the record not yet
};
// Called as the publication reaches each moment; tests stop a publication there.
using PublishStageHook = std::function<void(PublishStage)>;

// True when the folder holds a file of the name with exactly the content.
bool FolderHolds(const std::filesystem::path& folder, const std::string& name,
                 const std::string& content);
// The name, size and hash of the folder's regular file of that name; false
// when there is none or it cannot be read.
bool StampOf(const std::filesystem::path& folder, const std::string& name, PublishedFile& file);

// Removes what a stopped publication left in the folder: its staging folder.
void RemoveStaging(const std::filesystem::path& folder);

// What putting a publication in place does.
struct FolderPlan {
    std::vector<std::string> Write; // the pages to write, in order
    std::vector<std::string> Stale; // files of earlier publications to remove
    std::string Pending;            // the pending record
    std::string Record;             // the record
};

// What putting a publication in place did.
struct FolderUpdate {
    int Written = 0; // files written (the record included)
    int Removed = 0; // files of earlier publications that the site no longer has
};

// Creates the folder when needed and puts the plan in place: the pending
// record, the pages, the stale files removed, the record; then the pending
// record and the staging folder go. False with the reason when the folder
// cannot be written.
bool UpdateFolder(const std::filesystem::path& folder, const SitePages& pages,
                  const FolderPlan& plan, FolderUpdate& update, std::string& error,
                  const PublishStageHook& reached);

} // namespace bm
