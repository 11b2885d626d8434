// Publishing the regatta: a static web site of draws, race schedule, results
// and club pages written into a folder, and the list of what changed for each
// crew since the previous publication into that folder.
#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace bm {

class Boatmeet;

struct PublishRequest {
    std::string Folder;
    std::string Time;         // when it is published, as the pages show it
    bool ChangesOnly = false; // only work out the changes; write nothing
};

struct PublishResult {
    bool Ok = false;
    std::string Error; // why nothing (or not everything) was written
    // The change list as plain text lines: what it compares with, then the
    // changes club by club and crew by crew.
    std::vector<std::string> Changes;
    int Number = 0;              // the publication the folder now holds
    bool NothingChanged = false; // the earlier publication stands as it was
    int Written = 0;             // files written, the record included
    int Removed = 0;             // files of the earlier publication no longer part of the site
};

// Publishes the meet into the folder (created when missing), or with
// ChangesOnly only says what would change. When the meet gives the same
// crews, pages and record as the folder's publication, nothing is written and
// the publication keeps its number. Pages whose content is the same are not
// rewritten; files the program did not write are never replaced or removed:
// a folder holding such a file under a page's name is refused.
PublishResult PublishSite(const Boatmeet& meet, const PublishRequest& request);

// The local date and time as the pages show it: "2024-03-12 10:15".
std::string PublicationTimeText(std::chrono::system_clock::time_point time);

} // namespace bm
