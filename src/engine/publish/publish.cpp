#include "engine/publish/publish.h"

#include "engine/model/boatmeet.h"
#include "engine/publish/publicationrecord.h"
#include "engine/publish/publishedfolder.h"
#include "engine/publish/sitepages.h"

#include <ctime>
#include <filesystem>
#include <iomanip>
#include <sstream>

namespace bm {

namespace fs = std::filesystem;

namespace {

// The folder as an absolute path without a trailing separator.
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

std::vector<PublishedFile> FilesOf(const SitePages& pages) {
    std::vector<PublishedFile> files;
    for (const auto& [name, content] : pages)
        files.push_back(FileOf(name, content));
    return files;
}

// True when the folder holds the page (its file, of the content) as it is:
// as a publication wrote it (known without reading it again), or the
// organiser put the same there.
bool Holds(const PublishedFolder& held, const PublishedFile& page, const SitePages& pages) {
    const auto ours = held.Ours().find(page.Name);
    if (ours != held.Ours().end())
        return ours->second == page;
    return FolderHolds(held.Path(), page.Name, pages.at(page.Name));
}

bool HoldsAll(const PublishedFolder& held, const Publication& publication, const SitePages& pages) {
    for (const PublishedFile& page : publication.Files)
        if (!Holds(held, page, pages))
            return false;
    return true;
}

// True when publishing again would give the last publication exactly (the
// same crews, and the same pages under its number, time and change list) and
// the folder holds it as it was done.
bool SameAsBefore(const Boatmeet& meet, const Publication& now, const SitePages& meetPages,
                  const PublishedFolder& held) {
    const Publication& before = *held.Last();
    if (held.Interrupted() || !now.Changes.Changes.empty())
        return false;
    Publication same = now;
    same.Number = before.Number;
    same.Time = before.Time;
    same.Changes = before.Changes;
    SitePages pages = meetPages;
    AddPublicationPages(meet, now.Crews, same, pages);
    same.Files = FilesOf(pages);
    return same == before && HoldsAll(held, same, pages);
}

// The site's names under which the folder holds a file that is not as a
// publication wrote it, nor the page itself.
std::vector<std::string> ForeignFiles(const SitePages& pages, const PublishedFolder& held) {
    std::vector<std::string> foreign;
    for (const auto& [name, content] : pages) {
        std::error_code error;
        if (!held.Ours().count(name) && fs::exists(fs::symlink_status(held.Path() / name, error)) &&
            !FolderHolds(held.Path(), name, content))
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

// The pages to write (those the folder does not hold as they are; the change
// page and then the index last, so that they link only to pages in place),
// the files of earlier publications to remove, and both records: the pending
// one lists only the files, those of this publication and those the folder
// holds as earlier ones wrote them. A file of an earlier publication changed
// since stays, with a line in Kept.
FolderPlan Plan(const SitePages& pages, const Publication& now, const PublishedFolder& held,
                PublishResult& result) {
    FolderPlan plan;
    std::vector<std::string> last;
    for (const PublishedFile& page : now.Files)
        if (!Holds(held, page, pages))
            (page.Name == "index.html" || page.Name == "changes.html" ? last : plan.Write)
                .push_back(page.Name);
    plan.Write.insert(plan.Write.end(), last.begin(), last.end());
    for (const auto& [name, file] : held.Ours())
        if (!pages.count(name))
            plan.Stale.push_back(name);
    for (const std::string& name : held.Changed())
        if (!pages.count(name))
            result.Kept.push_back("Kept " + name + ": it changed since it was published");
    plan.Record = PublicationRecordText(now);
    Publication pending;
    pending.Number = now.Number;
    pending.Time = now.Time;
    pending.Files = now.Files;
    for (const auto& [name, file] : held.Ours())
        pending.Earlier.push_back(file);
    plan.Pending = PublicationRecordText(pending);
    return plan;
}

void Write(const SitePages& pages, const Publication& now, const PublishedFolder& held,
           const PublishRequest& request, PublishResult& result) {
    const fs::path& folder = held.Path();
    const std::vector<std::string> foreign = ForeignFiles(pages, held);
    if (!foreign.empty()) {
        result.Error =
            "The folder " + folder.string() +
            " holds files that no publication wrote, or that changed since: " + Joined(foreign) +
            ". Nothing was written; move them away or choose another folder.";
        return;
    }
    FolderUpdate update;
    std::string reason;
    result.Ok = UpdateFolder(folder, pages, Plan(pages, now, held, result), update, reason,
                             request.Reached);
    result.Written = update.Written;
    result.Removed = update.Removed;
    if (!result.Ok)
        result.Error = "The site could not be written into the folder " + folder.string() + ": " +
                       reason + ".";
}

// Works out the publication from the folder as read, and writes it unless
// only the changes are asked for.
void Publish(const Boatmeet& meet, const PublishRequest& request, const PublishedFolder& held,
             PublishResult& result) {
    const std::optional<Publication>& before = held.Last();
    Publication now;
    now.Crews = PublishedCrews(meet);
    if (before)
        now.Changes.Changes = CompareCrews(meet, before->Crews, now.Crews);
    SitePages pages = MeetPages(meet, now.Crews);
    if (before && SameAsBefore(meet, now, pages, held)) {
        result.Ok = true;
        result.NothingChanged = true;
        result.Number = before->Number;
        result.Changes = {"Nothing has changed since " + Since(*before) + "."};
        return;
    }
    now.Number = before ? before->Number + 1 : 1;
    now.Time = request.Time;
    now.Changes.Intro = IntroText(before, !now.Changes.Changes.empty());
    AddPublicationPages(meet, now.Crews, now, pages);
    now.Files = FilesOf(pages);
    result.Changes = ChangeListLines(now.Changes);
    result.Number = now.Number;
    if (request.ChangesOnly)
        result.Ok = true;
    else
        Write(pages, now, held, request, result);
}

// Makes the folder and publishes into it under its lock, after removing what
// a stopped publication left.
void PublishUnderLock(const Boatmeet& meet, const PublishRequest& request, const fs::path& folder,
                      PublishResult& result) {
    std::error_code failure;
    fs::create_directories(folder, failure);
    if (failure) {
        result.Error = "The site could not be written into the folder " + folder.string() + ": " +
                       failure.message() + ".";
        return;
    }
    const WriteLock lock((folder / PublicationLockName).string(), request.LockWait);
    if (lock.Busy()) {
        result.Error = BeingPublishedText(request.Folder);
        return;
    }
    if (!lock.Held()) {
        result.Error = LockFailedText(request.Folder, lock.LockPath(), lock.Reason());
        return;
    }
    RemoveStaging(folder);
    PublishedFolder held(folder);
    if (held.Read(result.Error))
        Publish(meet, request, held, result);
}

} // namespace

std::string BeingPublishedText(const std::string& folder) {
    return folder + " is being published by another program";
}

PublishResult PublishSite(const Boatmeet& meet, const PublishRequest& request) {
    PublishResult result;
    const fs::path folder = FolderPath(request.Folder);
    std::error_code error;
    if (fs::exists(folder, error) && !fs::is_directory(folder, error)) {
        result.Error = folder.string() + " is not a folder. Nothing was written.";
        return result;
    }
    if (!request.ChangesOnly) {
        PublishUnderLock(meet, request, folder, result);
        return result;
    }
    PublishedFolder held(folder);
    if (held.Read(result.Error))
        Publish(meet, request, held, result);
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
