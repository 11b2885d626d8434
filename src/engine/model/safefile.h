// Writing a file so that it is never seen half written: the content goes to a
// temporary file beside the target, which replaces the target in one rename
// once every byte is on disk.
//
// A temporary file is named ".bm" + 8 hex digits of the target's name + "-" +
// the writing process's id + "-" + a count + ".tmp". A program killed while
// writing leaves one behind; the next save of the same target removes those
// whose process is gone.
#pragma once

#include <memory>
#include <ostream>
#include <string>

namespace bm {

// Removes the temporary files that unfinished writes of any file left in the folder.
void RemoveDeadSaveLeftovers(const std::string& folder);

class SafeFileWriter {
public:
    // Opens the temporary file for the target; Stream() is bad when it could
    // not be made. A link is written through: the file it points to gets the
    // content and the link stays.
    explicit SafeFileWriter(const std::string& path);
    // Removes the temporary file unless it was committed.
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    // Where the content goes, piece by piece, in constant memory.
    std::ostream& Stream();
    // Flushes the content to disk, gives it the old file's permissions,
    // renames it over the target and syncs the folder. False, with the old
    // file untouched and the temporary file removed, when any step failed.
    bool Commit();

private:
    class Buffer;

    void Discard();

    std::string target_;
    std::string temp_;
    int fd_ = -1;
    std::unique_ptr<Buffer> buffer_;
    std::unique_ptr<std::ostream> stream_;
};

} // namespace bm
