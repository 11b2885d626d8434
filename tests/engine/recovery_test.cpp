#include "engine/session/recovery.h"

#include "engine/session/recoverywriter.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <thread>

using namespace bm;
namespace fs = std::filesystem;

namespace {

// 14:05:30 on 1 June 2024, UTC.
constexpr std::int64_t FiveAfterTwo = 1717250730000;

std::string MeetText(const std::string& title) {
    Boatmeet meet;
    meet.Title = title;
    meet.Events.Add("MS 4-");
    meet.Clubs.Add("Riverside");
    return meet.SavedText();
}

class RecoveryTest : public ::testing::Test {
protected:
    // A copy in the recovery folder for the meet file (empty: a new meet).
    std::string Copy(const std::string& name, const std::string& meetFile, std::int64_t changed,
                     const std::string& title = "Spring") {
        const std::string path = (fs::path(folder) / name).string();
        test::WriteFile(path, RecoveryCopyText(MeetText(title), meetFile, changed));
        return path;
    }
    // A meet file whose last write is the given time.
    std::string MeetFile(const std::string& name, std::int64_t writtenAt) {
        const std::string path = dir.File(name);
        test::WriteFile(path, MeetText("On disk"));
        const auto at =
            std::chrono::sys_time<std::chrono::milliseconds>(std::chrono::milliseconds(writtenAt));
        fs::last_write_time(path, std::chrono::file_clock::from_sys(at));
        return MeetFileIdentity(path);
    }

    test::TempDir dir;
    std::string folder = dir.File("appdata/recovery");
};

} // namespace

TEST_F(RecoveryTest, ACopyIsAMeetFileThatKnowsItsFileAndTime) {
    fs::create_directories(folder);
    const std::string odd = "/meets/50% off\nspring.bmf";
    const std::string path = Copy("recovery-1.bmf", odd, FiveAfterTwo, "Spring Regatta");
    RecoveryCopy copy;
    ASSERT_TRUE(ReadRecoveryCopy(path, copy));
    EXPECT_EQ(copy.Path, path);
    EXPECT_EQ(copy.MeetFile, odd);
    EXPECT_EQ(copy.Changed, FiveAfterTwo);
    EXPECT_EQ(copy.Title, "Spring Regatta");
    // It opens as the meet it holds, through the usual checks too.
    EXPECT_EQ(MeetFileKind(path), FileKind::Meet);
    auto meet = LoadRecoveryCopy(copy);
    ASSERT_TRUE(meet);
    EXPECT_EQ(meet->SavedText(), MeetText("Spring Regatta"));

    test::WriteFile(dir.File("recovery-junk.bmf"), "Boatmeet: \"x\"\nRecoveryFile: \n");
    EXPECT_FALSE(ReadRecoveryCopy(dir.File("recovery-junk.bmf"), copy));
    EXPECT_FALSE(ReadRecoveryCopy(dir.File("absent.bmf"), copy));
}

TEST_F(RecoveryTest, FindsCopiesNewerThanTheirFilesNewestFirst) {
    fs::create_directories(folder);
    const std::int64_t hour = 3600 * 1000;
    const std::string saved = MeetFile("saved.bmf", FiveAfterTwo);
    const std::string later = MeetFile("later.bmf", FiveAfterTwo);
    const std::string fresh = Copy("recovery-a.bmf", saved, FiveAfterTwo + 1);
    const std::string outdated = Copy("recovery-b.bmf", later, FiveAfterTwo - hour);
    const std::string orphan =
        Copy("recovery-c.bmf", dir.File("moved.bmf"), FiveAfterTwo - 2 * hour);
    const std::string unsaved = Copy("recovery-d.bmf", "", FiveAfterTwo + hour);
    test::WriteFile(fs::path(folder) / "notes.bmf", MeetText("not a copy"));
    test::WriteFile(fs::path(folder) / "recovery-e.bmf", "garbage");

    const std::vector<RecoveryCopy> found = FindRecoveryCopies(folder);
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].Path, unsaved);
    EXPECT_EQ(found[1].Path, fresh);
    EXPECT_EQ(found[2].Path, orphan);
    EXPECT_FALSE(fs::exists(outdated)) << "a copy older than its file is discarded";
    EXPECT_TRUE(fs::exists(fs::path(folder) / "recovery-e.bmf")) << "unknown files are left alone";

    RecoveryCopy copy;
    ASSERT_TRUE(FindRecoveryCopy(folder, dir.File("./saved.bmf"), copy));
    EXPECT_EQ(copy.Path, fresh);
    EXPECT_FALSE(FindRecoveryCopy(folder, dir.File("later.bmf"), copy));
    EXPECT_FALSE(FindRecoveryCopy(dir.File("no folder"), dir.File("saved.bmf"), copy));
}

TEST_F(RecoveryTest, ACopyOpenInARunningProgramIsNeitherFoundNorDiscarded) {
    fs::create_directories(folder);
    const std::string path = Copy("recovery-a.bmf", "", FiveAfterTwo);
    RecoveryCopy copy;
    ASSERT_TRUE(ReadRecoveryCopy(path, copy));
    {
        const RecoveryLock lock(path);
        ASSERT_TRUE(lock.Held());
        EXPECT_FALSE(RecoveryLock(path).Held());
        EXPECT_TRUE(FindRecoveryCopies(folder).empty());
        DiscardRecoveryCopy(copy);
        EXPECT_TRUE(fs::exists(path));
    }
    EXPECT_FALSE(fs::exists(path + ".lock")) << "the lock file goes with the lock";
    EXPECT_EQ(FindRecoveryCopies(folder).size(), 1u);
    DiscardRecoveryCopy(copy);
    EXPECT_FALSE(fs::exists(path));
    EXPECT_TRUE(FindRecoveryCopies(folder).empty());
}

TEST_F(RecoveryTest, TheQuestionNamesTheMeetAndTheTimeOfTheLastChange) {
    const char* zone = std::getenv("TZ");
    const std::string oldZone = zone ? zone : "";
    setenv("TZ", "UTC", 1);
    tzset();
    RecoveryCopy copy{"", "/meets/spring.bmf", "Spring Regatta", FiveAfterTwo};
    EXPECT_EQ(RecoveryQuestion(copy), "Boatmeet was closed without saving changes to spring.bmf "
                                      "(last change at 14:05). Recover them?");
    copy.MeetFile.clear();
    EXPECT_EQ(RecoveryQuestion(copy),
              "Boatmeet was closed without saving changes to the new Boatmeet \"Spring Regatta\" "
              "(last change at 14:05). Recover them?");
    copy.Title.clear();
    copy.Changed = FiveAfterTwo - 14 * 3600 * 1000;
    EXPECT_EQ(RecoveryQuestion(copy), "Boatmeet was closed without saving changes to a new "
                                      "Boatmeet (last change at 00:05). Recover them?");
    if (zone)
        setenv("TZ", oldZone.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

TEST_F(RecoveryTest, TheWriterDoesItsJobsInOrderOffTheCallersThread) {
    const std::string a = (fs::path(folder) / "recovery-a.bmf").string();
    const std::string b = (fs::path(folder) / "recovery-b.bmf").string();
    {
        RecoveryWriter writer;
        writer.Write(a, "first");
        writer.Write(a, "second");
        writer.Write(b, "other");
        writer.Flush();
        EXPECT_EQ(test::ReadFile(a), "second");
        EXPECT_EQ(test::ReadFile(b), "other");
        EXPECT_FALSE(writer.LastWriteFailed());
        writer.Write(a, "third");
        writer.Remove(a);
        writer.Remove(b);
        writer.Write(b, "again");
        writer.Flush();
        EXPECT_FALSE(fs::exists(a));
        EXPECT_EQ(test::ReadFile(b), "again");
        // A write still waiting when the writer ends is done first.
        RecoveryWriter slow(std::chrono::hours(1));
        slow.Write(a, "last");
    }
    EXPECT_EQ(test::ReadFile(a), "last");

    RecoveryWriter writer(std::chrono::milliseconds(0));
    test::WriteFile(dir.File("file"), "x");
    writer.Write(dir.File("file") + "/below", "y");
    writer.Flush();
    EXPECT_TRUE(writer.LastWriteFailed());
}

TEST_F(RecoveryTest, TheWriterWritesWithoutBeingFlushed) {
    const std::string path = (fs::path(folder) / "recovery-a.bmf").string();
    RecoveryWriter writer(std::chrono::milliseconds(10));
    writer.Write(path, "content");
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (!fs::exists(path) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_EQ(test::ReadFile(path), "content");
}
