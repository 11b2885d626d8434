// The record a publication leaves in its folder: its number and time, the
// change list it showed, the files it wrote (each with its size and a hash of
// its content), and every crew as it was shown, so that the next publication
// can say what changed and which files are still as it wrote them. A text
// file of tab-separated lines under a version line, ending with a check of
// every byte before it, so that a damaged or edited record is never trusted.
#pragma once

#include "engine/publish/changelist.h"
#include "engine/publish/publishedcrews.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace bm {

// The record's file name in the published folder (hidden, so it is not served
// as a page by most web servers' listings).
inline constexpr const char* PublicationRecordName = ".boatmeet-publication";

// A file as a publication wrote it.
struct PublishedFile {
    std::string Name; // relative to the folder
    std::uint64_t Size = 0;
    std::uint64_t Hash = 0; // HashBytes of the content

    bool operator==(const PublishedFile&) const = default;
};

// The file of the name with the content.
PublishedFile FileOf(const std::string& name, std::string_view content);

struct Publication {
    int Number = 0;   // 1 for the first publication into a folder
    std::string Time; // when it was published, as the pages show it
    ChangeList Changes;
    std::vector<PublishedFile> Files; // the site's files
    // Only in the pending record of a publication under way: the files the
    // folder held as earlier publications wrote them, which it may still hold
    // after an interruption.
    std::vector<PublishedFile> Earlier;
    std::vector<PublishedCrew> Crews;

    bool operator==(const Publication&) const = default;
};

std::string PublicationRecordText(const Publication& publication);
// Reads a record; false with the reason when the text is not a record this
// program wrote as it stands (another version, a failed check, a damaged
// line, a number out of range, a file name that is not a plain file of the
// folder).
bool ReadPublicationRecord(std::string_view text, Publication& publication, std::string& error);

} // namespace bm
