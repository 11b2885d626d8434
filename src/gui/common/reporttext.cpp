#include "gui/common/reporttext.h"

#include <algorithm>
#include <limits>

namespace {

template <typename Offset> std::vector<Offset> LineStarts(const std::string& text) {
    std::vector<Offset> starts;
    for (std::size_t begin = 0; begin < text.size();) {
        starts.push_back(static_cast<Offset>(begin));
        const std::size_t end = text.find('\n', begin);
        begin = end == std::string::npos ? text.size() : end + 1;
    }
    starts.shrink_to_fit();
    return starts;
}

} // namespace

ReportText::ReportText(std::string text) : text_(std::move(text)) {
    text_.shrink_to_fit();
    if (text_.size() <= std::numeric_limits<std::uint32_t>::max())
        starts_ = LineStarts<std::uint32_t>(text_);
    else
        longStarts_ = LineStarts<std::uint64_t>(text_);
    for (std::size_t line = 0; line < LineCount(); ++line)
        widestChars_ = std::max(widestChars_, CharCount(Line(line)));
}

ReportText ReportText::FromLines(const std::vector<std::string>& lines) {
    std::string text;
    std::size_t size = 0;
    for (const std::string& line : lines)
        size += line.size() + 1;
    text.reserve(size);
    for (const std::string& line : lines) {
        text += line;
        text += '\n';
    }
    return ReportText(std::move(text));
}

std::size_t ReportText::Start(std::size_t index) const {
    return starts_.empty() ? static_cast<std::size_t>(longStarts_[index]) : starts_[index];
}

std::string_view ReportText::Line(std::size_t index) const {
    if (index >= LineCount())
        return {};
    const std::size_t begin = Start(index);
    std::size_t end = index + 1 < LineCount() ? Start(index + 1) - 1 : text_.size();
    if (index + 1 == LineCount() && end > begin && text_[end - 1] == '\n')
        --end;
    if (end > begin && text_[end - 1] == '\r')
        --end;
    return std::string_view(text_).substr(begin, end - begin);
}

std::vector<std::string> ReportText::Lines() const {
    std::vector<std::string> lines;
    lines.reserve(LineCount());
    for (std::size_t line = 0; line < LineCount(); ++line)
        lines.emplace_back(Line(line));
    return lines;
}

std::size_t ReportText::MemoryBytes() const {
    return sizeof(*this) + text_.capacity() + starts_.capacity() * sizeof(std::uint32_t) +
           longStarts_.capacity() * sizeof(std::uint64_t);
}

int CharCount(std::string_view text) {
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}
