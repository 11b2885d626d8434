// Writing a file so that it is never seen half written: the content goes to a
// temporary file beside the target, which replaces the target in one rename
// once every byte is on disk.
//
// A temporary file is named ".bm" + 8 hex digits of the target's name + "-" +
// the writing process's id + "-" + a count + ".tmp". A program killed while
// writing leaves one behind; the next save of the same target removes those
// whose process is gone.
//
// A FIFO or a character device (a terminal, /dev/null) is no file to replace:
// the content is written into it as a stream. A file the user may not write
// is never replaced.
#pragma once

#include <filesystem>
#include <memory>
#include <ostream>
#include <string>

namespace bm {

// Removes the temporary files that unfinished writes of any file left in the folder.
void RemoveDeadSaveLeftovers(const std::string& folder);
// True when the path names a FIFO or a character device (links followed).
bool IsStreamTarget(const std::string& path);
// True when the path names an existing file the user may not write: the
// system refuses it, or its mode lets no one write it (which holds for the
// superuser too).
bool IsReadOnlyFile(const std::string& path);
// "NAME is read-only: it was not written"
std::string ReadOnlyFileText(const std::string& name);
// Why an output file was not written: ReadOnlyFileText when it is
// read-only, else "Could not write to file : NAME".
std::string OutputFailedText(const std::string& name);

class SafeFileWriter {
public:
    // Opens the temporary file for the target, or the target itself when it
    // is a FIFO or a device; Stream() is bad when it could not be made or
    // the target is read-only. A link is written through: the file it points
    // to gets the content and the link stays.
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
    // A stream target is flushed and closed.
    bool Commit();

private:
    class Buffer;

    void OpenTemporary(const std::filesystem::path& target);
    bool CommitStream();
    void Discard();

    std::string target_;
    std::string temp_;
    int fd_ = -1;
    bool streamTarget_ = false;
    std::unique_ptr<Buffer> buffer_;
    std::unique_ptr<std::ostream> stream_;
};

} // namespace bm
