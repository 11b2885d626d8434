#include "engine/session/recovery.h"

#include "engine/model/textfile.h"
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
    // A copy in the recovery folder of changes made on the meet file (empty: a
    // new meet) as base stamps it.
    std::string Copy(const std::string& name, const std::string& meetFile, std::int64_t changed,
                     const std::string& title = "Spring", const FileStamp& base = {}) {
        const std::string path = (fs::path(folder) / name).string();
        test::WriteFile(path, RecoveryCopyText(MeetText(title), meetFile, changed, base));
        return path;
    }
    // A meet file holding the meet of that title, by the name copies know it.
    std::string MeetFile(const std::string& name, const std::string& title) {
        const std::string path = dir.File(name);
        test::WriteFile(path, MeetText(title));
        return MeetFileIdentity(path);
    }
    std::vector<std::string> Paths(const std::vector<RecoveryCopy>& copies) {
        std::vector<std::string> paths;
        for (const RecoveryCopy& copy : copies)
            paths.push_back(copy.Path);
        return paths;
    }

    test::TempDir dir;
    std::string folder = dir.File("appdata/recovery");
};

} // namespace

TEST_F(RecoveryTest, ACopyIsAMeetFileThatKnowsItsFileTimeAndBase) {
    fs::create_directories(folder);
    const std::string odd = "/meets/50% off\nspring.bmf";
    const FileStamp base{true, 1234, 0xfedcba9876543210};
    const std::string path = Copy("recovery-1.bmf", odd, FiveAfterTwo, "Spring Regatta", base);
    RecoveryCopy copy;
    ASSERT_TRUE(ReadRecoveryCopy(path, copy));
    EXPECT_EQ(copy.Path, path);
    EXPECT_EQ(copy.MeetFile, odd);
    EXPECT_EQ(copy.Changed, FiveAfterTwo);
    EXPECT_EQ(copy.Title, "Spring Regatta");
    EXPECT_TRUE(copy.Base.SameContent(base));
    EXPECT_EQ(copy.Kind, RecoveryKind::Unsaved);
    const std::string meetText = MeetText("Spring Regatta");
    EXPECT_TRUE(copy.Content.SameContent({true, meetText.size(), HashBytes(meetText)}));
    // It opens as the meet it holds, through the usual checks too.
    EXPECT_EQ(MeetFileKind(path), FileKind::Meet);
    auto meet = LoadRecoveryCopy(copy);
    ASSERT_TRUE(meet);
    EXPECT_EQ(meet->SavedText(), meetText);

    // A copy whose first line is no header is a damaged copy, not none.
    ASSERT_TRUE(ParseRecoveryCopy("garbage\nRecoveryFile: /meets/a.bmf\n", copy));
    EXPECT_EQ(copy.Kind, RecoveryKind::Damaged);
    EXPECT_EQ(copy.MeetFile, "/meets/a.bmf");
    EXPECT_FALSE(ParseRecoveryCopy("", copy));
    EXPECT_FALSE(ReadRecoveryCopy(dir.File("absent.bmf"), copy));
}

// The meet file touched, rewritten by another program, saved with the
// copy's content, or gone; and a new meet never saved.
TEST_F(RecoveryTest, CopiesAreJudgedByWhatTheirFileHolds) {
    fs::create_directories(folder);
    const std::int64_t hour = 3600 * 1000;
    const std::string touched = MeetFile("touched.bmf", "On disk");
    const std::string kept =
        Copy("recovery-a.bmf", touched, FiveAfterTwo + 1, "Mine", StampFile(touched));
    fs::last_write_time(touched, fs::file_time_type::clock::now());
    const std::string rewritten = MeetFile("rewritten.bmf", "On disk");
    const std::string changed =
        Copy("recovery-b.bmf", rewritten, FiveAfterTwo, "Mine", StampFile(rewritten));
    test::WriteFile(rewritten, MeetText("Theirs"));
    const std::string saved = MeetFile("saved.bmf", "Mine");
    const std::string outdated = Copy("recovery-c.bmf", saved, FiveAfterTwo + 2 * hour, "Mine");
    const std::string orphan =
        Copy("recovery-d.bmf", dir.File("moved.bmf"), FiveAfterTwo - 2 * hour);
    const std::string unsaved = Copy("recovery-e.bmf", "", FiveAfterTwo + hour);
    test::WriteFile(fs::path(folder) / "notes.bmf", MeetText("not a copy"));
    const std::string garbage = (fs::path(folder) / "recovery-f.bmf").string();
    test::WriteFile(garbage, "garbage");

    const std::vector<RecoveryCopy> found = FindRecoveryCopies(folder);
    ASSERT_EQ(Paths(found), (std::vector<std::string>{garbage, unsaved, kept, changed, orphan}));
    EXPECT_EQ(found[0].Kind, RecoveryKind::Unreadable);
    EXPECT_EQ(found[1].Kind, RecoveryKind::Unsaved);
    EXPECT_EQ(found[2].Kind, RecoveryKind::Unsaved) << "a touched file holds what it held";
    EXPECT_EQ(found[3].Kind, RecoveryKind::FileChanged);
    EXPECT_EQ(found[4].Kind, RecoveryKind::Unsaved);
    EXPECT_FALSE(fs::exists(outdated)) << "a copy its file holds is discarded";
    EXPECT_TRUE(fs::exists(fs::path(folder) / "notes.bmf")) << "other files are left alone";
    EXPECT_TRUE(RecoversAsNewMeet(found[3]));
    EXPECT_FALSE(RecoversAsNewMeet(found[2]));
}

// Two windows on one file both left changes; two more copies were damaged.
TEST_F(RecoveryTest, EveryCopyOfAFileIsFoundAndADamagedCopyIsKnown) {
    fs::create_directories(folder);
    const std::string file = MeetFile("spring.bmf", "On disk");
    const FileStamp base = StampFile(file);
    const std::string older = Copy("recovery-a.bmf", file, FiveAfterTwo, "Window A", base);
    const std::string newer = Copy("recovery-b.bmf", file, FiveAfterTwo + 10, "Window B", base);
    const std::string cut = Copy("recovery-c.bmf", file, FiveAfterTwo + 20, "Cut", base);
    const std::string text = test::ReadFile(cut);
    std::size_t third = 0;
    for (int line = 0; line < 3; ++line)
        third = text.find('\n', third) + 1;
    test::WriteFile(cut, text.substr(0, third));
    const std::string flipped = Copy("recovery-d.bmf", file, FiveAfterTwo + 30, "Flipped", base);
    std::string bytes = test::ReadFile(flipped);
    bytes[bytes.size() - 2] ^= 1;
    test::WriteFile(flipped, bytes);
    Copy("recovery-e.bmf", MeetFile("other.bmf", "Other"), FiveAfterTwo + 40, "Else", base);

    const std::vector<RecoveryCopy> found = FindRecoveryCopies(folder, dir.File("./spring.bmf"));
    ASSERT_EQ(Paths(found), (std::vector<std::string>{flipped, cut, newer, older}));
    EXPECT_EQ(found[0].Kind, RecoveryKind::Damaged);
    EXPECT_EQ(found[1].Kind, RecoveryKind::Damaged);
    EXPECT_EQ(found[2].Kind, RecoveryKind::Unsaved);
    EXPECT_EQ(found[3].Kind, RecoveryKind::Unsaved);
    EXPECT_EQ(RecoveryQuestion(found[1]), "The recovery copy of spring.bmf is damaged. Recover "
                                          "what could be read as a new, unsaved meet?");
    // What could be read of the cut copy: the meet's header.
    const auto meet = LoadRecoveryCopy(found[1]);
    ASSERT_TRUE(meet);
    EXPECT_EQ(meet->Title, "Cut");
    EXPECT_EQ(meet->Events.Count(), 0);
    EXPECT_TRUE(FindRecoveryCopies(dir.File("no folder"), file).empty());

    // Each is offered in turn: No discards it, the first Yes is opened and
    // the rest stay for later.
    test::ScriptedMessages messages;
    messages.SetAnswers({false, false, true});
    const RecoveryChoice chosen = ChooseRecoveryCopy(found, messages);
    ASSERT_TRUE(chosen.Meet);
    EXPECT_EQ(messages.asked.size(), 3u);
    EXPECT_EQ(chosen.Meet->Title, "Window B");
    EXPECT_EQ(chosen.Copy.Path, newer);
    EXPECT_TRUE(chosen.Claim && chosen.Claim->Held()) << "claimed for this program";
    EXPECT_FALSE(fs::exists(flipped));
    EXPECT_FALSE(fs::exists(cut));
    EXPECT_TRUE(fs::exists(older));
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
    // A program killed leaves its lock file; the next look removes it.
    test::WriteFile(fs::path(folder) / "recovery-b.bmf.lock", "");
    EXPECT_EQ(FindRecoveryCopies(folder).size(), 1u);
    EXPECT_FALSE(fs::exists(fs::path(folder) / "recovery-b.bmf.lock"));
    DiscardRecoveryCopy(copy);
    EXPECT_FALSE(fs::exists(path));
    EXPECT_TRUE(FindRecoveryCopies(folder).empty());
    EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(RecoveryTest, TheQuestionNamesTheMeetAndTheTimeOfTheLastChange) {
    const char* zone = std::getenv("TZ");
    const std::string oldZone = zone ? zone : "";
    setenv("TZ", "UTC", 1);
    tzset();
    RecoveryCopy copy;
    copy.MeetFile = "/meets/spring.bmf";
    copy.Title = "Spring Regatta";
    copy.Changed = FiveAfterTwo;
    EXPECT_EQ(RecoveryQuestion(copy), "Boatmeet was closed without saving changes to spring.bmf "
                                      "(last change at 14:05). Recover them?");
    copy.Kind = RecoveryKind::FileChanged;
    EXPECT_EQ(RecoveryQuestion(copy),
              "Boatmeet was closed without saving changes to spring.bmf (last change at 14:05 on "
              "1 June 2024). The file has been changed since. Recover the unsaved changes as a "
              "new, unsaved meet?");
    copy.Kind = RecoveryKind::Unsaved;
    copy.MeetFile.clear();
    EXPECT_EQ(RecoveryQuestion(copy),
              "Boatmeet was closed without saving changes to the new Boatmeet \"Spring Regatta\" "
              "(last change at 14:05). Recover them?");
    copy.Title.clear();
    copy.Changed = FiveAfterTwo - 14 * 3600 * 1000;
    EXPECT_EQ(RecoveryQuestion(copy), "Boatmeet was closed without saving changes to a new "
                                      "Boatmeet (last change at 00:05). Recover them?");
    copy.Kind = RecoveryKind::Damaged;
    EXPECT_EQ(RecoveryQuestion(copy), "The recovery copy of a new Boatmeet is damaged. Recover "
                                      "what could be read as a new, unsaved meet?");
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
