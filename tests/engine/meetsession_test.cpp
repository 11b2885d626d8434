#include "engine/session/meetsession.h"

#include "engine/editors/creweditor.h"
#include "engine/editors/draweditor.h"
#include "engine/editors/listeditor.h"
#include "engine/editors/periodeditor.h"
#include "engine/editors/raceeditor.h"
#include "engine/editors/resultseditor.h"
#include "engine/model/settings.h"
#include "engine/session/recovery.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <functional>
#include <utility>

using namespace bm;

namespace {

// The program around the session: scripted file names, a recent-files list
// kept in memory, and an event loop whose posted calls wait until run.
class FakeHost : public SessionHost {
public:
    std::string ChooseMeetFile(const std::string& proposed) override {
        proposals.push_back(proposed);
        if (names.empty())
            return {};
        std::string name = names.front();
        names.pop_front();
        return name;
    }
    std::string ReadSettings() override {
        ++settingsReads;
        return settingsProblem;
    }
    std::vector<std::string> RecentFiles() override { return recent; }
    void AddRecentFile(const std::string& name) override { bm::AddRecentFile(recent, name); }
    void Post(std::function<void()> call) override { posted.push_back(std::move(call)); }
    // The event loop's turn ends: the posted calls run.
    void RunPosted() {
        while (!posted.empty()) {
            const std::function<void()> call = std::move(posted.front());
            posted.pop_front();
            call();
        }
    }

    std::deque<std::string> names;
    std::vector<std::string> proposals;
    std::vector<std::string> recent;
    std::deque<std::function<void()>> posted;
    int settingsReads = 0;
    std::string settingsProblem;
};

class MeetSessionTest : public ::testing::Test {
protected:
    // A meet file with one event and one crew in the temporary folder.
    std::string MeetFile(const std::string& name, const std::string& title) {
        Boatmeet meet;
        meet.Title = title;
        meet.Events.Add("MS 4-");
        meet.Clubs.Add("Riverside");
        auto crew = std::make_unique<Crew>();
        crew->EventKey = meet.Events.KeyOf("MS 4-");
        crew->ClubKey = meet.Clubs.KeyOf("Riverside");
        meet.AddCrew(std::move(crew));
        const std::string path = dir.File(name);
        EXPECT_TRUE(meet.SaveToFile(path, true));
        return path;
    }

    // A change to the open meet, as an editor makes one.
    void ChangeTitle(MeetSession& changed, const std::string& title) {
        changed.Meet()->Title = title;
        changed.Changed("Change Boatmeet Title/Date");
    }

    test::TempDir dir;
    test::ScriptedMessages messages;
    FakeHost host;
    MeetSession session{host, messages};
};

} // namespace

TEST_F(MeetSessionTest, WithNoMeetOpenCommandsDoNothing) {
    EXPECT_FALSE(session.Save());
    EXPECT_FALSE(session.SaveAs());
    EXPECT_FALSE(session.SaveKeyData());
    EXPECT_FALSE(session.ChangeTitleAndDate());
    EXPECT_FALSE(session.DrawAllEvents());
    EXPECT_FALSE(session.NumberRaces());
    EXPECT_FALSE(session.NumberCrews(true));
    session.CloseMeet();
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_TRUE(messages.informed.empty());
    EXPECT_TRUE(host.proposals.empty());
    EXPECT_EQ(session.WindowTitle(), "Boatmeet:  <No Boatmeet Loaded>");
}

TEST_F(MeetSessionTest, OpenRefusesMissingAndForeignFilesAndKeepsTheMeet) {
    const std::string good = MeetFile("spring.bmf", "Spring");
    ASSERT_TRUE(session.OpenFile(good));
    const std::string missing = dir.File("nothere.bmf");
    EXPECT_FALSE(session.OpenFile(missing));
    const std::string foreign = dir.File("notes.txt");
    test::WriteFile(foreign, "\nBoatmeet: \"after a blank line\"\n");
    EXPECT_FALSE(session.OpenFile(foreign));
    EXPECT_FALSE(session.OpenFile(dir.Path().string()));
    EXPECT_EQ(messages.informed,
              (std::vector<std::string>{"Could not open file : " + missing,
                                        "This file does not appear to be a Boatmeet file..",
                                        "Could not open file : " + dir.Path().string()}));
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_EQ(session.FileName(), good);
    EXPECT_EQ(session.WindowTitle(), "Boatmeet: Spring");
}

TEST_F(MeetSessionTest, OpeningReadsSettingsAndListsTheFile) {
    const std::string a = MeetFile("a.bmf", "A");
    const std::string b = MeetFile("b.bmf", "B");
    host.settingsProblem = "Cannot Read AutoFee data; reset values and save Preferences";
    ASSERT_TRUE(session.OpenFile(a));
    EXPECT_EQ(host.settingsReads, 1);
    EXPECT_EQ(messages.informed, std::vector<std::string>{host.settingsProblem});
    // Nothing unsaved: the meet closes without a question.
    ASSERT_TRUE(session.OpenFile(b));
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_EQ(host.recent, (std::vector<std::string>{b, a}));
    EXPECT_EQ(session.Meet()->Title, "B");
    EXPECT_EQ(session.Meet()->Crews.size(), 1u);
}

TEST_F(MeetSessionTest, OpenLastOpensTheNewestRecentFile) {
    EXPECT_FALSE(session.OpenLast());
    EXPECT_EQ(messages.informed, std::vector<std::string>{"No Previous file to Reopen. Use Open"});
    host.recent = {MeetFile("last.bmf", "Last"), MeetFile("older.bmf", "Older")};
    ASSERT_TRUE(session.OpenLast());
    EXPECT_EQ(session.Meet()->Title, "Last");
}

TEST_F(MeetSessionTest, NewMeetAsksTitleAndDateAndSavesThroughSaveAs) {
    messages.SetNextText("Spring \"Regatta\"");
    messages.SetNextText("1 May");
    ASSERT_TRUE(session.CreateNew());
    EXPECT_EQ(messages.prompts,
              (std::vector<std::string>{"Boatmeet Title|Enter New Name for Boatmeet|",
                                        "Boatmeet Date|Enter New Date for Boatmeet|"}));
    EXPECT_EQ(session.Meet()->Title, "Spring 'Regatta'");
    EXPECT_EQ(session.WindowTitle(), "Boatmeet: Spring 'Regatta'  on  1 May");
    EXPECT_NE(session.Meet()->Clubs.KeyOf("Winner Prev"), -1);
    EXPECT_EQ(session.FileName(), "");
    const std::string target = dir.File("new.bmf");
    host.names = {target};
    ASSERT_TRUE(session.Save());
    EXPECT_EQ(host.proposals, std::vector<std::string>{""});
    EXPECT_EQ(session.FileName(), target);
    EXPECT_EQ(host.recent, std::vector<std::string>{target});
    EXPECT_EQ(MeetFileKind(target), FileKind::Meet);
    // Unchanged texts keep the title and date.
    ASSERT_TRUE(session.ChangeTitleAndDate());
    EXPECT_EQ(session.WindowTitle(), "Boatmeet: Spring 'Regatta'  on  1 May");
}

// "Save Existing Data?" is asked only for unsaved changes; Cancel, and a save
// that fails or whose dialog is cancelled, keep the meet open as it is.
TEST_F(MeetSessionTest, TheCloseQuestionHasThreeAnswers) {
    const std::string path = MeetFile("close.bmf", "Close");
    ASSERT_TRUE(session.OpenFile(path));
    ChangeTitle(session, "Changed");
    messages.SetNextAnswer(Answer::Cancel);
    EXPECT_FALSE(session.CloseMeet());
    ASSERT_TRUE(session.HasMeet());
    EXPECT_EQ(session.Meet()->Title, "Changed");
    EXPECT_TRUE(session.IsModified());

    // A new meet's Save As cancelled, then a save that fails.
    messages.SetNextAnswer(false);
    ASSERT_TRUE(session.CreateNew());
    ChangeTitle(session, "New");
    messages.SetNextAnswer(Answer::Yes);
    EXPECT_FALSE(session.OpenFile(path));
    EXPECT_EQ(session.Meet()->Title, "New");
    host.names = {dir.File("no/such/folder/new.bmf")};
    messages.SetNextAnswer(true);        // Ok to Exit?
    messages.SetNextAnswer(Answer::Yes); // Save Existing Data?
    EXPECT_FALSE(session.QueryExit());
    EXPECT_TRUE(session.HasMeet());
    EXPECT_EQ(messages.informed.back(), "Failed to write to file. DATA NOT SAVED!");

    // Yes with a save that works, and No.
    host.names = {dir.File("new.bmf")};
    messages.SetNextAnswer(Answer::Yes);
    EXPECT_TRUE(session.CloseMeet());
    EXPECT_EQ(Boatmeet::LoadFromFile(dir.File("new.bmf"))->Title, "New");
    ASSERT_TRUE(session.OpenFile(path));
    ChangeTitle(session, "Dropped");
    messages.SetNextAnswer(Answer::No);
    EXPECT_TRUE(session.CloseMeet());
    EXPECT_FALSE(session.HasMeet());
    EXPECT_EQ(Boatmeet::LoadFromFile(path)->Title, "Close");
    EXPECT_EQ(std::count(messages.asked.begin(), messages.asked.end(), "Save Existing Data?"), 6);
}

TEST_F(MeetSessionTest, CancellingTheNewMeetsTitleOrDateKeepsTheOpenMeet) {
    ASSERT_TRUE(session.OpenFile(MeetFile("kept.bmf", "Kept")));
    ChangeTitle(session, "Kept and changed");
    messages.SetNextText(std::nullopt);
    EXPECT_FALSE(session.CreateNew());
    messages.SetNextText("Title");
    messages.SetNextText(std::nullopt);
    EXPECT_FALSE(session.CreateNew());
    EXPECT_EQ(session.Meet()->Title, "Kept and changed");
    EXPECT_TRUE(messages.asked.empty()) << "asked before the meet is closed";
}

TEST_F(MeetSessionTest, ExitAsksFirstAndClosesOnYes) {
    ASSERT_TRUE(session.OpenFile(MeetFile("x.bmf", "X")));
    EXPECT_FALSE(session.QueryExit());
    EXPECT_TRUE(session.HasMeet());
    messages.SetNextAnswer(true); // Ok to Exit?
    EXPECT_TRUE(session.QueryExit());
    EXPECT_FALSE(session.HasMeet());
    EXPECT_EQ(messages.asked, (std::vector<std::string>{"Ok to Exit?", "Ok to Exit?"}));
}

TEST_F(MeetSessionTest, AFailedSaveKeepsTheNameAndSaysSo) {
    const std::string path = MeetFile("kept.bmf", "Kept");
    ASSERT_TRUE(session.OpenFile(path));
    host.names = {dir.File("no/such/folder/x.bmf")};
    EXPECT_FALSE(session.SaveAs());
    EXPECT_EQ(messages.informed,
              std::vector<std::string>{"Failed to write to file. DATA NOT SAVED!"});
    EXPECT_EQ(session.FileName(), path);
    EXPECT_EQ(host.recent, std::vector<std::string>{path});
}

TEST_F(MeetSessionTest, KeyDataProposesAKeyNameAndKeepsTheFileName) {
    const std::string path = MeetFile("spring.bmf", "Spring");
    ASSERT_TRUE(session.OpenFile(path));
    EXPECT_FALSE(session.SaveKeyData()); // No to the question
    EXPECT_TRUE(host.proposals.empty());
    messages.SetNextAnswer(true);
    host.names = {dir.File("springKey.bmf")};
    ASSERT_TRUE(session.SaveKeyData());
    EXPECT_EQ(host.proposals, std::vector<std::string>{dir.File("springKey.bmf")});
    EXPECT_EQ(messages.asked.back(),
              "This saves only key data; NO crew, draw or race info is saved. Continue?");
    EXPECT_EQ(session.FileName(), path);
    // Never over the meet file itself: its crews and draws would be lost.
    const std::string meetBytes = test::ReadFile(path);
    messages.SetNextAnswer(true);
    host.names = {path};
    EXPECT_FALSE(session.SaveKeyData());
    EXPECT_EQ(messages.informed.back(), "The key data cannot replace the meet file itself");
    EXPECT_EQ(test::ReadFile(path), meetBytes);
    const std::string key = test::ReadFile(dir.File("springKey.bmf"));
    EXPECT_EQ(key.find("Crew:"), std::string::npos);
    EXPECT_NE(key.find("MS 4-"), std::string::npos);

    EXPECT_EQ(KeyDataFileName("D:\\meets\\spring.bmf"), "D:\\meets\\springKey.bmf");
    EXPECT_EQ(KeyDataFileName("spring.txt"), "spring.txtKey");
    EXPECT_EQ(KeyDataFileName("spring.BMF"), "spring.BMFKey");
    EXPECT_EQ(KeyDataFileName(".bmf"), ".bmfKey");
    EXPECT_EQ(KeyDataFileName(""), "Key");
}

TEST_F(MeetSessionTest, DrawAllAsksOnALoadedMeetEvenWhenNothingIsDrawn) {
    ASSERT_TRUE(session.OpenFile(MeetFile("d.bmf", "D")));
    EXPECT_FALSE(session.DrawAllEvents());
    EXPECT_EQ(messages.asked,
              std::vector<std::string>{"Some events may be drawn. OK to overwrite Draw?"});
    messages.SetNextAnswer(true);
    EXPECT_TRUE(session.DrawAllEvents());
    // A new meet has no draws yet: nothing to overwrite, no question.
    messages.SetNextAnswer(false); // Save Existing Data?
    ASSERT_TRUE(session.CreateNew());
    EXPECT_TRUE(session.DrawAllEvents());
    EXPECT_EQ(messages.asked.size(), 3u);
}

TEST_F(MeetSessionTest, NumberCrewsByEventAndByClub) {
    ASSERT_TRUE(session.OpenFile(MeetFile("n.bmf", "N")));
    EXPECT_TRUE(session.NumberCrews(false));
    EXPECT_EQ(session.Meet()->Crews.front()->Number, 1);
    EXPECT_TRUE(session.NumberRaces());
}

TEST_F(MeetSessionTest, CommandsAreStepsThatUndoInPlace) {
    ASSERT_TRUE(session.OpenFile(MeetFile("u.bmf", "U")));
    Boatmeet* meet = session.Meet();
    const std::string opened = meet->SavedText();
    EXPECT_FALSE(session.IsModified());
    messages.SetNextAnswer(true);
    ASSERT_TRUE(session.DrawAllEvents());
    ASSERT_TRUE(session.NumberCrews(false));
    EXPECT_TRUE(session.IsModified());
    EXPECT_EQ(session.History().UndoText(), "Undo Number Crews By Club");
    ASSERT_TRUE(session.Undo());
    EXPECT_EQ(session.History().UndoText(), "Undo Draw all Events");
    ASSERT_TRUE(session.Undo());
    EXPECT_FALSE(session.Undo());
    EXPECT_EQ(session.Meet(), meet) << "the window's meet stays the same object";
    EXPECT_EQ(meet->SavedText(), opened);
    EXPECT_FALSE(session.IsModified());
    EXPECT_EQ(session.History().RedoText(), "Redo Draw all Events");
    // Opening another meet starts an empty history.
    ASSERT_TRUE(session.OpenFile(MeetFile("v.bmf", "V")));
    EXPECT_FALSE(session.History().CanRedo());
}

// Another program (boatmeet-cli, say) writes the open meet's file.
TEST_F(MeetSessionTest, SaveAsksBeforeOverwritingAFileChangedByAnotherProgram) {
    const std::string path = MeetFile("race.bmf", "Race Day");
    ASSERT_TRUE(session.OpenFile(path));
    const std::string question =
        "The file " + path + " was changed by another program since it was opened. Overwrite it?";
    // Written again with the same content (a copy, a sync): nothing to ask.
    test::WriteFile(path, test::ReadFile(path));
    EXPECT_TRUE(session.Save());
    EXPECT_TRUE(messages.asked.empty());
    const std::string theirs = test::ReadFile(MeetFile("other.bmf", "Results In"));
    test::WriteFile(path, theirs);
    EXPECT_TRUE(session.FileChangedOnDisk());
    messages.SetNextAnswer(false);
    EXPECT_FALSE(session.Save());
    EXPECT_EQ(messages.asked, std::vector<std::string>{question});
    EXPECT_EQ(test::ReadFile(path), theirs);
    EXPECT_EQ(session.Meet()->Title, "Race Day");
    // The same content with one letter changed: the size alone does not tell.
    std::string edited = theirs;
    edited[edited.find("Results In")] = 'r';
    test::WriteFile(path, edited);
    messages.SetNextAnswer(true);
    EXPECT_TRUE(session.Save());
    EXPECT_EQ(messages.asked.size(), 2u);
    EXPECT_EQ(Boatmeet::LoadFromFile(path)->Title, "Race Day");
    // Saved here: no question until another program writes again. Saving
    // under another name follows that file from then on.
    EXPECT_FALSE(session.FileChangedOnDisk());
    EXPECT_TRUE(session.Save());
    host.names = {dir.File("copy.bmf")};
    ASSERT_TRUE(session.SaveAs());
    test::WriteFile(path, theirs);
    EXPECT_TRUE(session.Save());
    EXPECT_EQ(messages.asked.size(), 2u);
    // A file deleted meanwhile is simply written again.
    std::filesystem::remove(dir.File("copy.bmf"));
    EXPECT_TRUE(session.Save());
    EXPECT_EQ(messages.asked.size(), 2u);
}

TEST_F(MeetSessionTest, AnUnchangedMeetOffersToReloadItsChangedFile) {
    const std::string path = MeetFile("race.bmf", "Race Day");
    ASSERT_TRUE(session.OpenFile(path));
    EXPECT_FALSE(session.OfferReload());
    const std::string question = "The file " + path + " was changed by another program. Reload it?";
    test::WriteFile(path, test::ReadFile(MeetFile("b.bmf", "Results In")));
    messages.SetNextAnswer(false);
    EXPECT_FALSE(session.OfferReload());
    EXPECT_FALSE(session.OfferReload()) << "asked once for one content of the file";
    EXPECT_EQ(messages.asked, std::vector<std::string>{question});
    EXPECT_EQ(session.Meet()->Title, "Race Day");
    // Declining the reload does not allow overwriting.
    EXPECT_FALSE(session.Save());
    EXPECT_EQ(messages.asked.size(), 2u);
    test::WriteFile(path, test::ReadFile(MeetFile("c.bmf", "Results Later")));
    messages.SetNextAnswer(true);
    EXPECT_TRUE(session.OfferReload());
    EXPECT_EQ(messages.asked.size(), 3u);
    EXPECT_EQ(messages.asked.back(), question);
    EXPECT_EQ(session.Meet()->Title, "Results Later");
    EXPECT_FALSE(session.IsModified());
    EXPECT_TRUE(session.Save());
    EXPECT_EQ(messages.asked.size(), 3u);
    // With a change not saved, the window never offers to throw it away.
    ChangeTitle(session, "Mine");
    test::WriteFile(path, test::ReadFile(MeetFile("d.bmf", "Theirs")));
    EXPECT_FALSE(session.OfferReload());
    EXPECT_EQ(messages.asked.size(), 3u);
    EXPECT_EQ(session.Meet()->Title, "Mine");
}

class MeetRecoveryTest : public MeetSessionTest {
protected:
    void SetUp() override { session.SetRecoveryFolder(folder); }

    std::string ChangeAndFlush(MeetSession& changed, const std::string& title) {
        ChangeTitle(changed, title);
        changed.FlushRecovery();
        return changed.RecoveryCopyPath();
    }

    std::string folder = dir.File("appdata");
};

TEST_F(MeetRecoveryTest, TheCopyHoldsUnsavedChangesOnly) {
    const std::string path = MeetFile("spring.bmf", "Spring");
    ASSERT_TRUE(session.OpenFile(path));
    const std::int64_t before = MillisecondsNow();
    const std::string copyPath = ChangeAndFlush(session, "Changed");
    EXPECT_EQ(std::filesystem::path(copyPath).parent_path(), folder);
    RecoveryCopy copy;
    ASSERT_TRUE(ReadRecoveryCopy(copyPath, copy));
    EXPECT_EQ(copy.MeetFile, MeetFileIdentity(path));
    EXPECT_GE(copy.Changed, before);
    EXPECT_LE(copy.Changed, MillisecondsNow());
    EXPECT_EQ(LoadRecoveryCopy(copy)->SavedText(), session.Meet()->SavedText());

    ASSERT_TRUE(session.Save());
    session.FlushRecovery();
    EXPECT_FALSE(std::filesystem::exists(copyPath));
    ChangeAndFlush(session, "Changed again");
    EXPECT_TRUE(std::filesystem::exists(copyPath));
    ASSERT_TRUE(session.Undo()); // back to what is saved
    session.FlushRecovery();
    EXPECT_FALSE(std::filesystem::exists(copyPath));
    ASSERT_TRUE(session.Redo());
    messages.SetNextAnswer(true); // Save Existing Data?
    session.CloseMeet();
    EXPECT_FALSE(std::filesystem::exists(copyPath));
    EXPECT_TRUE(std::filesystem::is_empty(folder)) << "no copy and no lock left behind";
}

TEST_F(MeetRecoveryTest, ReopeningAfterNotSavingOffersTheChanges) {
    const std::string path = MeetFile("spring.bmf", "Spring");
    ASSERT_TRUE(session.OpenFile(path));
    const std::string copyPath = ChangeAndFlush(session, "Changed");
    session.CloseMeet(); // No to "Save Existing Data?"
    ASSERT_TRUE(std::filesystem::exists(copyPath));

    messages.SetNextAnswer(true);
    ASSERT_TRUE(session.OpenFile(path));
    ASSERT_EQ(messages.asked.size(), 2u);
    EXPECT_TRUE(messages.asked[1].starts_with(
        "Boatmeet was closed without saving changes to spring.bmf (last change at "));
    EXPECT_EQ(session.Meet()->Title, "Changed");
    EXPECT_TRUE(session.IsModified());
    EXPECT_FALSE(session.History().CanUndo());
    EXPECT_EQ(session.FileName(), path);
    ASSERT_TRUE(session.Save());
    session.FlushRecovery();
    EXPECT_FALSE(std::filesystem::exists(copyPath));
    EXPECT_NE(test::ReadFile(path).find("\"Changed\""), std::string::npos);

    ChangeAndFlush(session, "Dropped");
    session.CloseMeet();
    ASSERT_TRUE(session.OpenFile(path)); // No to the recovery question
    EXPECT_EQ(session.Meet()->Title, "Changed");
    EXPECT_FALSE(session.IsModified());
    EXPECT_EQ(FindRecoveryCopies(folder).size(), 0u);
}

TEST_F(MeetRecoveryTest, ANewMeetLeftByACrashIsOfferedAtStart) {
    {
        MeetSession crashed(host, messages);
        crashed.SetRecoveryFolder(folder);
        messages.SetNextText("Spring");
        messages.SetNextText("1 May");
        ASSERT_TRUE(crashed.CreateNew());
        crashed.Meet()->Events.Add("MS 4-");
        crashed.Changed("Event change");
        crashed.FlushRecovery();
        // While the program that has it open runs, nobody else is offered it.
        EXPECT_FALSE(session.OfferRecovery());
        EXPECT_TRUE(messages.asked.empty());
    } // ends without closing the meet

    messages.SetNextAnswer(true);
    ASSERT_TRUE(session.OfferRecovery());
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_TRUE(messages.asked[0].starts_with(
        "Boatmeet was closed without saving changes to the new Boatmeet \"Spring\" (last "));
    EXPECT_EQ(session.FileName(), "");
    EXPECT_TRUE(session.IsModified());
    EXPECT_EQ(session.Meet()->Events.KeyOf("MS 4-"), 1);
    EXPECT_EQ(session.WindowTitle(), "Boatmeet: Spring  on  1 May");
    host.names = {dir.File("spring.bmf")};
    ASSERT_TRUE(session.Save());
    session.FlushRecovery();
    EXPECT_TRUE(FindRecoveryCopies(folder).empty());
    EXPECT_FALSE(session.IsModified());
}

namespace {

// A view of the meet that records what it is told.
class RecordingView : public MeetObserver {
public:
    void MeetChanged(const MeetChanges& changes) override {
        ++changed;
        aspects = changes.Aspects();
        concernsTitle = changes.Concern(this, aspect::Title);
        concernsCrews = changes.Concern(this, aspect::Crews);
    }
    void MeetReplaced() override { ++replaced; }

    int changed = 0;
    int replaced = 0;
    unsigned aspects = 0;
    bool concernsTitle = false;
    bool concernsCrews = false;
};

} // namespace

TEST_F(MeetSessionTest, ViewsAreToldOnceForEveryChangeOfAGesture) {
    RecordingView editor;
    RecordingView report;
    session.AddObserver(editor);
    session.AddObserver(report);
    ASSERT_TRUE(session.OpenFile(MeetFile("views.bmf", "Views")));
    EXPECT_EQ(editor.replaced, 1) << "the old meet is let go of at once";
    EXPECT_EQ(editor.changed, 0);
    host.RunPosted();
    EXPECT_EQ(report.changed, 1);
    EXPECT_EQ(report.aspects, aspect::All);

    // Three changes in one turn of the event loop: one telling, after the turn.
    session.Meet()->Title = "Typed";
    session.Changed("Change Boatmeet Title/Date", {}, {aspect::Title, &editor});
    session.Meet()->Crews.front()->Name = "Typed";
    session.Changed("Crew change", "crew 1 name", {aspect::Crews, &editor});
    session.Changed("Crew change", "crew 1 name", {aspect::Crews, &editor});
    EXPECT_EQ(host.posted.size(), 1u);
    EXPECT_EQ(report.changed, 1);
    host.RunPosted();
    EXPECT_EQ(report.changed, 2);
    EXPECT_EQ(editor.changed, 2);
    EXPECT_EQ(report.aspects, aspect::Title | aspect::Crews);
    // The view that made the changes already shows them; the others do not.
    EXPECT_FALSE(editor.concernsTitle);
    EXPECT_TRUE(report.concernsCrews);
    EXPECT_EQ(session.History().UndoCount(), 2u);

    // Undo changes everything; a removed view hears nothing more.
    session.RemoveObserver(editor);
    ASSERT_TRUE(session.Undo());
    host.RunPosted();
    EXPECT_EQ(report.changed, 3);
    EXPECT_TRUE(report.concernsTitle);
    EXPECT_EQ(editor.changed, 2);
    session.RemoveObserver(report);
}

TEST_F(MeetSessionTest, ATellingPostedBeforeTheSessionEndedDoesNothing) {
    RecordingView view;
    {
        MeetSession shortLived(host, messages);
        shortLived.AddObserver(view);
        ASSERT_TRUE(shortLived.OpenFile(MeetFile("gone.bmf", "Gone")));
        shortLived.RemoveObserver(view);
    }
    host.RunPosted();
    EXPECT_EQ(view.changed, 0);
}

// Every kind of change the windows make passes through the session's one
// door: it is an undoable step named for the Edit menu, and the recovery copy
// holds it.
TEST_F(MeetRecoveryTest, EveryKindOfChangeIsAStepAndReachesTheRecoveryCopy) {
    ASSERT_TRUE(session.OpenFile(test::CopyFixture(dir, "sched_drawn.bmf")));
    Boatmeet& meet = *session.Meet();
    CrewEditor crews(meet);
    ListEditor events(meet, EditedList::Events);
    DrawEditor draws(meet);
    ResultsEditor results;
    const Confirm yes = [](const std::string&) { return true; };
    const EditPeriod period = [](RacePeriod& record) {
        record = {1300, 1400, 5, 0};
        return PeriodDialogResult::Ok;
    };
    struct Step {
        const char* name;
        std::function<EditResult()> action;
    };
    const std::vector<Step> steps = {
        {"Crew change", [&] { return crews.SelectLine(0), crews.EditName("Renamed"); }},
        {"Event change", [&] { return events.Add("WS 8+"); }},
        {"Draw edit",
         [&] { return draws.DoNewEvent(meet.Events.KeyOf("WS 2x")), draws.DoExpand(); }},
        {"Race time", [&] { return SetRaceTime(meet, "1", "0945"); }},
        {"Result",
         [&] { return results.GenerateCrewList(meet, "1"), results.CrewSelected(meet, 0, "1L"); }},
        {"Race periods", [&] { return AddRacePeriod(meet, period); }},
        {"Clear Race Times", [&] { return ClearTimesInEditor(meet, yes); }},
    };
    ASSERT_TRUE(session.NumberRaces());
    for (const Step& step : steps) {
        const std::string before = meet.SavedText();
        session.Finish(step.action(), step.name);
        ASSERT_NE(meet.SavedText(), before) << step.name;
        EXPECT_EQ(session.History().UndoText(), std::string("Undo ") + step.name);
        session.FlushRecovery();
        RecoveryCopy copy;
        ASSERT_TRUE(ReadRecoveryCopy(session.RecoveryCopyPath(), copy)) << step.name;
        EXPECT_EQ(LoadRecoveryCopy(copy)->SavedText(), meet.SavedText()) << step.name;
        const std::string after = meet.SavedText();
        ASSERT_TRUE(session.Undo());
        EXPECT_EQ(meet.SavedText(), before) << step.name;
        ASSERT_TRUE(session.Redo());
        EXPECT_EQ(meet.SavedText(), after) << step.name;
        crews.Reload();
        draws.Reload();
    }
}

// Two windows on one file: B declines to overwrite A's save and closes. B's
// changes come back as a new meet, and A's file stays as A saved it.
TEST_F(MeetRecoveryTest, ChangesMadeOnAnOlderFileRecoverAsANewMeet) {
    const std::string path = MeetFile("spring.bmf", "Spring");
    MeetSession windowA(host, messages);
    ASSERT_TRUE(windowA.OpenFile(path));
    {
        MeetSession windowB(host, messages);
        windowB.SetRecoveryFolder(folder);
        ASSERT_TRUE(windowB.OpenFile(path));
        ChangeAndFlush(windowB, "B");
        ChangeTitle(windowA, "A");
        ASSERT_TRUE(windowA.Save());
        messages.SetNextAnswer(true);  // Save Existing Data?
        messages.SetNextAnswer(false); // Overwrite it? The meet stays open.
        EXPECT_FALSE(windowB.CloseMeet());
        messages.SetNextAnswer(false); // Save Existing Data?
        EXPECT_TRUE(windowB.CloseMeet());
    }
    const std::string savedByA = test::ReadFile(path);
    messages.asked.clear();
    messages.SetNextAnswer(true);
    ASSERT_TRUE(session.OfferRecovery());
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_TRUE(messages.asked[0].starts_with(
        "Boatmeet was closed without saving changes to spring.bmf (last change at "));
    EXPECT_TRUE(messages.asked[0].ends_with(". The file has been changed since. Recover the "
                                            "unsaved changes as a new, unsaved meet?"));
    EXPECT_EQ(session.Meet()->Title, "B");
    EXPECT_EQ(session.FileName(), "");
    EXPECT_TRUE(session.IsModified());
    host.names = {dir.File("b.bmf")};
    ASSERT_TRUE(session.Save());
    EXPECT_EQ(host.proposals.back(), "") << "saved as a new file";
    EXPECT_EQ(test::ReadFile(path), savedByA);
    EXPECT_EQ(Boatmeet::LoadFromFile(dir.File("b.bmf"))->Title, "B");
}

// A copy cut short (a full disk, a failing stick) is never taken for the
// whole meet: what it holds opens as a new meet, and the file stays.
TEST_F(MeetRecoveryTest, ADamagedCopyNeverReplacesTheFile) {
    const std::string path = MeetFile("spring.bmf", "Spring");
    ASSERT_TRUE(session.OpenFile(path));
    const std::string copyPath = ChangeAndFlush(session, "Changed");
    session.CloseMeet(); // No to "Save Existing Data?"
    const std::string copy = test::ReadFile(copyPath);
    test::WriteFile(copyPath, copy.substr(0, copy.size() / 2));
    const std::string before = test::ReadFile(path);

    messages.SetNextAnswer(true);
    ASSERT_TRUE(session.OpenFile(path));
    EXPECT_EQ(messages.asked.back(), "The recovery copy of spring.bmf is damaged. Recover what "
                                     "could be read as a new, unsaved meet?");
    EXPECT_EQ(session.Meet()->Title, "Changed");
    EXPECT_EQ(session.FileName(), "");
    EXPECT_TRUE(session.IsModified());
    EXPECT_FALSE(session.Save()) << "Save goes to Save As, here cancelled";
    EXPECT_EQ(host.proposals.back(), "");
    EXPECT_EQ(test::ReadFile(path), before);
}

namespace {

// Answers Yes to every question, having another program act while the
// first question is up.
class MeanwhileMessages : public test::ScriptedMessages {
public:
    bool Ask(const std::string& question) override {
        asked.push_back(question);
        if (meanwhile)
            std::exchange(meanwhile, nullptr)();
        return true;
    }
    std::function<void()> meanwhile;
};

} // namespace

// Two programs started together over one copy left behind: the one that asks
// about it has claimed it first, so the other is never offered it, and when
// it opens the copy's file it says so and opens the file as it is. Each then
// keeps its changes in a copy of its own.
TEST_F(MeetRecoveryTest, TwoProgramsNeverShareOneCopy) {
    const std::string path = MeetFile("spring.bmf", "Spring");
    ASSERT_TRUE(session.OpenFile(path));
    const std::string copyPath = ChangeAndFlush(session, "Changed");
    session.CloseMeet(); // No to "Save Existing Data?"
    const std::size_t askedBefore = messages.asked.size();

    MeanwhileMessages firstMessages;
    MeetSession first(host, firstMessages);
    first.SetRecoveryFolder(folder);
    firstMessages.meanwhile = [&] {
        EXPECT_FALSE(session.OfferRecovery());
        EXPECT_TRUE(session.OpenFile(path));
    };
    ASSERT_TRUE(first.OfferRecovery());
    EXPECT_EQ(first.Meet()->Title, "Changed");
    EXPECT_EQ(first.RecoveryCopyPath(), copyPath);
    EXPECT_EQ(messages.asked.size(), askedBefore) << "the other program asked nothing";
    EXPECT_EQ(messages.informed,
              std::vector<std::string>{"The unsaved changes to spring.bmf are open in another "
                                       "program"});
    EXPECT_EQ(session.Meet()->Title, "Spring");
    EXPECT_EQ(session.FileName(), path);
    EXPECT_FALSE(session.IsModified());

    const std::string otherCopy = ChangeAndFlush(session, "Theirs");
    ChangeAndFlush(first, "Mine");
    EXPECT_NE(otherCopy, copyPath);
    RecoveryCopy mine;
    RecoveryCopy theirs;
    ASSERT_TRUE(ReadRecoveryCopy(copyPath, mine));
    ASSERT_TRUE(ReadRecoveryCopy(otherCopy, theirs));
    EXPECT_EQ(LoadRecoveryCopy(mine)->Title, "Mine");
    EXPECT_EQ(LoadRecoveryCopy(theirs)->Title, "Theirs");
}

// A copy whose first line was damaged is still offered, as damaged: what can
// be read opens as a new meet. One that nothing can be read from is set
// aside under a name no search finds, and named.
TEST_F(MeetRecoveryTest, ACopyWithADamagedFirstLineIsOfferedAndAnUnreadableOneSetAside) {
    const std::string path = MeetFile("spring.bmf", "Spring");
    ASSERT_TRUE(session.OpenFile(path));
    const std::string copyPath = ChangeAndFlush(session, "Changed");
    session.CloseMeet(); // No to "Save Existing Data?"
    std::string bytes = test::ReadFile(copyPath);
    ASSERT_TRUE(bytes.starts_with("Boatmeet:"));
    bytes[4] ^= 1;
    test::WriteFile(copyPath, bytes);
    const std::string unreadable = (std::filesystem::path(folder) / "recovery-1.bmf").string();
    test::WriteFile(unreadable, std::string("\0\1\2\n", 4));

    messages.SetNextAnswer(true);
    ASSERT_TRUE(session.OfferRecovery());
    EXPECT_EQ(messages.asked.back(), "The recovery copy of spring.bmf is damaged. Recover what "
                                     "could be read as a new, unsaved meet?");
    EXPECT_EQ(session.Meet()->Title, "Changed");
    EXPECT_EQ(session.Meet()->Crews.size(), 1u);
    EXPECT_EQ(session.FileName(), "");
    EXPECT_TRUE(session.IsModified());
    const std::string kept = unreadable + ".unreadable";
    EXPECT_EQ(messages.informed,
              std::vector<std::string>{"The recovery copy " + unreadable +
                                       " could not be read. It is kept as " + kept + "."});
    EXPECT_FALSE(std::filesystem::exists(unreadable));
    EXPECT_TRUE(std::filesystem::exists(kept));
}
