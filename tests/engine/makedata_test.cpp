// The test data generator: the meet it builds from the program's random
// generator, and the meet data file it writes.
#include "engine/import/makedata.h"
#include "engine/model/random.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace bm;
using bm::test::TempDir;

namespace {

GenerateParams Small() {
    GenerateParams params;
    params.Title = "Small Regatta";
    params.Crews = 6;
    params.Events = 3;
    params.Clubs = 2;
    params.DoubleUps = 2;
    params.BoatShares = 9;
    return params;
}

} // namespace

TEST(Makedata, FirstGenerationAfterStartIsAlwaysTheSame) {
    TempDir dir;
    ResetRandom();
    std::string message;
    ASSERT_TRUE(WriteGeneratedMeet(Small(), dir.File("a.bmf"), message));
    EXPECT_EQ(message, "Data Generation Complete");
    EXPECT_EQ(test::ReadFile(dir.File("a.bmf")),
              test::ReadFile(test::DataPath("makedata_small.bmf")));
    // Generating again without a restart draws further numbers.
    ASSERT_TRUE(WriteGeneratedMeet(Small(), dir.File("b.bmf"), message));
    EXPECT_NE(test::ReadFile(dir.File("b.bmf")), test::ReadFile(dir.File("a.bmf")));
    ResetRandom();
    ASSERT_TRUE(WriteGeneratedMeet(Small(), dir.File("c.bmf"), message));
    EXPECT_EQ(test::ReadFile(dir.File("c.bmf")), test::ReadFile(dir.File("a.bmf")));
}

TEST(Makedata, DefaultSizeMeetOpensWithItsLinks) {
    TempDir dir;
    ResetRandom();
    std::string message;
    ASSERT_TRUE(WriteGeneratedMeet(GenerateParams{}, dir.File("m.bmf"), message));
    ASSERT_EQ(MeetFileKind(dir.File("m.bmf")), FileKind::Meet);
    const auto meet = Boatmeet::LoadFromFile(dir.File("m.bmf"));
    EXPECT_EQ(meet->Crews.size(), 300u);
    EXPECT_EQ(meet->Events.Count(), 30);
    EXPECT_EQ(meet->Clubs.Count(), 50);
    EXPECT_EQ(meet->Clubs.TextAt(49), "Club_50");
    EXPECT_EQ(meet->Crews[299]->Name, "Name_300");
    EXPECT_EQ(meet->Crews[299]->Notes, "Notes for: Name_300");
    int doubleUps = 0;
    int boatShares = 0;
    for (const auto& crew : meet->Crews) {
        ASSERT_LE(crew->DoubleUps.size(), 1u);
        ASSERT_LE(crew->BoatShares.size(), 1u);
        for (int other : crew->DoubleUps) {
            EXPECT_NE(meet->FindCrew(other)->EventKey, crew->EventKey);
            EXPECT_EQ(meet->FindCrew(other)->DoubleUps, std::vector<int>{crew->Id});
        }
        doubleUps += static_cast<int>(crew->DoubleUps.size());
        boatShares += static_cast<int>(crew->BoatShares.size());
    }
    EXPECT_EQ(doubleUps, 60);
    EXPECT_EQ(boatShares, 60);
}

TEST(Makedata, MoreLinksThanCrewsEndWithinTheAttempts) {
    GenerateParams params;
    params.Crews = 7;
    params.Events = 2;
    params.Clubs = 1;
    params.DoubleUps = 1000;
    params.BoatShares = 0;
    std::string error;
    ResetRandom();
    const auto meet = GenerateMeet(params, error);
    ASSERT_TRUE(meet);
    int linked = 0;
    for (const auto& crew : meet->Crews) {
        EXPECT_TRUE(crew->BoatShares.empty());
        linked += static_cast<int>(crew->DoubleUps.size());
    }
    EXPECT_GT(linked, 0);
    EXPECT_LE(linked, 6); // at most half the crews pair up
}

TEST(Makedata, NoCrewsStillWritesClubsAndEvents) {
    GenerateParams params;
    params.Crews = 0;
    params.Events = 2;
    params.Clubs = 0;
    std::string error;
    const auto meet = GenerateMeet(params, error);
    ASSERT_TRUE(meet);
    EXPECT_TRUE(meet->Crews.empty());
    EXPECT_EQ(meet->Events.Count(), 2);
    EXPECT_EQ(meet->NextCrewId, 1);
}

TEST(Makedata, CrewsNeedEventsAndClubs) {
    TempDir dir;
    for (auto [events, clubs] : {std::pair{0, 5}, std::pair{5, 0}}) {
        GenerateParams params;
        params.Events = events;
        params.Clubs = clubs;
        ResetRandom();
        std::string message;
        EXPECT_FALSE(WriteGeneratedMeet(params, dir.File("x.bmf"), message));
        EXPECT_EQ(message, "Events and clubs must be at least 1 when crews are requested");
        EXPECT_FALSE(std::filesystem::exists(dir.File("x.bmf")));
        EXPECT_EQ(NextRandom(), 346); // nothing drawn
    }
}

TEST(Makedata, FileThatCannotBeCreatedDrawsNothing) {
    TempDir dir;
    ResetRandom();
    std::string message;
    EXPECT_FALSE(WriteGeneratedMeet(Small(), dir.File("missing/folder/x.bmf"), message));
    EXPECT_EQ(message, "Could not open file!");
    EXPECT_FALSE(WriteGeneratedMeet(Small(), dir.Path().string(), message));
    EXPECT_EQ(message, "Could not open file!");
    ASSERT_TRUE(WriteGeneratedMeet(Small(), dir.File("ok.bmf"), message));
    EXPECT_EQ(test::ReadFile(dir.File("ok.bmf")),
              test::ReadFile(test::DataPath("makedata_small.bmf")));
}

TEST(Makedata, CountsOutsideTheirRangesAreRefusedBeforeAnythingIsDrawn) {
    const std::string negative = "The numbers to generate must not be negative";
    const std::string tooMany =
        "At most 100000 crews, 10000 events and 10000 clubs can be generated";
    const std::vector<std::pair<GenerateParams, std::string>> cases = {
        {{"", -1, 30, 50, 30, 30}, negative},
        {{"", 300, 30, 50, -1, 30}, negative},
        {{"", 0, -5, 0, 0, 0}, negative},
        {{"", 300, 30, 50, 30, -30}, negative},
        {{"", 100001, 30, 50, 30, 30}, tooMany},
        {{"", 300, 10001, 50, 30, 30}, tooMany},
        {{"", 300, 30, 2000000000, 30, 30}, tooMany},
    };
    TempDir dir;
    for (const auto& [params, expected] : cases) {
        ResetRandom();
        std::string message;
        EXPECT_EQ(GenerateParamsProblem(params), expected);
        EXPECT_FALSE(WriteGeneratedMeet(params, dir.File("x.bmf"), message));
        EXPECT_EQ(message, expected);
        EXPECT_FALSE(std::filesystem::exists(dir.File("x.bmf")));
        EXPECT_EQ(NextRandom(), 346); // nothing drawn
    }
    // The largest counts themselves, and more links than crews, are fine.
    EXPECT_EQ(GenerateParamsProblem({"", 100000, 10000, 10000, 2000000000, 2000000000}), "");
}

TEST(Makedata, StartsInTheFolderOfTheOpenMeet) {
    EXPECT_EQ(TestDataFolder("/meets/spring/regatta.bmf"), "/meets/spring/");
    EXPECT_EQ(TestDataFolder("regatta.bmf"), (std::filesystem::current_path() / "").string());
    EXPECT_EQ(TestDataFolder(""), std::filesystem::current_path().root_path().string());
}
