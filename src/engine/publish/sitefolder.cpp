#include "engine/publish/sitefolder.h"

#include "engine/model/textfile.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace bm {

namespace fs = std::filesystem;

namespace {

bool WriteWhole(const fs::path& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.close();
    return !out.fail();
}

// The content of the folder's regular file of that name (not a link); false
// when there is none or it cannot be read.
bool ReadPlainFile(const fs::path& folder, const std::string& name, std::string& content) {
    const fs::path path = folder / name;
    std::error_code error;
    if (!fs::is_regular_file(fs::symlink_status(path, error)))
        return false;
    std::ifstream in(path, std::ios::binary);
    content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return in.good() || in.eof();
}

// The staging folder inside the published folder, made afresh; it goes when
// the publication is done or failed, and a publication stopped outright
// leaves it for the next one to remove.
class Staging {
public:
    explicit Staging(const fs::path& folder) : folder_(folder), path_(folder / StagingFolderName) {
        RemoveStaging(folder_);
        std::error_code error;
        ready_ = fs::create_directory(path_, error);
    }
    ~Staging() { RemoveStaging(folder_); }
    Staging(const Staging&) = delete;
    Staging& operator=(const Staging&) = delete;

    bool Ready() const { return ready_; }
    bool Write(const std::string& name, const std::string& content) const {
        return WriteWhole(path_ / name, content);
    }
    // Moves a staged file into the published folder, replacing the old one.
    bool PutInPlace(const std::string& name, std::string& error) const {
        std::error_code failure;
        fs::rename(path_ / name, folder_ / name, failure);
        if (failure)
            error = name + ": " + failure.message();
        return !failure;
    }

private:
    fs::path folder_;
    fs::path path_;
    bool ready_ = false;
};

bool StageAll(const Staging& staging, const SitePages& pages, const FolderPlan& plan,
              std::string& error) {
    for (const std::string& name : plan.Write)
        if (!staging.Write(name, pages.at(name))) {
            error = "writing " + name + " failed";
            return false;
        }
    if (!staging.Write(PendingRecordName, plan.Pending) ||
        !staging.Write(PublicationRecordName, plan.Record)) {
        error = "writing the publication record failed";
        return false;
    }
    return true;
}

void Reach(const PublishStageHook& reached, PublishStage stage) {
    if (reached)
        reached(stage);
}

// A folder in which an earlier version staged a publication: PREFIX followed
// by a number.
bool EarlierStaging(const fs::directory_entry& entry, const std::string& prefix) {
    std::error_code error;
    const std::string name = entry.path().filename().string();
    return entry.is_directory(error) && !entry.is_symlink(error) && name.starts_with(prefix) &&
           name.size() > prefix.size() &&
           std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

void RemoveStagingIn(const fs::path& where, const std::string& prefix) {
    std::error_code error;
    std::vector<fs::path> left;
    for (fs::directory_iterator it(where, error), end; !error && it != end; it.increment(error))
        if (EarlierStaging(*it, prefix))
            left.push_back(it->path());
    for (const fs::path& path : left)
        fs::remove_all(path, error);
}

// Earlier versions staged a publication beside the folder (".NAME.publishing-N")
// or, when that could not be used, inside it (".boatmeet.publishing-N"), and a
// publication stopped on the way left it there.
void RemoveEarlierStaging(const fs::path& folder) {
    std::error_code error;
    fs::path absolute = fs::absolute(folder, error).lexically_normal();
    if (absolute.filename().empty())
        absolute = absolute.parent_path();
    RemoveStagingIn(absolute.parent_path(), "." + absolute.filename().string() + ".publishing-");
    RemoveStagingIn(absolute, ".boatmeet.publishing-");
}

} // namespace

bool FolderHolds(const fs::path& folder, const std::string& name, const std::string& content) {
    std::error_code error;
    if (fs::file_size(folder / name, error) != content.size() || error)
        return false;
    std::string held;
    return ReadPlainFile(folder, name, held) && held == content;
}

bool StampOf(const fs::path& folder, const std::string& name, PublishedFile& file) {
    std::string content;
    if (!ReadPlainFile(folder, name, content))
        return false;
    file = FileOf(name, content);
    return true;
}

void RemoveStaging(const fs::path& folder) {
    std::error_code ignored;
    fs::remove_all(folder / StagingFolderName, ignored);
}

bool UpdateFolder(const fs::path& folder, const SitePages& pages, const FolderPlan& plan,
                  FolderUpdate& update, std::string& error, const PublishStageHook& reached) {
    std::error_code failure;
    fs::create_directories(folder, failure);
    if (failure) {
        error = failure.message();
        return false;
    }
    RemoveEarlierStaging(folder);
    const Staging staging(folder);
    if (!staging.Ready()) {
        error = "no file can be made there";
        return false;
    }
    if (!StageAll(staging, pages, plan, error))
        return false;
    Reach(reached, PublishStage::Staged);
    if (!staging.PutInPlace(PendingRecordName, error))
        return false;
    for (const std::string& name : plan.Write) {
        if (!staging.PutInPlace(name, error))
            return false;
        ++update.Written;
        Reach(reached, PublishStage::PageMoved);
    }
    for (const std::string& name : plan.Stale)
        if (fs::remove(folder / name, failure))
            ++update.Removed;
    Reach(reached, PublishStage::PagesMoved);
    if (!staging.PutInPlace(PublicationRecordName, error))
        return false;
    ++update.Written;
    fs::remove(folder / PendingRecordName, failure);
    return true;
}

} // namespace bm
