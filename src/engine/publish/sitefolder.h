// The published folder on disk: which of the site's files it already holds
// unchanged, and putting a new publication in place. Every page is written
// whole into a staging folder first and then renamed into place, so a reader
// never meets a half-written page, and the index and the record come last.
#pragma once

#include "engine/publish/sitepages.h"

#include <filesystem>
#include <string>
#include <vector>

namespace bm {

// True when the folder holds a file of the name with exactly the content.
bool FolderHolds(const std::filesystem::path& folder, const std::string& name,
                 const std::string& content);

// What putting a publication in place did.
struct FolderUpdate {
    int Written = 0; // files written (the record included)
    int Removed = 0; // files of the earlier publication that the site no longer has
};

// Creates the folder when needed, writes the pages whose content differs from
// the folder's files, removes the stale files (each only when it exists) and
// writes the record. False with the reason when the folder cannot be written;
// a staging folder is never left behind.
bool UpdateFolder(const std::filesystem::path& folder, const SitePages& pages,
                  const std::vector<std::string>& stale, const std::string& record,
                  FolderUpdate& update, std::string& error);

} // namespace bm
