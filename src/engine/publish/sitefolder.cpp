#include "engine/publish/sitefolder.h"

#include "engine/publish/publicationrecord.h"

#include <fstream>
#include <iterator>
#include <random>

namespace bm {

namespace fs = std::filesystem;

namespace {

bool WriteWhole(const fs::path& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.close();
    return !out.fail();
}

// True when a file staged there can be renamed into the folder: both lie on
// one file system (a folder that is a mount point has its parent on another).
bool RenamesInto(const fs::path& staging, const fs::path& folder, const std::string& tag) {
    const std::string probe = ".boatmeet-probe" + tag;
    std::error_code error;
    if (!WriteWhole(staging / probe, {}))
        return false;
    fs::rename(staging / probe, folder / probe, error);
    const bool moved = !error;
    fs::remove(moved ? folder / probe : staging / probe, error);
    return moved;
}

// A new, empty staging folder beside the published folder, or inside it when
// none can be made or used beside it; empty when neither can be made.
fs::path MakeStaging(const fs::path& folder) {
    std::random_device seed;
    const std::string tag = ".publishing-" + std::to_string(seed());
    std::error_code error;
    const fs::path beside = folder.parent_path() / ("." + folder.filename().string() + tag);
    if (fs::create_directory(beside, error)) {
        if (RenamesInto(beside, folder, tag))
            return beside;
        fs::remove_all(beside, error);
    }
    const fs::path inside = folder / (".boatmeet" + tag);
    if (fs::create_directory(inside, error))
        return inside;
    return {};
}

// The names of the pages to write; the change page and then the index come
// last, so that they link only to pages already in place.
std::vector<std::string> WriteOrder(const SitePages& pages, const fs::path& folder) {
    std::vector<std::string> order;
    std::vector<std::string> last;
    for (const auto& [name, content] : pages) {
        if (FolderHolds(folder, name, content))
            continue;
        (name == "index.html" || name == "changes.html" ? last : order).push_back(name);
    }
    order.insert(order.end(), last.begin(), last.end());
    return order;
}

class Staging {
public:
    explicit Staging(fs::path folder) : folder_(std::move(folder)), path_(MakeStaging(folder_)) {}
    ~Staging() {
        std::error_code ignored;
        if (!path_.empty())
            fs::remove_all(path_, ignored);
    }
    Staging(const Staging&) = delete;
    Staging& operator=(const Staging&) = delete;

    bool Ready() const { return !path_.empty(); }
    bool Write(const std::string& name, const std::string& content) const {
        return WriteWhole(path_ / name, content);
    }
    // Moves a staged file into the published folder, replacing the old one.
    bool PutInPlace(const std::string& name, std::error_code& error) const {
        fs::rename(path_ / name, folder_ / name, error);
        return !error;
    }

private:
    fs::path folder_;
    fs::path path_;
};

} // namespace

bool FolderHolds(const fs::path& folder, const std::string& name, const std::string& content) {
    const fs::path path = folder / name;
    std::error_code error;
    if (!fs::is_regular_file(path, error) || fs::file_size(path, error) != content.size() || error)
        return false;
    std::ifstream in(path, std::ios::binary);
    const std::string held((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return !in.bad() && held == content;
}

bool UpdateFolder(const fs::path& folder, const SitePages& pages,
                  const std::vector<std::string>& stale, const std::string& record,
                  FolderUpdate& update, std::string& error) {
    std::error_code failure;
    fs::create_directories(folder, failure);
    if (failure) {
        error = failure.message();
        return false;
    }
    // A folder reached through a link is staged beside the folder it names.
    const fs::path real = fs::canonical(folder, failure);
    const Staging staging(failure ? folder : real);
    if (!staging.Ready()) {
        error = "no file can be made there";
        return false;
    }
    const std::vector<std::string> order = WriteOrder(pages, folder);
    for (const std::string& name : order)
        if (!staging.Write(name, pages.at(name))) {
            error = "writing " + name + " failed";
            return false;
        }
    if (!staging.Write(PublicationRecordName, record)) {
        error = "writing the publication record failed";
        return false;
    }
    for (const std::string& name : order) {
        if (!staging.PutInPlace(name, failure)) {
            error = name + ": " + failure.message();
            return false;
        }
        ++update.Written;
    }
    for (const std::string& name : stale)
        if (fs::remove(folder / name, failure))
            ++update.Removed;
    if (!staging.PutInPlace(PublicationRecordName, failure)) {
        error = std::string(PublicationRecordName) + ": " + failure.message();
        return false;
    }
    ++update.Written;
    return true;
}

} // namespace bm
