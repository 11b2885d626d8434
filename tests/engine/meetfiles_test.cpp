#include "engine/session/meetfiles.h"

#include "testsupport.h"

#include <gtest/gtest.h>

using namespace bm;
using bm::test::TempDir;
using bm::test::WriteFile;

TEST(MeetFiles, OpenChecksGiveTheTextsBothProgramsShow) {
    TempDir dir;
    std::string error;
    EXPECT_EQ(OpenMeetFile(dir.File("none.bmf"), error), nullptr);
    EXPECT_EQ(error, "Could not open file : " + dir.File("none.bmf"));
    EXPECT_EQ(OpenMeetFile(dir.Path().string(), error), nullptr);
    EXPECT_EQ(error, "Could not open file : " + dir.Path().string());
    EXPECT_EQ(OpenMeetFile("", error), nullptr);
    EXPECT_EQ(error, "Could not open file : ");
    WriteFile(dir.File("list.csv"), "a,b\n");
    EXPECT_EQ(OpenMeetFile(dir.File("list.csv"), error), nullptr);
    EXPECT_EQ(error, "This file does not appear to be a Boatmeet file..");
    WriteFile(dir.File("m.bmf"), "Boatmeet: \"Spring\"\n");
    const std::unique_ptr<Boatmeet> meet = OpenMeetFile(dir.File("m.bmf"), error);
    ASSERT_NE(meet, nullptr);
    EXPECT_EQ(meet->Title, "Spring");
    EXPECT_EQ(error, "");
}

TEST(MeetFiles, NewMeetAndSaving) {
    TempDir dir;
    const std::unique_ptr<Boatmeet> meet = NewMeet("The \"Big\"\nRegatta", "1 May");
    EXPECT_EQ(meet->Title, "The 'Big' Regatta");
    EXPECT_EQ(meet->Date, "1 May");
    EXPECT_EQ(meet->Clubs.Texts(), std::vector<std::string>{"Winner Prev"});
    std::string error = "old";
    EXPECT_TRUE(SaveMeetFile(*meet, dir.File("m.bmf"), true, error));
    EXPECT_EQ(error, "");
    EXPECT_FALSE(SaveMeetFile(*meet, dir.File("no/such/folder/m.bmf"), true, error));
    EXPECT_EQ(error, "Failed to write to file. DATA NOT SAVED!");
}
