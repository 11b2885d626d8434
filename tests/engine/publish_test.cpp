// Publishing the regatta: what changed for each crew since the previous
// publication, the pages' escaping of any name, and the folder kept safe
// (files the program did not write, pages that did not change).
#include "engine/draw/results.h"
#include "engine/publish/publicationrecord.h"
#include "engine/publish/publish.h"
#include "engine/publish/sitetext.h"

#include "repmeet.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

using namespace bm;
using namespace bm::test;
namespace fs = std::filesystem;

namespace {

using Lines = std::vector<std::string>;

class Publishing : public RepMeetTest {
protected:
    PublishResult Publish(const std::string& time = "2024-03-12 10:15", bool changesOnly = false) {
        return PublishSite(*meet, {dir.File("site"), time, changesOnly});
    }
    Race& RaceNumbered(int number) { return *meet->FindRaceByNumber(number); }
    std::map<std::string, fs::file_time_type> Stamps() const {
        std::map<std::string, fs::file_time_type> stamps;
        for (const auto& entry : fs::directory_iterator(dir.Path() / "site"))
            stamps[entry.path().filename().string()] = entry.last_write_time();
        return stamps;
    }

    TempDir dir;
    std::unique_ptr<Boatmeet> meet = Load("rep_small.bmf");
};

} // namespace

TEST_F(Publishing, ChangeListNamesEveryCrewAffectedAndNothingElse) {
    ASSERT_TRUE(Publish().Ok);
    // A time, a result, a withdrawal, a move to another event, and a draw edit.
    RaceNumbered(4).Time = 945;
    RecordResult(RaceNumbered(3), 6, "2L");
    meet->DeleteCrew(meet->FindCrew(9));
    Crew* heron = meet->FindCrew(8);
    meet->RemoveCrewFromDraw(heron);
    heron->EventKey = meet->Events.KeyOf("MN 1x");
    meet->DrawOfEvent(meet->Events.KeyOf("MS 4-")).Build({1, 2, 4, 3}, true);
    const PublishResult result = Publish("2024-03-12 11:40");
    ASSERT_TRUE(result.Ok) << result.Error;
    EXPECT_EQ(result.Number, 2);
    EXPECT_EQ(result.Changes,
              (Lines{"Changes since publication 1 (2024-03-12 10:15):",
                     "",
                     "Lakeside",
                     "  MS 4- (2) Lakeside Blue",
                     "    Semi-final: race number 1 -> (none)",
                     "    Semi-final: result cleared (was lost, Easily)",
                     "    Final at 1000 against Winner of an earlier race",
                     "  WJ16 2x (5) Lakeside Echo",
                     "    race 4 (Final): time 0930 -> 0945",
                     "    race 4 (Final): opponent Winner of race 3 -> (6) Whakatāne Fox",
                     "  MN 1x (8) Lakeside Heron",
                     "    moved from Mix 8+ to MN 1x",
                     "",
                     "Riverside",
                     "  MS 4- (1) Riverside Alpha",
                     "    Semi-final: race number 1 -> (none)",
                     "    Semi-final: result cleared (was won, Easily)",
                     "    Final: race number 6 -> (none)",
                     "  MS 4- (4) Riverside Delta",
                     "    draw position 4 -> 3",
                     "    Semi-final: race number 2 -> (none)",
                     "    Final: race number 6 -> (none)",
                     "    Final: opponent (1) Riverside Alpha -> Winner of an earlier race",
                     "  WJ16 2x (7) Riverside Gold",
                     "    race 3 (Semi-final): result lost, 2L",
                     "  WS 1x (9) Riverside Ivy",
                     "    withdrawn",
                     "",
                     "Whakatāne",
                     "  MS 4- (3) Whakatāne Crimson",
                     "    draw position 3 -> 4",
                     "    Semi-final: race number 2 -> (none)",
                     "    Final: race number 6 -> (none)",
                     "    Final: opponent (1) Riverside Alpha -> Winner of an earlier race",
                     "  WJ16 2x (6) Whakatāne Fox",
                     "    race 3 (Semi-final): result won, 2L",
                     "    race 4 (Final): time 0930 -> 0945",
                     "  WS 1x (10) Whakatāne Jade",
                     "    race 5 (Final) at 0940: no longer rowed"}));
    // The change list reads the same on the site.
    const std::string changes = ReadFile(dir.File("site/changes.html"));
    EXPECT_NE(changes.find("<p class=\"note\">Publication 2, published 2024-03-12 11:40.</p>"),
              std::string::npos);
    EXPECT_NE(changes.find("<h3>WS 1x (9) Riverside Ivy</h3>\n<ul>\n<li>withdrawn</li>"),
              std::string::npos);
}

TEST_F(Publishing, RepublishingRewritesOnlyThePagesThatChanged) {
    ASSERT_TRUE(Publish().Ok);
    // Every file looks old, so a file written again shows.
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(24);
    for (const auto& entry : fs::directory_iterator(dir.Path() / "site"))
        fs::last_write_time(entry.path(), old);
    PublishResult again = Publish("2024-03-12 11:00");
    EXPECT_TRUE(again.Ok && again.NothingChanged);
    EXPECT_EQ(again.Written, 0);
    EXPECT_EQ(again.Changes, Lines{"Nothing has changed since publication 1 (2024-03-12 10:15)."});
    // One race's time: its event, the schedule, the two clubs rowing it, the
    // index and the change page, and the record.
    RaceNumbered(2).Time = 915;
    again = Publish("2024-03-12 11:00");
    EXPECT_EQ(again.Written, 7);
    Lines rewritten;
    for (const auto& [name, stamp] : Stamps())
        if (stamp != old)
            rewritten.push_back(name);
    EXPECT_EQ(rewritten,
              (Lines{".boatmeet-publication", "changes.html", "club-riverside-2.html",
                     "club-whakatane-4.html", "event-ms-4-1.html", "index.html", "schedule.html"}));
    // Only the changes: the folder stays as it is.
    RaceNumbered(2).Time = 920;
    again = Publish("2024-03-12 12:00", true);
    EXPECT_EQ(again.Number, 3);
    EXPECT_EQ(again.Written, 0);
    EXPECT_EQ(ReadFile(dir.File("site/changes.html")).find("0915 -&gt; 0920"), std::string::npos);
}

TEST_F(Publishing, FilesThatNoPublicationWroteAreKept) {
    fs::create_directory(dir.Path() / "site");
    WriteFile(dir.File("site/notes.txt"), "mine");
    WriteFile(dir.File("site/index.html"), "my own index");
    PublishResult result = Publish();
    EXPECT_FALSE(result.Ok);
    EXPECT_EQ(result.Error, "The folder " + dir.File("site") +
                                " holds files that no publication wrote, or that changed since: "
                                "index.html. Nothing was written; move them away or choose another "
                                "folder.");
    EXPECT_EQ(ReadFile(dir.File("site/index.html")), "my own index");
    EXPECT_FALSE(fs::exists(dir.Path() / "site" / PublicationRecordName));
    fs::remove(dir.Path() / "site/index.html");
    ASSERT_TRUE(Publish().Ok);
    // An event gone: its page goes with it, the other files stay; no staging
    // folder is left beside the site or in it.
    meet->Events.DeleteKey(meet->Events.KeyOf("WS 1x"));
    result = Publish("2024-03-12 11:00");
    EXPECT_EQ(result.Removed, 1);
    EXPECT_FALSE(fs::exists(dir.Path() / "site/event-ws-1x-5.html"));
    EXPECT_EQ(ReadFile(dir.File("site/notes.txt")), "mine");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);
    for (const auto& entry : fs::directory_iterator(dir.Path() / "site"))
        EXPECT_FALSE(entry.is_directory()) << entry.path();
    // A record that names a file outside the site is refused, and that file stays.
    WriteFile(dir.File("victim.txt"), "keep");
    const std::string record = dir.File("site/.boatmeet-publication");
    WriteFile(record, ReadFile(record) + "File\t../victim.txt\n");
    meet->Events.DeleteKey(meet->Events.KeyOf("MN 1x"));
    result = Publish("2024-03-12 12:00");
    EXPECT_FALSE(result.Ok);
    EXPECT_NE(result.Error.find("cannot be read: it was changed after it was written"),
              std::string::npos);
    EXPECT_EQ(ReadFile(dir.File("victim.txt")), "keep");
    // A folder that is a file.
    result = PublishSite(*meet, {dir.File("victim.txt"), "2024-03-12 12:00", false});
    EXPECT_EQ(result.Error, dir.File("victim.txt") + " is not a folder. Nothing was written.");
}

TEST(PublishingNames, AnyNameIsEscapedAndGivesASafeUniqueFile) {
    Boatmeet meet;
    meet.Title = "Spring <Regatta> & \"Cup\"";
    const std::vector<std::string> events = {"<script>alert('x')</script>", "A/B", "A B",
                                             "../../etc/passwd", "Élite 8+"};
    const int club = meet.Clubs.Add("Müller & Söhne \"Ö\"\tTab\\slash\nline");
    std::vector<int> crews;
    for (const std::string& name : events) {
        auto crew = std::make_unique<Crew>();
        crew->EventKey = meet.Events.Add(name);
        crew->ClubKey = club;
        crew->Name = "<b>bold</b>";
        crews.push_back(meet.AddCrew(std::move(crew))->Id);
        meet.DrawOfEvent(meet.Crews.back()->EventKey).Build({crews.back()}, false);
    }
    TempDir dir;
    ASSERT_TRUE(PublishSite(meet, {dir.File("site"), "now", false}).Ok);
    std::vector<std::string> pages;
    for (const auto& entry : fs::directory_iterator(dir.Path() / "site")) {
        const std::string name = entry.path().filename().string();
        if (name == PublicationRecordName)
            continue;
        pages.push_back(name);
        EXPECT_TRUE(IsSafeSiteFileName(name)) << name;
        const std::string page = ReadFile(entry.path().string());
        EXPECT_EQ(page.find("<script>"), std::string::npos) << name;
        EXPECT_EQ(page.find("<b>"), std::string::npos) << name;
        EXPECT_EQ(page.find("<Regatta>"), std::string::npos) << name;
    }
    // Five events, one club, index, schedule, finals, changes, stylesheet.
    EXPECT_EQ(pages.size(), 11u);
    const std::string index = ReadFile(dir.File("site/index.html"));
    EXPECT_NE(index.find("&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt;"), std::string::npos);
    EXPECT_NE(index.find("Müller &amp; Söhne &quot;Ö&quot;"), std::string::npos);
    EXPECT_NE(index.find("href=\"event-a-b-2.html\""), std::string::npos);
    EXPECT_NE(index.find("href=\"event-a-b-3.html\""), std::string::npos);
    EXPECT_NE(index.find("href=\"event-etc-passwd-4.html\""), std::string::npos);
    EXPECT_NE(index.find("href=\"event-elite-8-5.html\""), std::string::npos);
    // The record keeps every name through tabs, backslashes and line breaks.
    EXPECT_TRUE(PublishSite(meet, {dir.File("site"), "later", false}).NothingChanged);
}
