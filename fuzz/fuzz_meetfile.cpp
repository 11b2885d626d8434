// Loads any bytes as a meet data file and writes the meet back. Loading must
// never crash or hang, and what the writer produced must load to a meet that
// writes the very same bytes again.
#include "engine/model/boatmeet.h"
#include "engine/model/textfile.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

std::string Rewritten(std::string_view text, bool full) {
    std::ostringstream out;
    bm::Boatmeet::LoadFromText(text)->WriteTo(out, full);
    return out.str();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // As the file reader does: bytes that are not UTF-8 are an older Windows file.
    const std::string text =
        bm::IsValidUtf8(bytes) ? std::string(bytes) : bm::Windows1252ToUtf8(bytes);
    for (const bool full : {true, false}) {
        const std::string first = Rewritten(text, full);
        if (Rewritten(first, full) != first)
            std::abort();
    }
    return 0;
}
