// Reading and writing the program's text files. Files are UTF-8; a line that is
// not valid UTF-8 comes from an older Windows program and is read as
// Windows-1252, so one stray byte spoils one line, never the whole file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace bm {

bool IsValidUtf8(std::string_view bytes);
// Windows-1252 bytes as UTF-8 (bytes the code page leaves undefined keep their value).
std::string Windows1252ToUtf8(std::string_view bytes);
// The bytes as UTF-8, line by line: a line (up to and with its line feed) that
// is valid UTF-8 stays as it is, any other is read as Windows-1252.
std::string LinesToUtf8(std::string bytes);
// Reads a whole file as UTF-8 text (LinesToUtf8); false when it cannot be read.
bool ReadTextFile(const std::string& path, std::string& text);
// The lines of a text, each without its line end (LF or CR LF). A last line
// without a line end counts; an empty text has no lines.
std::vector<std::string_view> SplitLines(std::string_view text);
// Writes the content to a temporary file beside the target and renames it over
// the target once every byte is written and flushed; on any error the old file
// is left untouched and the result is false. The file keeps its permissions,
// and a link is written through to the file it points to (SafeFileWriter).
bool WriteFileSafely(const std::string& path, std::string_view content);

// FNV-1a over the bytes, going on from an earlier hash: quick, and ample to
// tell two versions of one file apart.
inline constexpr std::uint64_t HashStart = 14695981039346656037ull;
std::uint64_t HashBytes(std::string_view bytes, std::uint64_t hash = HashStart);

} // namespace bm
