// boatmeet-cli publish: the site of a meet, published again after a draw edit
// and a time change, lists exactly the crews affected, on stdout and on the
// change page; the meet file is never changed.
#include "clirun.h"
#include "engine/model/writelock.h"
#include "engine/publish/publish.h"
#include "engine/publish/sitetext.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace bm::test;

namespace {

CliResult Cli(std::vector<std::string> args) {
    args.push_back("--defaults");
    return RunCli(args);
}

// The lines after the first, which names the earlier publication's time.
std::vector<std::string> LinesAfterFirst(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line))
        lines.push_back(line);
    return lines;
}

} // namespace

TEST(PublishCommand, RepublishingListsTheCrewsAffected) {
    TempDir dir;
    const std::string meet = CopyFixture(dir, "rep_small.bmf");
    const std::string site = dir.File("site");
    CliResult result = Cli({"publish", meet, site});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "First publication into this folder: there is no earlier publication "
                          "to compare with.\n");
    EXPECT_EQ(result.err, "Publication 1 in " + site + ": 14 files written, 0 removed\n");

    // Gold moves into the empty place beside Echo; Crimson and Delta's race is later.
    ASSERT_EQ(Cli({"draw-edit", meet, "WJ16 2x", "remove", "4", "--yes"}).status, 0);
    ASSERT_EQ(Cli({"draw-edit", meet, "WJ16 2x", "place", "2", "7", "--yes"}).status, 0);
    ASSERT_EQ(Cli({"set-time", meet, "2", "0945"}).status, 0);
    const std::string before = ReadFile(meet);
    result = Cli({"publish", meet, site, "--changes-only"});
    const std::string changesOnly = result.out;
    EXPECT_EQ(result.err, "");
    result = Cli({"publish", meet, site});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, changesOnly);
    EXPECT_EQ(result.out.rfind("Changes since publication 1 (", 0), 0u);
    const std::vector<std::string> changes = {
        "",
        "Lakeside",
        "  WJ16 2x (5) Lakeside Echo",
        "    Semi-final at (NT) against (7) Riverside Gold",
        "    Final: race number 4 -> (none)",
        "    Final: opponent Winner of race 3 -> (6) Whakatāne Fox",
        "",
        "Riverside",
        "  MS 4- (4) Riverside Delta",
        "    race 2 (Semi-final): time 0910 -> 0945",
        "  WJ16 2x (7) Riverside Gold",
        "    draw position 4 -> 2",
        "    Semi-final: race number 3 -> (none)",
        "    Semi-final: time 0920 -> (NT)",
        "    Semi-final: opponent (6) Whakatāne Fox -> (5) Lakeside Echo",
        "    Final: race number 4 -> (none)",
        "    Final: opponent (5) Lakeside Echo -> (6) Whakatāne Fox",
        "",
        "Whakatāne",
        "  MS 4- (3) Whakatāne Crimson",
        "    race 2 (Semi-final): time 0910 -> 0945",
        "  WJ16 2x (6) Whakatāne Fox",
        "    race 3 (Semi-final) at 0920: no longer rowed",
        "    Final: race number 4 -> (none)",
        "    Final: opponent (5) Lakeside Echo -> Winner of an earlier race"};
    EXPECT_EQ(LinesAfterFirst(result.out), changes);
    const std::string page = ReadFile(dir.File("site/changes.html"));
    for (const std::string& line : changes) {
        const std::size_t text = line.find_first_not_of(' ');
        if (text != std::string::npos) {
            EXPECT_NE(page.find(">" + bm::HtmlEscaped(line.substr(text)) + "<"), std::string::npos)
                << line;
        }
    }
    EXPECT_EQ(ReadFile(meet), before);

    result = Cli({"publish", meet, site});
    EXPECT_EQ(result.out.rfind("Nothing has changed since publication 2 (", 0), 0u);
    EXPECT_EQ(result.err, "Publication 2 in " + site + ": 0 files written, 0 removed\n");
    // While another program publishes into the folder, a publication waits, then gives up.
    {
        const bm::WriteLock publishing(site + "/" + bm::PublicationLockName);
        const std::string record = ReadFile(dir.File("site/.boatmeet-publication"));
        ASSERT_EQ(Cli({"set-time", meet, "2", "1000"}).status, 0);
        const CliResult waited = RunProgram(dir, {"publish", meet, site, "--defaults"});
        EXPECT_EQ(waited.status, 1);
        EXPECT_EQ(waited.out, "");
        EXPECT_EQ(waited.err, site + " is being published by another program\n");
        EXPECT_EQ(ReadFile(dir.File("site/.boatmeet-publication")), record);
    }
    // A folder that cannot be made.
    result = Cli({"publish", meet, meet + "/site"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(
        result.err.rfind("The site could not be written into the folder " + meet + "/site: ", 0),
        0u);
}
