// Publishing the regatta: a static web site of draws, race schedule, results
// and club pages written into a folder, and the list of what changed for each
// crew since the previous publication into that folder.
#pragma once

#include "engine/model/writelock.h"
#include "engine/publish/sitefolder.h"

#include <chrono>
#include <string>
#include <vector>

namespace bm {

class Boatmeet;

struct PublishRequest {
    std::string Folder;
    std::string Time;         // when it is published, as the pages show it
    bool ChangesOnly = false; // only work out the changes; write nothing
    // How long to wait while another program publishes into the folder.
    std::chrono::milliseconds LockWait = WriteLock::DefaultWait;
    // Called at each moment of putting the publication in place (for tests).
    PublishStageHook Reached{};
};

struct PublishResult {
    bool Ok = false;
    std::string Error; // why nothing (or not everything) was written
    // The change list as plain text lines: what it compares with, then the
    // changes club by club and crew by crew.
    std::vector<std::string> Changes;
    // One line for each file of an earlier publication that the site no
    // longer has but that changed since it was written: it stays.
    std::vector<std::string> Kept;
    int Number = 0;              // the publication the folder now holds
    bool NothingChanged = false; // the earlier publication stands as it was
    int Written = 0;             // files written, the record included
    int Removed = 0;             // files of the earlier publication no longer part of the site
};

// The name in the published folder that a publication holds a WriteLock on
// (the lock file is ".boatmeet-publication.lock").
inline constexpr const char* PublicationLockName = "boatmeet-publication";

// "DIR is being published by another program"
std::string BeingPublishedText(const std::string& folder);

// Publishes the meet into the folder (created when missing), or with
// ChangesOnly only says what would change. One publication at a time writes
// into a folder: another waits for it up to LockWait, then is refused with
// BeingPublishedText. When the meet gives the same crews, pages and record as
// the folder's publication, nothing is written and the publication keeps its
// number. Pages whose content is the same are not rewritten. Only files that
// are exactly as a publication wrote them are replaced or removed: a folder
// holding another file under a page's name is refused, and a file of an
// earlier publication changed since stays (listed in Kept). A publication
// stopped at any moment, even killed, is finished by the next one.
PublishResult PublishSite(const Boatmeet& meet, const PublishRequest& request);

// The local date and time as the pages show it: "2024-03-12 10:15".
std::string PublicationTimeText(std::chrono::system_clock::time_point time);

} // namespace bm
