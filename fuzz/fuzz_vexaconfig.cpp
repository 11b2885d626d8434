// Runs the whole import on arbitrary input: the bytes up to the first 0x1E are
// the configuration, each further piece separated by 0x1E is the export file
// of the next file key (pieces are reused when there are more keys). A
// configuration that reads is loaded and, when that succeeds, applied to a
// meet with doubling-up detection and the meet is written; applying it again
// to the meet read back from that text must leave the text as it was.
#include "engine/import/vexaapply.h"
#include "engine/model/textfile.h"

#include <cstddef>
#include <cstdint>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> pieces;
    std::size_t begin = 0;
    while (true) {
        const std::size_t end = bytes.find('\x1e', begin);
        const std::string_view piece = bytes.substr(begin, end - begin);
        pieces.push_back(bm::IsValidUtf8(piece) ? std::string(piece)
                                                : bm::Windows1252ToUtf8(piece));
        if (end == std::string_view::npos)
            break;
        begin = end + 1;
    }
    auto reader = [&pieces](const std::string& path, std::string& text) {
        if (path == "config") {
            text = pieces.front();
            return true;
        }
        if (pieces.size() < 2 || path.rfind("file", 0) != 0)
            return false;
        text = pieces[1 + std::stoul(path.substr(4)) % (pieces.size() - 1)];
        return true;
    };
    bm::VexaImporter importer("config", reader);
    if (importer.Failed())
        return 0;
    for (int i = 0; i < importer.FileKeyCount(); ++i)
        importer.AddFilePath("file" + std::to_string(i));
    if (!importer.Load().empty())
        return 0;
    bm::Boatmeet meet;
    std::ostringstream report;
    bm::ApplyVexaImport(meet, importer, true, report);
    bm::ListCrewsNeedingLabels(meet, report);
    const std::string saved = meet.SavedText();
    const auto reloaded = bm::Boatmeet::LoadFromText(saved);
    if (reloaded->Crews.size() != meet.Crews.size())
        __builtin_trap();
    // Importing the same export again, into the meet as saved and read back,
    // changes nothing.
    const std::string before = reloaded->SavedText();
    std::ostringstream again;
    bm::ApplyVexaImport(*reloaded, importer, true, again);
    if (reloaded->SavedText() != before)
        __builtin_trap();
    return 0;
}
