// Reading the association's CSV files one record at a time from their text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace bm {

// Splits a CSV text into records. A comma outside quotes ends a field; a double
// quote switches quoting on or off and is never part of a value; a line feed
// ends the record even inside quotes. Fields are trimmed of blanks and control
// characters (so a carriage return before the line feed goes). At the end of
// the text a last field is kept only when something was read for it. A byte
// order mark at the start of the text marks it as UTF-8 and is not read.
class CsvReader {
public:
    // The reader refers to the text, which must outlive it.
    explicit CsvReader(std::string_view text);

    // Reads the next record into fields; false when the text holds no more.
    bool ReadRecord(std::vector<std::string>& fields);

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

} // namespace bm
