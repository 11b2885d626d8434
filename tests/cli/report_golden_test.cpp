// Every report of the small hand-made meet, run through the real program and
// compared byte for byte with the golden files beside the meet.
#include "engine/reports/catalogue.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>

using namespace bm;
using namespace bm::test;

namespace {

struct GoldenCase {
    std::string golden; // file name in tests/data/rep_small
    std::string options;
};

std::vector<GoldenCase> Cases() {
    std::vector<GoldenCase> cases;
    for (int i = 0; i < ReportCount; ++i) {
        const std::string name = (i < 10 ? "0" : "") + std::to_string(i);
        cases.push_back({name + ".txt", name});
    }
    for (const char* item : {"00", "01", "02", "09", "10"}) {
        for (const char* showType : {"results", "truncated"})
            cases.push_back({std::string(item) + "-" + showType + ".txt",
                             std::string(item) + " --show-type " + showType});
    }
    for (const char* item : {"00", "05", "11", "13"}) {
        for (const char* format : {"html", "rtf"})
            cases.push_back(
                {std::string(item) + "." + format, std::string(item) + " --format " + format});
    }
    // The worksheet's lines are too wide for an upright page.
    cases.push_back({"09.rtf", "09 --format rtf"});
    return cases;
}

class ReportGolden : public ::testing::TestWithParam<GoldenCase> {};

} // namespace

TEST_P(ReportGolden, MatchesTheGoldenFile) {
    TempDir dir;
    const std::string meet = CopyFixture(dir, "rep_small.bmf");
    const std::string before = ReadFile(meet);
    const std::string out = dir.File("out.txt");
    const std::string command = std::string(BM_CLI_PATH) + " report " + meet + " " +
                                GetParam().options + " --defaults >" + out;
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    EXPECT_EQ(ReadFile(out), ReadFile(DataPath("rep_small/" + GetParam().golden)));
    EXPECT_EQ(ReadFile(meet), before);
}

INSTANTIATE_TEST_SUITE_P(SmallMeet, ReportGolden, ::testing::ValuesIn(Cases()),
                         [](const auto& info) {
                             std::string name = info.param.golden;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return name;
                         });

TEST(ReportCommand, CaptionsFindTheirReports) {
    TempDir dir;
    const std::string meet = CopyFixture(dir, "rep_small.bmf");
    const std::string out = dir.File("out.txt");
    const std::string command =
        std::string(BM_CLI_PATH) + " report " + meet + " '  finals RESULTS ' --defaults >" + out;
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(ReadFile(out), ReadFile(DataPath("rep_small/17.txt")));
}
