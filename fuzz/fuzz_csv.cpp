// Feeds arbitrary bytes, decoded as the import decodes a file, to the CSV
// record reader: it must end, and no value may hold a quote or a line feed
// or begin or end with a blank or control character.
#include "engine/import/csvreader.h"
#include "engine/model/textfile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string text =
        bm::IsValidUtf8(bytes) ? std::string(bytes) : bm::Windows1252ToUtf8(bytes);
    bm::CsvReader reader(text);
    std::vector<std::string> fields;
    std::size_t records = 0;
    const auto isTrimmed = [](unsigned char c) { return c <= 32 || c == 127; };
    while (reader.ReadRecord(fields)) {
        if (++records > text.size() || fields.empty())
            __builtin_trap();
        for (const std::string& field : fields) {
            if (field.find_first_of("\"\n") != std::string::npos)
                __builtin_trap();
            if (!field.empty() && (isTrimmed(static_cast<unsigned char>(field.front())) ||
                                   isTrimmed(static_cast<unsigned char>(field.back()))))
                __builtin_trap();
        }
    }
    return 0;
}
