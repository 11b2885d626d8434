#include "engine/session/filestamp.h"

#include "engine/model/textfile.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace bm {

namespace {

bool HashFile(const std::string& path, std::uint64_t& hash) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    hash = HashStart;
    char buffer[1 << 16];
    while (in) {
        in.read(buffer, sizeof buffer);
        hash = HashBytes(std::string_view(buffer, static_cast<std::size_t>(in.gcount())), hash);
    }
    return in.eof();
}

std::uintmax_t RegularFileSize(const std::string& path, bool& exists) {
    std::error_code error;
    exists = std::filesystem::is_regular_file(path, error);
    const std::uintmax_t size = exists ? std::filesystem::file_size(path, error) : 0;
    exists = exists && !error;
    return exists ? size : 0;
}

} // namespace

FileStamp StampFile(const std::string& path) {
    FileStamp stamp;
    stamp.Size = RegularFileSize(path, stamp.Exists);
    if (stamp.Exists)
        stamp.Exists = HashFile(path, stamp.ContentHash);
    return stamp;
}

bool FileChangedSince(const std::string& path, const FileStamp& stamp) {
    bool exists = false;
    const std::uintmax_t size = RegularFileSize(path, exists);
    if (!exists)
        return false;
    if (!stamp.Exists || size != stamp.Size)
        return true;
    return !StampFile(path).SameContent(stamp);
}

} // namespace bm
