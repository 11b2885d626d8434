// What the session remembers of its meet's file, to tell later whether another
// program (boatmeet-cli, a second window, a sync tool) changed it meanwhile.
#pragma once

#include <cstdint>
#include <string>

namespace bm {

// The file's size and a hash of its content. Times of last change are not
// used: they are too coarse to tell two quick writes apart, and copying
// tools keep them.
struct FileStamp {
    bool Exists = false;
    std::uintmax_t Size = 0;
    std::uint64_t ContentHash = 0;

    // True when both stamps are of a file with the same content.
    bool SameContent(const FileStamp& other) const {
        return Exists && other.Exists && Size == other.Size && ContentHash == other.ContentHash;
    }
};

// The stamp of the file as it is now; Exists is false when there is no
// regular file of that name or it cannot be read.
FileStamp StampFile(const std::string& path);

// True when the file now holds other content than the stamp says; a file
// that is gone has not changed (there is nothing to overwrite or reload).
// The content is read only when the sizes agree.
bool FileChangedSince(const std::string& path, const FileStamp& stamp);

} // namespace bm
