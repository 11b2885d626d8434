// The published folder kept sound whatever happens to it: a record edited by
// hand, two publications at once, and a publication killed at any moment.
#include "engine/publish/publicationrecord.h"
#include "engine/publish/publish.h"

#include "repmeet.h"

#include <gtest/gtest.h>

#include <climits>
#include <csignal>
#include <filesystem>
#include <future>
#include <map>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace bm;
using namespace bm::test;
namespace fs = std::filesystem;

namespace {

// Every file under the folder, hidden ones and those in folders included,
// with its content ("/" for a folder).
std::map<std::string, std::string> Contents(const fs::path& folder) {
    std::map<std::string, std::string> contents;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string name = fs::relative(entry.path(), folder).string();
        contents[name] = entry.is_directory() ? "/" : ReadFile(entry.path().string());
    }
    return contents;
}

// A moment of putting a publication in place: the how-many-th time it reaches the stage.
struct Moment {
    PublishStage stage;
    int count;
};

class PublishedFolderTest : public RepMeetTest {
protected:
    PublishResult Publish(const Boatmeet& meet, const std::string& folder, const std::string& time,
                          PublishStageHook reached = {}) {
        PublishRequest request{dir.File(folder), time};
        request.Reached = std::move(reached);
        return PublishSite(meet, request);
    }

    // The meet a day later: a race time changed, the single sculls' event
    // gone (its page goes) and a crew rowing for a new club (a new page).
    void ChangeLater(Boatmeet& meet) {
        meet.FindRaceByNumber(2)->Time = 915;
        meet.Events.DeleteKey(meet.Events.KeyOf("WS 1x"));
        meet.FindCrew(8)->ClubKey = meet.Clubs.Add("Harbour");
    }

    // Publishes the meet in a child process killed when the moment comes.
    void KillPublishing(const Boatmeet& meet, const std::string& folder, const Moment& moment) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            int reached = 0;
            Publish(meet, folder, "10:50", [&](PublishStage stage) {
                if (stage == moment.stage && ++reached == moment.count)
                    ::raise(SIGKILL);
            });
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << folder;
    }

    TempDir dir;
};

} // namespace

TEST_F(PublishedFolderTest, AnEditedRecordIsRefusedAndChangedFilesAreKept) {
    const auto meet = Load("rep_small.bmf");
    ASSERT_TRUE(Publish(*meet, "site", "10:15").Ok);
    const std::string record = dir.File("site/.boatmeet-publication");
    const std::string written = ReadFile(record);
    WriteFile(dir.File("site/my-notes.txt"), "mine");

    // A line added by hand: the record is not trusted, nothing is written.
    WriteFile(record, written + "File\tmy-notes.txt\t4\t0000000000000000\n");
    meet->FindRaceByNumber(2)->Time = 915;
    PublishResult result = Publish(*meet, "site", "11:00");
    EXPECT_FALSE(result.Ok);
    EXPECT_EQ(result.Error,
              "The folder " + dir.File("site") +
                  " holds a publication record (.boatmeet-publication) that cannot "
                  "be read: it was changed after it was written. Nothing was written.");
    EXPECT_EQ(ReadFile(dir.File("site/my-notes.txt")), "mine");

    // A number no publication can follow, even under a sound check.
    Publication last;
    std::string reason;
    ASSERT_TRUE(ReadPublicationRecord(written, last, reason)) << reason;
    last.Number = INT_MAX;
    EXPECT_FALSE(ReadPublicationRecord(PublicationRecordText(last), last, reason));
    EXPECT_EQ(reason, "line 2 is damaged");

    // A page the organiser changed that the site no longer has stays, and is
    // said to stay; a page of theirs under a page's name stops the publication.
    WriteFile(record, written);
    WriteFile(dir.File("site/event-ws-1x-5.html"), "my results");
    ChangeLater(*meet);
    result = Publish(*meet, "site", "11:00");
    ASSERT_TRUE(result.Ok) << result.Error;
    EXPECT_EQ(result.Kept, std::vector<std::string>{
                               "Kept event-ws-1x-5.html: it changed since it was published"});
    EXPECT_EQ(ReadFile(dir.File("site/event-ws-1x-5.html")), "my results");
    WriteFile(dir.File("site/schedule.html"), "my schedule");
    meet->FindRaceByNumber(2)->Time = 920;
    result = Publish(*meet, "site", "12:00");
    EXPECT_EQ(result.Error, "The folder " + dir.File("site") +
                                " holds files that no publication wrote, or that changed since: "
                                "schedule.html. Nothing was written; move them away or choose "
                                "another folder.");
    EXPECT_EQ(ReadFile(dir.File("site/schedule.html")), "my schedule");
}

TEST_F(PublishedFolderTest, OnePublicationAtATime) {
    const auto first = Load("rep_small.bmf");
    const auto second = Load("rep_small.bmf");
    ChangeLater(*second);
    // The first stops once everything is staged, until let go.
    std::promise<void> staged;
    std::promise<void> goOn;
    std::shared_future<void> letGo = goOn.get_future().share();
    auto running = std::async(std::launch::async, [&] {
        return Publish(*first, "site", "10:15", [&](PublishStage stage) {
            if (stage == PublishStage::Staged) {
                staged.set_value();
                letGo.wait();
            }
        });
    });
    staged.get_future().wait();
    PublishRequest waiting{dir.File("site"), "10:16"};
    waiting.LockWait = std::chrono::milliseconds(50);
    PublishResult refused = PublishSite(*second, waiting);
    EXPECT_FALSE(refused.Ok);
    EXPECT_EQ(refused.Error, dir.File("site") + " is being published by another program");
    EXPECT_FALSE(fs::exists(dir.Path() / "site/index.html"));
    // Waiting long enough, the second follows the first.
    auto following =
        std::async(std::launch::async, [&] { return Publish(*second, "site", "10:17"); });
    goOn.set_value();
    EXPECT_EQ(running.get().Number, 1);
    const PublishResult followed = following.get();
    ASSERT_TRUE(followed.Ok) << followed.Error;
    EXPECT_EQ(followed.Number, 2);
    EXPECT_TRUE(Publish(*second, "site", "10:18").NothingChanged);

    // No lock, no publication: a folder in the lock's place stops it.
    fs::create_directories(dir.Path() / "locked" / ".boatmeet-publication.lock");
    const PublishResult unlocked = Publish(*first, "locked", "10:19");
    EXPECT_FALSE(unlocked.Ok);
    EXPECT_TRUE(unlocked.Error.starts_with(dir.File("locked") + " was not written: its lock file "))
        << unlocked.Error;
    EXPECT_FALSE(fs::exists(dir.Path() / "locked/index.html"));
}

// A publication killed before, during and after moving its pages into place,
// the first into a folder or the second: the next publication, of a meet
// changed meanwhile, leaves the folder exactly as if the killed one had never
// run, the organiser's file untouched and no staging folder anywhere, an
// earlier version's included.
TEST_F(PublishedFolderTest, AKilledPublicationIsFinishedByTheNext) {
    const auto before = Load("rep_small.bmf");
    const auto later = Load("rep_small.bmf");
    ChangeLater(*later);
    // What the killed publication showed: another time, and a crew of a club
    // whose page comes first and that the next publication no longer has.
    const auto killed = Load("rep_small.bmf");
    ChangeLater(*killed);
    killed->FindRaceByNumber(2)->Time = 930;
    killed->FindCrew(5)->ClubKey = killed->Clubs.Add("Bay");
    const auto publishBoth = [&](const std::string& folder, bool earlier) {
        fs::create_directories(dir.Path() / folder);
        WriteFile(dir.File(folder + "/my-notes.txt"), "mine");
        // What a publication of an earlier version left when it was stopped:
        // its staging folder beside the folder, or inside it.
        for (const std::string& staging :
             {"." + folder + ".publishing-1234", folder + "/.boatmeet.publishing-56"})
            WriteFile(dir.File(staging + "/index.html"), "half");
        if (earlier) {
            ASSERT_TRUE(Publish(*before, folder, "10:15").Ok);
        }
    };
    const Moment moments[] = {
        {PublishStage::Staged, 1}, {PublishStage::PageMoved, 2}, {PublishStage::PagesMoved, 1}};
    for (bool earlier : {false, true}) {
        const std::string expected = earlier ? "second" : "first";
        publishBoth(expected, earlier);
        ASSERT_TRUE(Publish(*later, expected, "11:00").Ok);
        // The folder as one publication leaves it: the site, the organiser's
        // file and the record, nothing else of the program's.
        std::vector<std::string> hidden;
        for (const auto& [name, content] : Contents(dir.Path() / expected))
            if (name.starts_with("."))
                hidden.push_back(name);
        EXPECT_EQ(hidden, std::vector<std::string>{".boatmeet-publication"});
        for (const Moment& moment : moments) {
            const std::string folder =
                expected + "-killed-" + std::to_string(static_cast<int>(moment.stage));
            publishBoth(folder, earlier);
            KillPublishing(*killed, folder, moment);
            // Killed once more before it could finish anything: the folder
            // then holds pages of both.
            if (moment.stage == PublishStage::PageMoved)
                KillPublishing(*before, folder, {PublishStage::PageMoved, 1});
            const PublishResult result = Publish(*later, folder, "11:00");
            ASSERT_TRUE(result.Ok) << folder << ": " << result.Error;
            EXPECT_EQ(result.Number, earlier ? 2 : 1) << folder;
            EXPECT_EQ(Contents(dir.Path() / folder), Contents(dir.Path() / expected)) << folder;
        }
    }
    // Nothing beside the folders either.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 8);
}
