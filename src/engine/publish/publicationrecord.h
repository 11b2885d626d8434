// The record a publication leaves in its folder: its number and time, the
// change list it showed, the files it wrote, and every crew as it was shown,
// so that the next publication can say what changed and which files it may
// replace or remove. A text file of tab-separated lines under a version line.
#pragma once

#include "engine/publish/changelist.h"
#include "engine/publish/publishedcrews.h"

#include <string>
#include <string_view>
#include <vector>

namespace bm {

// The record's file name in the published folder (hidden, so it is not served
// as a page by most web servers' listings).
inline constexpr const char* PublicationRecordName = ".boatmeet-publication";

struct Publication {
    int Number = 0;   // 1 for the first publication into a folder
    std::string Time; // when it was published, as the pages show it
    ChangeList Changes;
    std::vector<std::string> Files; // the site's files, relative to the folder
    std::vector<PublishedCrew> Crews;

    bool operator==(const Publication&) const = default;
};

std::string PublicationRecordText(const Publication& publication);
// Reads a record; false with the reason when the text is not a record this
// program wrote (another version, a damaged line, a file name that is not a
// plain file of the folder).
bool ReadPublicationRecord(std::string_view text, Publication& publication, std::string& error);

} // namespace bm
