// Feeds arbitrary meet files to every report, the information texts and the
// recording of a result: none of them may crash, hang or overrun, whatever
// the draws, links, times and periods of the file hold.
#include "engine/draw/crewraceinfo.h"
#include "engine/draw/results.h"
#include "engine/model/boatmeet.h"
#include "engine/model/textfile.h"
#include "engine/reports/catalogue.h"

#include <cstddef>
#include <cstdint>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string text =
        bm::IsValidUtf8(bytes) ? std::string(bytes) : bm::Windows1252ToUtf8(bytes);
    auto meet = bm::Boatmeet::LoadFromText(text);
    const auto showType = static_cast<bm::ShowType>(size % 3);
    for (int index = 0; index < bm::ReportCount; ++index) {
        std::ostringstream out;
        bm::WriteReport(*meet, index, showType, out);
    }
    for (int n = 0; n < 3; ++n) {
        bm::InformationText(*meet, false, n);
        bm::InformationText(*meet, true, n);
    }
    bm::SetRaceResult(*meet, "1", 1 + static_cast<int>(size % 2), std::string("1L"));
    std::ostringstream out;
    bm::WriteReport(*meet, 17, bm::ShowType::Results, out);
    return 0;
}
