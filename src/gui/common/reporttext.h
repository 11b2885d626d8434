// ReportText: a report's lines held compactly, as the one block of UTF-8 text
// they came in with the offset at which each line starts: a report of a
// hundred thousand lines takes little more memory than its text, where a
// string per line would take several times it. It is plain C++, so a report
// can be made into one away from the window's thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class ReportText {
public:
    ReportText() = default;
    // The lines of the text: it breaks at "\n", a "\r" before the break is
    // not part of the line, and a last line break ends the last line (as the
    // report writers end every line).
    explicit ReportText(std::string text);
    static ReportText FromLines(const std::vector<std::string>& lines);

    std::size_t LineCount() const { return starts_.empty() ? longStarts_.size() : starts_.size(); }
    bool Empty() const { return LineCount() == 0; }
    // The line without its line break; empty for a line past the last.
    std::string_view Line(std::size_t index) const;
    std::vector<std::string> Lines() const;
    // The most characters (Unicode code points) of any line.
    int WidestChars() const { return widestChars_; }
    // The memory the text and its line offsets take.
    std::size_t MemoryBytes() const;

private:
    std::size_t Start(std::size_t index) const;

    std::string text_;
    // Where each line starts; the long offsets only for a text of 4 GiB or more.
    std::vector<std::uint32_t> starts_;
    std::vector<std::uint64_t> longStarts_;
    int widestChars_ = 0;
};

// The characters (Unicode code points) of UTF-8 text: every byte that does
// not continue a character starts one.
int CharCount(std::string_view text);
