#include "engine/publish/publish.h"

#include "engine/model/boatmeet.h"
#include "engine/model/textfile.h"
#include "engine/publish/publicationrecord.h"
#include "engine/publish/sitefolder.h"
#include "engine/publish/sitepages.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <iomanip>
#include <optional>
#include <sstream>

namespace bm {

namespace fs = std::filesystem;

namespace {

// The folder as an absolute path without a trailing separator, so that its
// parent is the folder it stands in.
fs::path FolderPath(const std::string& folder) {
    std::error_code error;
    fs::path path = fs::absolute(fs::path(folder), error).lexically_normal();
    if (!path.has_filename() && path.has_parent_path())
        path = path.parent_path();
    return path;
}

std::string Since(const Publication& publication) {
    return "publication " + std::to_string(publication.Number) + " (" + publication.Time + ")";
}

std::string IntroText(const std::optional<Publication>& before, bool changes) {
    if (!before)
        return "First publication into this folder: there is no earlier publication to compare "
               "with.";
    if (changes)
        return "Changes since " + Since(*before) + ":";
    return "No crew's entry, draw, races or results changed since " + Since(*before) + ".";
}

// The publication the folder holds; false with the message when its record
// cannot be read.
bool ReadEarlier(const fs::path& folder, std::optional<Publication>& before, std::string& error) {
    const fs::path path = folder / PublicationRecordName;
    std::error_code missing;
    if (!fs::exists(path, missing))
        return true;
    std::string text;
    Publication read;
    std::string reason = "it cannot be opened";
    if (!ReadTextFile(path.string(), text) || !ReadPublicationRecord(text, read, reason)) {
        error = "The folder " + folder.string() + " holds a publication record (" +
                PublicationRecordName + ") that cannot be read: " + reason +
                ". Nothing was written.";
        return false;
    }
    before = std::move(read);
    return true;
}

std::vector<std::string> Names(const SitePages& pages) {
    std::vector<std::string> names;
    for (const auto& [name, content] : pages)
        names.push_back(name);
    return names;
}

bool FolderHoldsAll(const fs::path& folder, const SitePages& pages) {
    for (const auto& [name, content] : pages)
        if (!FolderHolds(folder, name, content))
            return false;
    return true;
}

// True when publishing again would give the earlier publication exactly: the
// same crews, and the same pages under its number, time and change list.
bool SameAsBefore(const Boatmeet& meet, const Publication& now, const SitePages& meetPages,
                  const Publication& before, const fs::path& folder) {
    if (!now.Changes.Changes.empty())
        return false;
    Publication same = now;
    same.Number = before.Number;
    same.Time = before.Time;
    same.Changes = before.Changes;
    SitePages pages = meetPages;
    AddPublicationPages(meet, now.Crews, same, pages);
    same.Files = Names(pages);
    return same == before && FolderHoldsAll(folder, pages);
}

// The site's names under which the folder holds a file that no publication wrote.
std::vector<std::string> ForeignFiles(const fs::path& folder, const SitePages& pages,
                                      const std::optional<Publication>& before) {
    std::vector<std::string> foreign;
    for (const auto& [name, content] : pages) {
        std::error_code error;
        const bool ours = before && std::find(before->Files.begin(), before->Files.end(), name) !=
                                        before->Files.end();
        if (!ours && fs::exists(fs::symlink_status(folder / name, error)))
            foreign.push_back(name);
    }
    return foreign;
}

std::string Joined(const std::vector<std::string>& names) {
    std::string joined;
    for (const std::string& name : names)
        joined += (joined.empty() ? "" : ", ") + name;
    return joined;
}

// The earlier publication's files that the site no longer has.
std::vector<std::string> StaleFiles(const SitePages& pages,
                                    const std::optional<Publication>& before) {
    std::vector<std::string> stale;
    if (before)
        for (const std::string& name : before->Files)
            if (!pages.count(name))
                stale.push_back(name);
    return stale;
}

void Write(const fs::path& folder, const SitePages& pages, const Publication& now,
           const std::optional<Publication>& before, PublishResult& result) {
    const std::vector<std::string> foreign = ForeignFiles(folder, pages, before);
    if (!foreign.empty()) {
        result.Error = "The folder " + folder.string() +
                       " holds files that no publication wrote: " + Joined(foreign) +
                       ". Nothing was written; move them away or choose another folder.";
        return;
    }
    FolderUpdate update;
    std::string reason;
    result.Ok = UpdateFolder(folder, pages, StaleFiles(pages, before), PublicationRecordText(now),
                             update, reason);
    result.Written = update.Written;
    result.Removed = update.Removed;
    if (!result.Ok)
        result.Error = "The site could not be written into the folder " + folder.string() + ": " +
                       reason + ".";
}

} // namespace

PublishResult PublishSite(const Boatmeet& meet, const PublishRequest& request) {
    PublishResult result;
    const fs::path folder = FolderPath(request.Folder);
    std::error_code error;
    if (fs::exists(folder, error) && !fs::is_directory(folder, error)) {
        result.Error = folder.string() + " is not a folder. Nothing was written.";
        return result;
    }
    std::optional<Publication> before;
    if (!ReadEarlier(folder, before, result.Error))
        return result;
    Publication now;
    now.Crews = PublishedCrews(meet);
    if (before)
        now.Changes.Changes = CompareCrews(meet, before->Crews, now.Crews);
    SitePages pages = MeetPages(meet, now.Crews);
    if (before && SameAsBefore(meet, now, pages, *before, folder)) {
        result.Ok = true;
        result.NothingChanged = true;
        result.Number = before->Number;
        result.Changes = {"Nothing has changed since " + Since(*before) + "."};
        return result;
    }
    now.Number = before ? before->Number + 1 : 1;
    now.Time = request.Time;
    now.Changes.Intro = IntroText(before, !now.Changes.Changes.empty());
    AddPublicationPages(meet, now.Crews, now, pages);
    now.Files = Names(pages);
    result.Changes = ChangeListLines(now.Changes);
    result.Number = now.Number;
    if (request.ChangesOnly)
        result.Ok = true;
    else
        Write(folder, pages, now, before, result);
    return result;
}

std::string PublicationTimeText(std::chrono::system_clock::time_point time) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(time);
    const std::tm* local = std::localtime(&seconds);
    if (!local)
        return {};
    std::ostringstream text;
    text << std::put_time(local, "%Y-%m-%d %H:%M");
    return text.str();
}

} // namespace bm
