#include "cli/cli.h"
#include "engine/draw/randomdraw.h"
#include "engine/import/makedata.h"
#include "engine/model/boatmeet.h"
#include "engine/model/draw.h"
#include "engine/model/random.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

using namespace bm;
using namespace bm::test;

namespace {

struct Result {
    int status = 0;
    std::string out;
    std::string err;
};

// Runs a command in this process as a fresh process would: the generator at
// its start state and the settings at their defaults.
Result RunCli(std::vector<std::string> args) {
    ResetRandom();
    args.push_back("--defaults");
    std::ostringstream out;
    std::ostringstream err;
    cli::Streams io{out, err};
    const int status = cli::Run(args, io);
    return {status, out.str(), err.str()};
}

// Runs the real program.
Result RunBinary(const TempDir& dir, const std::string& args) {
    const std::string out = dir.File("stdout.txt");
    const std::string err = dir.File("stderr.txt");
    const int status = std::system(
        (std::string(BM_CLI_PATH) + " " + args + " --defaults >" + out + " 2>" + err).c_str());
    return {WEXITSTATUS(status), ReadFile(out), ReadFile(err)};
}

const std::string Title = "Lakeside Regatta  on  12 March 2025\n"
                          "-----------------------------------\n"
                          "\n";

} // namespace

TEST(ReportCommand, DrawTreeAndListOfAStoredDraw) {
    TempDir dir;
    const std::string file = CopyFixture(dir, "draw_results.bmf");
    const std::string before = ReadFile(file);
    const Result tree = RunCli({"report", file, "0"});
    EXPECT_EQ(tree.status, 0) << tree.err;
    EXPECT_EQ(tree.out, Title + "MS 1x\n"
                                "=====\n"
                                "  (3) Avon Brown       ...... } 0910        \n"
                                "  (2) Bath Jones       ...... } R2   } 0930 \n"
                                "                                     } R4   \n"
                                "  (5) Cam Green        ...... } 0920 }      \n"
                                "                              } R3          \n"
                                "  (4) Whakatāne Müller } 0900 }             \n"
                                "  (1) Avon Smith       } R1                 \n"
                                "\n\n"
                                "WS 2x  Sponsored by: Acme Boats\n"
                                "=====\n"
                                "  (6) Bath Lee        ...... } 0950 \n"
                                "                             } R6   \n"
                                "  (7) Whakatāne Ngata } 0940 }      \n"
                                "  (8) Bath Ross       } R5          \n"
                                "\n\n"
                                "MS 4-\n"
                                "=====\n"
                                " (10) Avon B } 0960 \n"
                                "  (9) Cam A  } R7   \n"
                                "\n\n");
    const Result list = RunCli({"report", file, " draw (LIST) "});
    EXPECT_EQ(list.status, 0) << list.err;
    EXPECT_EQ(list.out, Title + "MS 1x\n"
                                "=====\n"
                                "R1   0900   (4) Whakatāne Müller    (1) Avon Smith        (0920)\n"
                                "R2   0910   (3) Avon Brown          (2) Bath Jones        (0930)\n"
                                "R3   0920   (5) Cam Green         Winner R1               (0930)\n"
                                "R4   0930 Winner R2               Winner R3             \n"
                                "\n\n"
                                "WS 2x  Sponsored by: Acme Boats\n"
                                "=====\n"
                                "R5   0940   (7) Whakatāne Ngata     (8) Bath Ross         (0950)\n"
                                "R6   0950   (6) Bath Lee          Winner R5             \n"
                                "\n\n"
                                "MS 4-\n"
                                "=====\n"
                                "R7   0960  (10) Avon B              (9) Cam A           \n"
                                "\n\n");
    EXPECT_EQ(ReadFile(file), before);
}

TEST(ReportCommand, ShowTypesAndSettings) {
    TempDir dir;
    const std::string file = CopyFixture(dir, "draw_results.bmf");
    const Result results = RunCli({"report", file, "1", "--show-type", "results"});
    EXPECT_NE(results.out.find("R3   0920   (5) Cam Green           (4) Whakatāne Müller  (0930)\n"
                               "R4   0930   (3) Avon Brown          (5) Cam Green       \n"),
              std::string::npos)
        << results.out;
    const Result truncated = RunCli({"report", file, "Draw (Tree)", "--show-type", "truncated",
                                     "--set", "ShowSponsor=0", "--set", "PageEjectClub=1"});
    // Short labels, columns as wide as the longest verdict, no sponsor, page breaks.
    EXPECT_NE(truncated.out.find(
                  "MS 1x\n"
                  "=====\n"
                  "  (3) Avon Brown       ............................. } (3)   Avon (Bro)     "
                  "                                     \n"
                  "  (2) Bath Jones       ............................. } 3/4 length after a hard "
                  "race} 0930                        \n"),
              std::string::npos)
        << truncated.out;
    EXPECT_NE(truncated.out.find("\n<NP>\n\nWS 2x\n=====\n"), std::string::npos);
    EXPECT_NE(truncated.out.find("  (9) Cam A  } R7             \n<NP>\n\n"), std::string::npos);
}

TEST(ReportCommand, HtmlAndRtfFiles) {
    TempDir dir;
    const std::string file = CopyFixture(dir, "draw_results.bmf");
    const Result html = RunCli({"report", file, "1", "--format", "html"});
    EXPECT_EQ(html.status, 0) << html.err;
    EXPECT_EQ(html.out.substr(0, 159),
              "<HTML>\n"
              "<meta charset=\"utf-8\">\n"
              "<title>Lakeside Regatta on 12 March 2025 Draw (List)</title>\n"
              "<h2>Lakeside Regatta on 12 March 2025</h2>\n"
              "<h3>Draw (List)</h3>\n"
              "<P>\n");
    EXPECT_NE(html.out.find("\n</P><P><tt>\nMS&nbsp;1x<br>\n=====<br>\nR1&nbsp;&nbsp;&nbsp;0900"),
              std::string::npos);
    const Result rtf = RunCli({"report", file, "Draw (Tree)", "--format", "rtf"});
    EXPECT_EQ(rtf.status, 0) << rtf.err;
    EXPECT_NE(rtf.out.find("\\fcharset0 Courier New;}}\n"), std::string::npos) << rtf.out;
    EXPECT_NE(rtf.out.find("\n  (7) Whakat\\u257?ne Ngata \\} 0940 \\}      \\par\n"),
              std::string::npos)
        << rtf.out;
}

TEST(ReportCommand, UsageAndMissingReports) {
    TempDir dir;
    const std::string file = CopyFixture(dir, "draw_results.bmf");
    EXPECT_EQ(RunCli({"report", file, "18"}).status, 2);
    EXPECT_EQ(RunCli({"report", file, "Draw"}).status, 2);
    EXPECT_EQ(RunCli({"report", file, "0", "--show-type", "verdicts"}).status, 2);
    EXPECT_EQ(RunCli({"report", file, "0", "--format", "pdf"}).status, 2);
    const Result missing = RunCli({"report", dir.File("none.bmf"), "0"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err, "Could not open file : " + dir.File("none.bmf") + "\n");
}

TEST(DrawCommand, DrawsAllEventsOrTheNamedOnes) {
    TempDir dir;
    const std::string file = CopyFixture(dir, "draw_regatta.bmf");
    const std::string out = dir.File("drawn.bmf");
    const Result all = RunCli({"draw", file, "-o", out});
    EXPECT_EQ(all.status, 0) << all.err;
    EXPECT_EQ(all.out, "");
    auto meet = Boatmeet::LoadFromFile(out);
    for (int i = 0; i < meet->Events.Count(); ++i) {
        const int key = meet->Events.KeyAt(i);
        std::vector<int> crews;
        for (const Crew* crew : meet->ListEventCrews(key, true))
            crews.push_back(crew->Id);
        EXPECT_EQ(meet->DrawOfEvent(key).Size, NextPowerOfTwo(static_cast<int>(crews.size())));
        if (!crews.empty()) {
            EXPECT_TRUE(meet->DrawOfEvent(key).IsValid(crews)) << meet->Events.TextAt(i);
        }
    }

    // Only the named events, in the order given: the same draws as drawing
    // them one after another in a fresh process.
    const Result some = RunCli({"draw", file, "--event", "ws 2x", "--event", "MS 1x"});
    EXPECT_EQ(some.status, 0) << some.err;
    auto drawn = Boatmeet::LoadFromFile(file);
    auto expected = Boatmeet::LoadFromFile(DataPath("draw_regatta.bmf"));
    ResetRandom();
    DrawEvent(*expected, 2);
    DrawEvent(*expected, 1);
    std::ostringstream a;
    std::ostringstream b;
    drawn->WriteTo(a, true);
    expected->WriteTo(b, true);
    EXPECT_EQ(a.str(), b.str());
    EXPECT_EQ(drawn->DrawOfEvent(3).Size, 0);
}

TEST(DrawCommand, UnknownEventDrawsAndWritesNothing) {
    TempDir dir;
    const std::string file = CopyFixture(dir, "draw_regatta.bmf");
    const std::string before = ReadFile(file);
    const Result result = RunCli({"draw", file, "--event", "MS 1x", "--event", "MS 9x"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "No such event : MS 9x\n");
    EXPECT_EQ(ReadFile(file), before);
    const Result other = RunCli({"draw", file, "--event", "Nope", "-o", dir.File("out.bmf")});
    EXPECT_EQ(other.status, 2);
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.bmf")));
}

TEST(DrawCommandEndToEnd, SameDrawEveryRunAndACorrectTree) {
    TempDir dir;
    const std::string first = CopyFixture(dir, "draw_regatta.bmf");
    const std::string second = dir.File("second.bmf");
    std::filesystem::copy_file(first, second);
    EXPECT_EQ(RunBinary(dir, "draw " + first).status, 0);
    EXPECT_EQ(RunBinary(dir, "draw " + second).status, 0);
    EXPECT_EQ(ReadFile(first), ReadFile(second));
    const Result unknown = RunBinary(dir, "draw " + second + " --event 'MS 9x'");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.err, "No such event : MS 9x\n");

    // A generated meet, drawn, then shown as a tree: every crew stands in the
    // crew column once, under its own event.
    std::string error;
    GenerateParams params;
    params.Title = "Generated";
    params.Crews = 60;
    params.Events = 5;
    params.Clubs = 4;
    auto generated = GenerateMeet(params, error);
    ASSERT_TRUE(generated);
    const std::string file = dir.File("generated.bmf");
    ASSERT_TRUE(generated->SaveToFile(file, true));
    EXPECT_EQ(RunBinary(dir, "draw " + file).status, 0);
    const Result tree = RunBinary(dir, "report " + file + " 0");
    EXPECT_EQ(tree.status, 0) << tree.err;
    EXPECT_EQ(tree.out, RunCli({"report", file, "0"}).out);
    auto meet = Boatmeet::LoadFromFile(file);
    std::istringstream lines(tree.out);
    std::string line;
    std::string event;
    int rows = 0;
    while (std::getline(lines, line)) {
        if (meet->Events.KeyOf(line) != -1) {
            event = line;
            continue;
        }
        for (const auto& crew : meet->Crews) {
            if (line.rfind(meet->NumberedCrewLabel(crew.get()) + " ", 0) == 0) {
                EXPECT_EQ(meet->Events.TextOf(crew->EventKey), event) << line;
                ++rows;
            }
        }
    }
    EXPECT_EQ(rows, 60);
}
