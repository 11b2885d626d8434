#include "engine/model/boatmeet.h"

#include "engine/import/makedata.h"
#include "engine/model/random.h"
#include "engine/schedule/numbering.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace bm;
using bm::test::DataPath;
using bm::test::ReadFile;
using bm::test::TempDir;
using bm::test::WriteFile;

namespace {

std::string Written(Boatmeet& meet, bool full = true) {
    std::ostringstream out;
    EXPECT_TRUE(meet.WriteTo(out, full));
    return out.str();
}

// What the program writes after loading the text.
std::string Rewritten(std::string_view text) {
    return Written(*Boatmeet::LoadFromText(text));
}

// The small meet of tests/data/meet_small.bmf, built in code.
std::unique_ptr<Boatmeet> SmallMeet() {
    auto meet = std::make_unique<Boatmeet>();
    meet->Title = "Spring Regatta";
    meet->Date = "1 May 2024";
    meet->DUTime = 30;
    meet->SType = ScheduleMode::Moderate;
    meet->RaceTimes.SetPeriods({{900, 1200, 5, 0}});
    meet->Events.AddWithKey(1, "MS 4-");
    meet->Events.AddWithKey(2, "WS 1x");
    meet->Clubs.AddWithKey(1, "Winner Prev");
    meet->Clubs.AddWithKey(2, "Riverside");
    meet->Clubs.AddWithKey(3, "Avon");
    meet->EntryFees.AddWithKey(1, "40.00");
    meet->Sponsors.AddWithKey(2, "Acme");
    meet->ClubColours.AddWithKey(2, "Blue");
    meet->ClubContacts.AddWithKey(3, "J. Smith");
    const struct {
        int club, event;
        const char* name;
    } crews[] = {{2, 1, "Alpha"}, {3, 1, "Bravo"}, {2, 1, "Charlie"},
                 {3, 1, "Delta"}, {2, 2, "Echo"},  {3, 2, "Foxtrot"}};
    for (const auto& entry : crews) {
        auto crew = std::make_unique<Crew>();
        crew->ClubKey = entry.club;
        crew->EventKey = entry.event;
        crew->Name = entry.name;
        meet->AddCrew(std::move(crew));
    }
    meet->Crews[0]->Notes = "Lightweight";
    meet->Crews[0]->DayLicences = 2;
    meet->Crews[0]->FeePaid = true;
    meet->Crews[1]->EarlyPay = true;
    meet->LinkDoubleUp(1, 5);
    meet->LinkBoatShare(3, 6);
    Draw& draw = meet->DrawOfEvent(1);
    draw.Build({1, 2, 3, 4}, false);
    const int numbers[] = {0, 3, 1, 2};
    const int times[] = {0, 1000, 930, 935};
    for (int i = 1; i < 4; ++i) {
        draw.RaceAt(i).Number = numbers[i];
        draw.RaceAt(i).Time = times[i];
    }
    draw.RaceAt(3).Winner = 3;
    draw.RaceAt(3).Verdict = "1 length";
    return meet;
}

const std::string kHeader =
    "Boatmeet: \"T\" \"1\" \"40\" \"20\" \" 1.7.1   23/03/2008  \" \"\" \"40\" \"0\" \"2\"\n";

} // namespace

TEST(MeetFile, WritesTheExactLineForms) {
    auto meet = SmallMeet();
    EXPECT_EQ(Written(*meet), ReadFile(DataPath("meet_small.bmf")));
}

TEST(MeetFile, KeyDataHoldNoCrewsOrDrawsAndKeepTheNextId) {
    auto meet = SmallMeet();
    const std::string key = Written(*meet, false);
    EXPECT_EQ(key,
              "Boatmeet: \"Spring Regatta\" \"7\" \"40\" \"20\" \" 1.7.1   23/03/2008  \" "
              "\"1 May 2024\" \"30\" \"1\" \"2\"\n\n"
              "RaceTimeServer: 1  900 1200 5 (0)\n"
              "StrSet: \"Events\" \"1\" \"MS 4-\"\nStrSet: \"Events\" \"2\" \"WS 1x\"\n\n"
              "StrSet: \"Clubs\" \"1\" \"Winner Prev\"\nStrSet: \"Clubs\" \"2\" \"Riverside\"\n"
              "StrSet: \"Clubs\" \"3\" \"Avon\"\n\n"
              "StrSet: \"EntryFees\" \"1\" \"40.00\"\n\n"
              "StrSet: \"Sponsors\" \"2\" \"Acme\"\n\n"
              "StrSet: \"Club Colours\" \"2\" \"Blue\"\n\n"
              "StrSet: \"Club Contacts\" \"3\" \"J. Smith\"\n\n");
    auto loaded = Boatmeet::LoadFromText(key);
    EXPECT_TRUE(loaded->Crews.empty());
    EXPECT_EQ(loaded->NextCrewId, 7);
    ASSERT_EQ(loaded->Draws.size(), 2u);
    EXPECT_EQ(loaded->Draws[0]->Size, 0);
    EXPECT_EQ(loaded->RaceTimes.GetPeriods(), meet->RaceTimes.GetPeriods());
    auto crew = std::make_unique<Crew>();
    EXPECT_EQ(loaded->AddCrew(std::move(crew))->Id, 7);
}

TEST(MeetFile, LoadingGivesBackTheSameMeet) {
    auto meet = Boatmeet::LoadFromFile(DataPath("meet_small.bmf"));
    EXPECT_EQ(meet->Title, "Spring Regatta");
    EXPECT_EQ(meet->Date, "1 May 2024");
    EXPECT_EQ(meet->NextCrewId, 7);
    EXPECT_EQ(meet->DUTime, 30);
    EXPECT_EQ(static_cast<int>(meet->SType), 1);
    EXPECT_EQ(static_cast<int>(meet->FType), 2);
    ASSERT_EQ(meet->Crews.size(), 6u);
    const Crew* alpha = meet->FindCrew(1);
    EXPECT_EQ(alpha->Notes, "Lightweight");
    EXPECT_EQ(alpha->DoubleUps, (std::vector<int>{5}));
    EXPECT_EQ(alpha->DayLicences, 2);
    EXPECT_TRUE(alpha->FeePaid);
    EXPECT_TRUE(meet->FindCrew(2)->EarlyPay);
    EXPECT_EQ(meet->FindCrew(6)->BoatShares, (std::vector<int>{3}));
    const Draw& draw = meet->DrawOfEvent(1);
    ASSERT_EQ(draw.Size, 4);
    EXPECT_EQ(draw.RaceAt(3).Verdict, "1 length");
    EXPECT_EQ(draw.RaceAt(3).Winner, 3);
    EXPECT_EQ(draw.RaceAt(2).Time, 930);
    EXPECT_EQ(meet->DrawOfEvent(2).Size, 0);
    EXPECT_EQ(meet->RaceTimes.GetPeriods(), (std::vector<RacePeriod>{{900, 1200, 5, 0}}));
    EXPECT_EQ(meet->RaceTimes.SlotTime(1), 905);
}

TEST(MeetFile, SaveLoadSaveGivesIdenticalBytes) {
    const std::string small = ReadFile(DataPath("meet_small.bmf"));
    EXPECT_EQ(Rewritten(small), small);

    // A generated meet with draws, times, numbers and results.
    std::string error;
    auto meet = GenerateMeet({"Big \"one\"", 600, 25, 40, 60, 60}, error);
    ASSERT_TRUE(meet) << error;
    for (int i = 0; i < meet->Events.Count(); ++i) {
        const int key = meet->Events.KeyAt(i);
        std::vector<int> ids;
        for (const Crew* crew : meet->ListEventCrews(key, true))
            ids.push_back(crew->Id);
        if (i % 5 == 4 || ids.empty())
            continue; // some events stay undrawn
        Draw& draw = meet->DrawOfEvent(key);
        draw.Build(ids, false);
        draw.RaceAt(1).Time = 1200 + i;
        draw.RaceAt(1).Verdict = "easily";
    }
    NumberRaces(*meet);
    meet->NumberCrewsByClub();
    const std::string first = Written(*meet);
    EXPECT_EQ(Rewritten(first), first);
    EXPECT_NE(first.find("\"Big 'one'\""), std::string::npos);

    TempDir dir;
    ASSERT_TRUE(meet->SaveToFile(dir.File("big.bmf"), true));
    EXPECT_EQ(ReadFile(dir.File("big.bmf")), first);
    EXPECT_EQ(Written(*Boatmeet::LoadFromFile(dir.File("big.bmf"))), first);
}

TEST(MeetFile, SaveFailuresReturnFalseAndLeaveTheOldFile) {
    TempDir dir;
    auto meet = SmallMeet();
    EXPECT_FALSE(meet->SaveToFile(dir.File("missing/folder/meet.bmf"), true));
    // A folder in the way of the target.
    std::filesystem::create_directory(dir.File("taken.bmf"));
    EXPECT_FALSE(meet->SaveToFile(dir.File("taken.bmf"), true));
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("taken.bmf")));

    // A write that fails part way (the file size limit stops it) keeps the old file.
    const std::string target = dir.File("meet.bmf");
    WriteFile(target, "old content\n");
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = meet->SaveToFile(target, true);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadFile(target), "old content\n");

    // No temporary file is left behind.
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        ++entries;
    EXPECT_EQ(entries, 2);

    EXPECT_TRUE(meet->SaveToFile(target, true));
    EXPECT_EQ(ReadFile(target), ReadFile(DataPath("meet_small.bmf")));
}

// A program killed while saving (here by the file size limit, whose signal
// ends it) leaves its temporary file; the next save of that file removes it.
TEST(MeetFile, ASaveAfterAKilledSaveLeavesNoTemporaryFile) {
    TempDir dir;
    auto meet = SmallMeet();
    const std::string target = dir.File("meet.bmf");
    WriteFile(target, "old content\n");
    WriteFile(dir.File("other.bmf"), "another meet\n");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        rlimit small{64, 64};
        setrlimit(RLIMIT_FSIZE, &small);
        meet->SaveToFile(target, true);
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ);
    const auto names = [&dir] {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
            found.push_back(entry.path().filename().string());
        std::sort(found.begin(), found.end());
        return found;
    };
    ASSERT_EQ(names().size(), 3u) << "the killed save left its temporary file";
    EXPECT_EQ(ReadFile(target), "old content\n");

    ASSERT_TRUE(meet->SaveToFile(target, true));
    EXPECT_EQ(names(), (std::vector<std::string>{"meet.bmf", "other.bmf"}));
    EXPECT_EQ(ReadFile(target), ReadFile(DataPath("meet_small.bmf")));
}

TEST(MeetFile, SavingInPlaceKeepsTheFilesModeLinkAndLongName) {
    namespace fs = std::filesystem;
    TempDir dir;
    auto meet = SmallMeet();
    const std::string expected = ReadFile(DataPath("meet_small.bmf"));

    // A private file stays private.
    const std::string privateFile = dir.File("private.bmf");
    WriteFile(privateFile, "old\n");
    fs::permissions(privateFile, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(meet->SaveToFile(privateFile, true));
    EXPECT_EQ(fs::status(privateFile).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);

    // Saving through a link writes the file it points to and keeps the link.
    fs::create_directory(dir.File("elsewhere"));
    const std::string real = dir.File("elsewhere/real.bmf");
    WriteFile(real, "old\n");
    const std::string link = dir.File("link.bmf");
    fs::create_symlink(real, link);
    ASSERT_TRUE(meet->SaveToFile(link, true));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFile(real), expected);

    // A name as long as the folder allows can be saved to.
    const std::string longName = dir.File(std::string(250, 'n') + ".bmf");
    ASSERT_TRUE(meet->SaveToFile(longName, true));
    EXPECT_EQ(ReadFile(longName), expected);
}

TEST(MeetFile, WriteToReportsAFailedStream) {
    auto meet = SmallMeet();
    std::ostringstream out;
    out.setstate(std::ios::failbit);
    EXPECT_FALSE(meet->WriteTo(out, true));
    EXPECT_EQ(out.str(), "");
}

TEST(MeetFileReading, Header) {
    auto meet = Boatmeet::LoadFromText(
        "Boatmeet: \"T\" \"12\" \"35\" \"15\" \" 0.9 \" \"D\" \"0\" \"2\" \"1\"\n"
        "Boatmeet: \"Second\" \"99\"\n");
    EXPECT_EQ(meet->Title, "T");
    EXPECT_EQ(meet->NextCrewId, 12);
    EXPECT_EQ(meet->BRTime, 35);
    EXPECT_EQ(meet->BSTime, 15);
    EXPECT_EQ(meet->DUTime, 35); // field 6 of 0 takes field 2
    EXPECT_EQ(meet->Version, " 0.9 ");
    EXPECT_EQ(meet->Date, "D");
    EXPECT_EQ(static_cast<int>(meet->SType), 2);
    EXPECT_EQ(static_cast<int>(meet->FType), 1);
    // The writer always writes its own version text.
    EXPECT_NE(Written(*meet).find("\" 1.7.1   23/03/2008  \""), std::string::npos);

    // Choices outside 0 to 2 take their defaults.
    for (const char* choice : {"3", "-1", "99999999999", "x"}) {
        const std::string text =
            std::string("Boatmeet: \"T\" \"1\" \"40\" \"20\" \"v\" \"\" \"40\" \"") + choice +
            "\" \"" + choice + "\"\n";
        auto odd = Boatmeet::LoadFromText(text);
        EXPECT_EQ(static_cast<int>(odd->SType), 0) << choice;
        EXPECT_EQ(static_cast<int>(odd->FType), std::string(choice) == "x" ? 0 : 2) << choice;
    }
    // A missing header leaves the defaults; crews before the header are not read.
    auto headless =
        Boatmeet::LoadFromText("Crew: \"1\" \"1\" \"1\"\nStrSet: \"Events\" \"1\" \"E\"\n");
    EXPECT_EQ(headless->NextCrewId, 1);
    EXPECT_EQ(static_cast<int>(headless->FType), 2);
    EXPECT_TRUE(headless->Crews.empty());
    EXPECT_EQ(headless->Events.TextOf(1), "E");
}

TEST(MeetFileReading, NextCrewIdStaysAboveEveryStoredId) {
    auto meet =
        Boatmeet::LoadFromText(kHeader + "Crew: \"9\" \"1\" \"1\"\nCrew: \"4\" \"1\" \"1\"\n");
    EXPECT_EQ(meet->NextCrewId, 10);
    auto negative = Boatmeet::LoadFromText("Boatmeet: \"T\" \"-5\"\n");
    EXPECT_EQ(negative->NextCrewId, 1);
    auto huge = Boatmeet::LoadFromText(kHeader + "Crew: \"99999999999\" \"1\" \"1\"\n");
    EXPECT_EQ(huge->Crews[0]->Id, INT_MAX);
    EXPECT_EQ(huge->NextCrewId, INT_MAX);
    EXPECT_EQ(huge->AddCrew(std::make_unique<Crew>())->Id, 1);
}

TEST(MeetFileReading, StringSets) {
    auto meet = Boatmeet::LoadFromText("StrSet: \"Clubs\" \"4\" \"Early\"\n" + kHeader +
                                       "StrSet: \"Clubs\" \"2\" \"Avon\"\n"
                                       "StrSet: \"Clubs\" \"3\" \"\"\n"
                                       "StrSet: \"Clubs\" \"2\" \"Avon Rowing\"\n"
                                       "StrSet: \"Clubs\" \"5\" \"AVON ROWING\"\n"
                                       "StrSet: \"Sponsors\" \"1\" \"Acme\"\n"
                                       "StrSet: \"Sponsors\" \"2\" \"Acme\"\n"
                                       "StrSet: \"Nonsense\" \"1\" \"x\"\n"
                                       "StrSet: \"Club Colours\" \"4\" \"Red\n");
    EXPECT_EQ(meet->Clubs.Texts(), (std::vector<std::string>{"Early", "Avon Rowing"}));
    EXPECT_EQ(meet->Clubs.Keys(), (std::vector<int>{4, 2}));
    EXPECT_EQ(meet->Sponsors.Count(), 2);
    EXPECT_EQ(meet->ClubColours.TextOf(4), "Red"); // closing quote missing
    EXPECT_EQ(meet->Events.Count(), 0);
}

TEST(MeetFileReading, CrewLinksWithoutOwnIdOrRepeats) {
    auto meet = Boatmeet::LoadFromText(
        kHeader +
        "Crew: \"3\" \"1\" \"1\" \"-1\" \"3 5 5 7 \" \"3 3 \" \"N\" \"\" \"0\" \"1\" \"0\"\n");
    ASSERT_EQ(meet->Crews.size(), 1u);
    EXPECT_EQ(meet->Crews[0]->DoubleUps, (std::vector<int>{5, 7}));
    EXPECT_TRUE(meet->Crews[0]->BoatShares.empty());
}

TEST(MeetFileReading, RacePeriods) {
    auto meet = Boatmeet::LoadFromText(kHeader + "RaceTimeServer: 1  900 1200 5 (0)\n");
    EXPECT_EQ(meet->RaceTimes.GetPeriods(), (std::vector<RacePeriod>{{900, 1200, 5, 0}}));
    EXPECT_EQ(meet->RaceTimes.SlotTime(0), 900);
    auto older = Boatmeet::LoadFromText(kHeader + "RaceTimeServer: 2 900 1000 6 1330 1500 12\n");
    EXPECT_EQ(older->RaceTimes.GetPeriods(),
              (std::vector<RacePeriod>{{900, 1000, 6, 0}, {1330, 1500, 12, 0}}));
    auto last = Boatmeet::LoadFromText(kHeader + "RaceTimeServer: 1  900 1200 5 (0)\n"
                                                 "RaceTimeServer: 1  800 830 4 (1)\n");
    EXPECT_EQ(last->RaceTimes.GetPeriods(), (std::vector<RacePeriod>{{800, 830, 4, 1}}));
    // A hostile count makes no phantom periods.
    auto hostile = Boatmeet::LoadFromText(kHeader + "RaceTimeServer: 2000000000  900 1200 5 (0)\n");
    EXPECT_EQ(hostile->RaceTimes.Count(), 1);
}

namespace {

const std::string kTwoEvents = kHeader + "StrSet: \"Events\" \"1\" \"MS 4-\"\n"
                                         "StrSet: \"Events\" \"2\" \"WS 1x\"\n";

} // namespace

TEST(MeetFileReading, DrawBlocksOfUnknownEventsVanishAndMissingOnesAreEmpty) {
    auto meet = Boatmeet::LoadFromText(kTwoEvents + "Draw:\n9 2\n1 -1 -1 9 2 5 6 -1 <>\n"
                                                    "Draw:\n2 2\n1 -1 -1 2 2 5 6 -1 <>\n");
    ASSERT_EQ(meet->Draws.size(), 2u);
    EXPECT_EQ(meet->Draws[0]->EventKey, 1);
    EXPECT_EQ(meet->Draws[0]->Size, 0);
    EXPECT_EQ(meet->Draws[1]->Size, 2);
    EXPECT_EQ(meet->FindDraw(9), nullptr);
    const std::string written = Written(*meet);
    EXPECT_NE(written.find("Draw:\n1 0\nDraw:\n2 2\n1 -1 -1 2 2 5 6 -1 <>\n"), std::string::npos);
    EXPECT_EQ(written.find("9 2"), std::string::npos);
}

TEST(MeetFileReading, BadDrawSizesLoadUndrawnAndPassOverTheirLines) {
    for (const char* size : {"3", "-4", "1", "131072", "99999999999", "x"}) {
        auto meet = Boatmeet::LoadFromText(kTwoEvents + "Draw:\n1 " + size +
                                           "\n1 -1 -1 1 2 5 6 -1 <>\n2 -1 -1 1 2 5 6 -1 <>\n"
                                           "Draw:\n2 2\n1 -1 -1 2 2 7 8 -1 <>\n");
        EXPECT_EQ(meet->DrawOfEvent(1).Size, 0) << size;
        ASSERT_EQ(meet->DrawOfEvent(2).Size, 2) << size;
        EXPECT_EQ(meet->DrawOfEvent(2).RaceAt(1).Slots, (std::array<int, 2>{7, 8})) << size;
    }
    auto largest = Boatmeet::LoadFromText(kTwoEvents + "Draw:\n1 65536\n");
    EXPECT_EQ(largest->DrawOfEvent(1).Size, 65536);
}

TEST(MeetFileReading, RaceLinesAreRepairedIntoTheTable) {
    auto meet = Boatmeet::LoadFromText(kTwoEvents + "Draw:\n1 4\n"
                                                    "0 -1 -1 1 2 5 6 -1 <zero>\n"
                                                    "9 -1 -1 1 2 5 6 -1 <nine>\n"
                                                    "2 4 1000 1 3 5 6 7 6 <three slots>\n");
    const Draw& draw = meet->DrawOfEvent(1);
    ASSERT_EQ(draw.Size, 4);
    EXPECT_EQ(draw.RaceAt(2).Slots, (std::array<int, 2>{5, 6}));
    EXPECT_EQ(draw.RaceAt(2).Winner, 6);
    EXPECT_EQ(draw.RaceAt(2).Verdict, "three slots");
    for (int i : {1, 3}) {
        EXPECT_EQ(draw.RaceAt(i).Index, i);
        EXPECT_EQ(draw.RaceAt(i).EventKey, 1);
        EXPECT_EQ(draw.RaceAt(i).Slots, (std::array<int, 2>{0, 0}));
        EXPECT_EQ(draw.RaceAt(i).Winner, -1);
        EXPECT_EQ(draw.RaceAt(i).Time, -1);
    }
    auto fewSlots = Boatmeet::LoadFromText(kTwoEvents + "Draw:\n1 2\n1 -1 -1 1 1 5 -1 <>\n");
    EXPECT_EQ(fewSlots->DrawOfEvent(1).RaceAt(1).Slots, (std::array<int, 2>{5, 0}));
    EXPECT_EQ(Written(*fewSlots).find("1 -1 -1 1 2 5 0 -1 <>\n") != std::string::npos, true);
}

TEST(MeetFileReading, ATruncatedBlockEndsAtABlankOrKeywordLine) {
    auto meet = Boatmeet::LoadFromText(kTwoEvents + "Draw:\n1 8\n1 -1 -1 1 2 -2 -3 -1 <>\n"
                                                    "Draw:\n2 2\n1 -1 -1 2 2 7 8 -1 <>\n"
                                                    "Draw:\n1 2\n1 -1 -1 1 2 1 2 -1 <later>\n");
    ASSERT_EQ(meet->DrawOfEvent(1).Size, 8); // the first block of a key counts
    EXPECT_EQ(meet->DrawOfEvent(1).RaceAt(1).Slots, (std::array<int, 2>{-2, -3}));
    EXPECT_EQ(meet->DrawOfEvent(1).RaceAt(7).Index, 7);
    EXPECT_EQ(meet->DrawOfEvent(2).RaceAt(1).Slots, (std::array<int, 2>{7, 8}));

    auto blank = Boatmeet::LoadFromText(kTwoEvents + "Draw:\n1 4\n2 -1 -1 1 2 5 6 -1 <>\n\n"
                                                     "3 -1 -1 1 2 7 8 -1 <>\n");
    EXPECT_EQ(blank->DrawOfEvent(1).RaceAt(2).Slots, (std::array<int, 2>{5, 6}));
    EXPECT_EQ(blank->DrawOfEvent(1).RaceAt(3).Slots, (std::array<int, 2>{0, 0}));
}

TEST(MeetFileTexts, QuotesAndLineBreaksNeverReachTheFile) {
    Boatmeet meet;
    meet.Title = "The \"Big\"\nRegatta";
    meet.Date = "1\r\nMay";
    meet.Events.AddWithKey(1, "MS \"4\"-");
    meet.Clubs.AddWithKey(1, "A\nB");
    auto crew = std::make_unique<Crew>();
    crew->EventKey = 1;
    crew->Name = "\"Q\"";
    crew->Notes = "line\nbreak";
    meet.AddCrew(std::move(crew));
    meet.DrawOfEvent(1).Build({1, 0}, false);
    meet.DrawOfEvent(1).RaceAt(1).Verdict = "a>b \"c\"\nd";
    const std::string text = Written(meet);
    EXPECT_EQ(text.find("Boatmeet: \"The 'Big' Regatta\" \""), 0u);
    EXPECT_NE(text.find("\"1  May\""), std::string::npos);
    EXPECT_NE(text.find("StrSet: \"Events\" \"1\" \"MS '4'-\"\n"), std::string::npos);
    EXPECT_NE(text.find("StrSet: \"Clubs\" \"1\" \"A B\"\n"), std::string::npos);
    EXPECT_NE(text.find("\"'Q'\" \"line break\""), std::string::npos);
    EXPECT_NE(text.find("<a)b 'c' d>\n"), std::string::npos);
    EXPECT_EQ(Rewritten(text), text);

    // A carriage return inside a line is a line break in a text: it becomes a blank.
    auto loaded = Boatmeet::LoadFromText("Boatmeet: \"A\rB\" \"1\"\r\n"
                                         "Crew: \"1\" \"1\" \"1\" \"1\" \"\" \"\" \"N\rM\"\r\n");
    EXPECT_EQ(loaded->Title, "A B");
    EXPECT_EQ(loaded->Crews[0]->Name, "N M");
}

TEST(MeetFileTexts, CrLfFilesLoadLikeLfFiles) {
    const std::string lf = ReadFile(DataPath("meet_small.bmf"));
    std::string crlf;
    for (char c : lf)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(Rewritten(crlf), lf);
}

TEST(MeetFileTexts, LongLinesAreReadWhole) {
    const std::string title(100000, 't');
    const std::string name(5000, 'n');
    const std::string verdict(3000, 'v');
    const std::string text = "Boatmeet: \"" + title + "\" \"2\"\nStrSet: \"Events\" \"1\" \"E\"\n" +
                             "Crew: \"1\" \"1\" \"1\" \"1\" \"\" \"\" \"" + name + "\"\n" +
                             "Draw:\n1 2\n1 -1 -1 1 2 1 0 1 <" + verdict + ">\n";
    auto meet = Boatmeet::LoadFromText(text);
    EXPECT_EQ(meet->Title, title);
    EXPECT_EQ(meet->Crews[0]->Name, name);
    EXPECT_EQ(meet->DrawOfEvent(1).RaceAt(1).Verdict, verdict);
    EXPECT_NE(Written(*meet).find(title), std::string::npos);
}

TEST(MeetFileTexts, OldWindowsFilesAreConverted) {
    TempDir dir;
    WriteFile(dir.File("old.bmf"), "Boatmeet: \"Caf\xe9 \x93Regatta\x94\" \"1\"\n");
    auto meet = Boatmeet::LoadFromFile(dir.File("old.bmf"));
    EXPECT_EQ(meet->Title, "Café “Regatta”");
}

TEST(MeetFileTexts, ATextThatIsNotUtf8CannotSpoilTheOtherTexts) {
    TempDir dir;
    Boatmeet meet;
    meet.Title = "R\xE9gate";
    meet.Clubs.AddWithKey(1, "Whakat\u0101ne");
    ASSERT_TRUE(meet.SaveToFile(dir.File("m.bmf"), true));
    auto loaded = Boatmeet::LoadFromFile(dir.File("m.bmf"));
    EXPECT_EQ(loaded->Title, "R\u00e9gate");
    EXPECT_EQ(loaded->Clubs.TextOf(1), "Whakat\u0101ne");
}

TEST(MeetFileRobustness, TruncatedFilesLoadAndRewriteStably) {
    const std::string small = ReadFile(DataPath("meet_small.bmf"));
    for (std::size_t length = 0; length <= small.size(); ++length) {
        const std::string first = Rewritten(small.substr(0, length));
        ASSERT_EQ(Rewritten(first), first) << "prefix " << length;
    }
}

TEST(MeetFileRobustness, GarbageNeverCrashesAndRewritesStably) {
    const std::string small = ReadFile(DataPath("meet_small.bmf"));
    const std::string pieces[] = {
        "Boatmeet:",  "StrSet:", "Crew:",       "Draw:\n", "RaceTimeServer:",
        "\"",         "\n",      "\r",          " ",       "<",
        ">",          "-",       "99999999999", "65536",   "2",
        "\"Events\"", "\"1\"",   "(",           ")",       std::string(1, '\0')};
    ResetRandom();
    for (int round = 0; round < 400; ++round) {
        std::string text;
        if (round % 2 == 0) {
            // Pieces of the format glued at random.
            for (int i = RandomBelow(0, 60); i > 0; --i)
                text += pieces[RandomBelow(0, std::size(pieces))];
        } else {
            // The good file with random bytes overwritten.
            text = small;
            for (int i = RandomBelow(1, 20); i > 0; --i)
                text[static_cast<std::size_t>(NextRandom()) % text.size()] =
                    static_cast<char>(NextRandom() & 0xFF);
        }
        const std::string first = Rewritten(text);
        ASSERT_EQ(Rewritten(first), first) << "round " << round;
    }
    for (const char* odd : {"Draw:", "Draw:\n", "Draw:\n1", "Boatmeet:", "Crew:", "StrSet:",
                            "RaceTimeServer:", "RaceTimeServer: 5 (", "\"\"\"\"", ""}) {
        auto meet = Boatmeet::LoadFromText(kTwoEvents + odd);
        Written(*meet);
    }
}

TEST(MeetFileKindCheck, OnlyAFirstLineWithTheKeywordPasses) {
    TempDir dir;
    const auto kind = [&](const std::string& content) {
        WriteFile(dir.File("f.bmf"), content);
        return MeetFileKind(dir.File("f.bmf"));
    };
    EXPECT_EQ(MeetFileKind(dir.File("none.bmf")), FileKind::CannotOpen);
    EXPECT_EQ(kind("Boatmeet: \"x\"\n"), FileKind::Meet);
    EXPECT_EQ(kind("Boatmeet:"), FileKind::Meet);
    EXPECT_EQ(kind("Boatmeet:" + std::string(5000, 'x') + "\n"), FileKind::Meet);
    EXPECT_EQ(kind("\nBoatmeet: \"x\"\n"), FileKind::NotMeet);
    EXPECT_EQ(kind("Boatmee"), FileKind::NotMeet);
    EXPECT_EQ(kind(""), FileKind::NotMeet);
    EXPECT_EQ(kind(" Boatmeet:"), FileKind::NotMeet);
    EXPECT_EQ(kind(std::string(2000, 'x') + "Boatmeet:"), FileKind::NotMeet);
}
