#include "engine/import/csvreader.h"

#include "engine/model/text.h"

namespace bm {

CsvReader::CsvReader(std::string_view text) : text_(text) {
    constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
    if (text_.substr(0, byteOrderMark.size()) == byteOrderMark)
        pos_ = byteOrderMark.size();
}

bool CsvReader::ReadRecord(std::vector<std::string>& fields) {
    fields.clear();
    std::string current;
    bool quoted = false;
    while (pos_ < text_.size()) {
        const char c = text_[pos_++];
        if (c == ',' && !quoted) {
            fields.push_back(Trimmed(current));
            current.clear();
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == '\n') {
            fields.push_back(Trimmed(current));
            return true;
        } else {
            current.push_back(c);
        }
    }
    if (!current.empty())
        fields.push_back(Trimmed(current));
    return !fields.empty();
}

} // namespace bm
