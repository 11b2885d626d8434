#include "engine/draw/drawdisplay.h"

#include "drawmeet.h"
#include "engine/reports/catalogue.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace bm;
using bm::test::DrawMeet;

namespace {

std::string Tree(DrawMeet& m, int event, int showType = 0) {
    std::ostringstream out;
    WriteDrawTree(m.meet, m.DrawOf(event), out, static_cast<ShowType>(showType));
    return out.str();
}

std::string List(DrawMeet& m, int event, int showType = 0) {
    std::ostringstream out;
    WriteDrawList(m.meet, m.DrawOf(event), out, static_cast<ShowType>(showType));
    return out.str();
}

std::string All(DrawMeet& m, int layout, int showType = 0) {
    std::ostringstream out;
    WriteAllDraws(m.meet, out, static_cast<DrawLayout>(layout), static_cast<ShowType>(showType));
    return out.str();
}

// Three crews A, B, C drawn as race 1 = (A, -3), race 2 = (0, 0), race 3 = (B, C).
struct ThreeCrews : DrawMeet {
    int event = Event("MS 4-");
    int avon = Club("Avon");
    int bath = Club("Bath");
    int a = AddCrew(event, avon, "A", 1);
    int b = AddCrew(event, avon, "B", 2);
    int c = AddCrew(event, bath, "C", 3);
    ThreeCrews() { DrawOf(event).Build({0, a, b, c}, false); }
};

// Five crews with byes at entries 0, 2 and 5: races 4, 5 and 6 are walked
// over, race 7 = (D, E), race 2 = (A, B), race 3 = (C, -7), final (-2, -3).
struct FiveCrews : DrawMeet {
    int event = Event("WS 2x");
    int avon = Club("Avon");
    int bath = Club("Bath");
    int cam = Club("Cam");
    int a = AddCrew(event, avon, "A", 1);
    int b = AddCrew(event, bath, "B", 2);
    int c = AddCrew(event, avon, "C", 3);
    int d = AddCrew(event, bath, "D", 4);
    int e = AddCrew(event, cam, "E", 5);
    FiveCrews() { DrawOf(event).Build({0, a, 0, b, c, 0, d, e}, false); }
};

// Four crews in two first-round races and a final.
struct FourCrews : DrawMeet {
    int event = Event("MS 1x");
    int avon = Club("Avon");
    int bath = Club("Bath");
    int a = AddCrew(event, avon, "A", 1);
    int b = AddCrew(event, bath, "B", 2);
    int c = AddCrew(event, avon, "C", 3);
    int d = AddCrew(event, bath, "D", 4);
    FourCrews() { DrawOf(event).Build({a, b, c, d}, false); }
};

} // namespace

TEST(DrawTree, WorkedExampleOfThreeCrews) {
    ThreeCrews m;
    EXPECT_EQ(Tree(m, m.event), "MS 4-\n"
                                "=====\n"
                                "  (1) Avon A ...... } (NT) \n"
                                "                    } R*** \n"
                                "  (2) Avon B } (NT) }      \n"
                                "  (3) Bath C } R***        \n");
    Draw& draw = m.DrawOf(m.event);
    draw.RaceAt(3).Number = 1;
    draw.RaceAt(3).Time = 930;
    draw.RaceAt(1).Number = 12;
    draw.RaceAt(1).Time = 1100;
    EXPECT_EQ(Tree(m, m.event), "MS 4-\n"
                                "=====\n"
                                "  (1) Avon A ...... } 1100 \n"
                                "                    } R12  \n"
                                "  (2) Avon B } 0930 }      \n"
                                "  (3) Bath C } R1          \n");
}

TEST(DrawTree, RowSettingsAndRaceNames) {
    ThreeCrews m;
    CurrentSettings().SpacedDT = false;
    EXPECT_EQ(Tree(m, m.event), "MS 4-\n"
                                "=====\n"
                                "  (1) Avon A ...... } (NT) \n"
                                "  (2) Avon B } (NT) } R*** \n"
                                "  (3) Bath C } R***        \n");
    CurrentSettings().ShowRaceNoDT = false;
    EXPECT_EQ(Tree(m, m.event), "MS 4-\n"
                                "=====\n"
                                "  (1) Avon A ...... } (NT) \n"
                                "  (2) Avon B } (NT) }      \n"
                                "  (3) Bath C }             \n");
}

TEST(DrawTree, WalkedOverCrewsTakeOneRowOrTwo) {
    FiveCrews m;
    EXPECT_EQ(Tree(m, m.event), "WS 2x\n"
                                "=====\n"
                                "  (1) Avon A ...... } (NT)        \n"
                                "  (2) Bath B ...... } R*** } (NT) \n"
                                "                           } R*** \n"
                                "  (3) Avon C ...... } (NT) }      \n"
                                "                    } R***        \n"
                                "  (4) Bath D } (NT) }             \n"
                                "  (5) Cam E  } R***               \n");
    CurrentSettings().CompressDT = false;
    EXPECT_EQ(Tree(m, m.event), "WS 2x\n"
                                "=====\n"
                                "  (1) Avon A ...... }             \n"
                                "                    } (NT)        \n"
                                "  (2) Bath B ...... } R*** } (NT) \n"
                                "                           } R*** \n"
                                "  (3) Avon C ...... } (NT) }      \n"
                                "                    } R***        \n"
                                "  (4) Bath D } (NT) }             \n"
                                "  (5) Cam E  } R***               \n");
}

TEST(DrawTree, ResultsWidenTheColumnsToTheLongestVerdict) {
    FourCrews m;
    Draw& draw = m.DrawOf(m.event);
    draw.RaceAt(2).Winner = m.a;
    draw.RaceAt(2).Verdict = "3 1/2 lengths, easily";
    // Races: the verdict does not count, the result is not shown.
    EXPECT_EQ(Tree(m, m.event, 0), "MS 1x\n"
                                   "=====\n"
                                   "  (1) Avon A } (NT)        \n"
                                   "  (2) Bath B } R*** } (NT) \n"
                                   "                    } R*** \n"
                                   "  (3) Avon C } (NT) }      \n"
                                   "  (4) Bath D } R***        \n");
    EXPECT_EQ(Tree(m, m.event, 1), "MS 1x\n"
                                   "=====\n"
                                   "  (1) Avon A } (1) Avon A                                  \n"
                                   "  (2) Bath B } 3 1/2 lengths, easily} (NT)                 \n"
                                   "                                    } R***                 \n"
                                   "  (3) Avon C } (NT)                 }                      \n"
                                   "  (4) Bath D } R***                                        \n");
    EXPECT_EQ(Tree(m, m.event, 2), "MS 1x\n"
                                   "=====\n"
                                   "  (1) Avon A } (1)   Avon (A)                              \n"
                                   "  (2) Bath B } 3 1/2 lengths, easily} (NT)                 \n"
                                   "                                    } R***                 \n"
                                   "  (3) Avon C } (NT)                 }                      \n"
                                   "  (4) Bath D } R***                                        \n");
}

TEST(DrawTree, ResultsColumnsFollowTheLabelsWhenVerdictsAreShort) {
    FourCrews m;
    Draw& draw = m.DrawOf(m.event);
    draw.RaceAt(3).Winner = m.d;
    draw.RaceAt(3).Verdict = "2L";
    draw.RaceAt(1).Winner = m.d;
    CurrentSettings().ShowRaceNoDT = false;
    // Results: the numbered label's width + 1, + 2 (15); truncated: the short
    // label's width + 3 (17). An undecided race shows its time and, with race
    // names off, its (empty) verdict.
    EXPECT_EQ(Tree(m, m.event, 1), "MS 1x\n"
                                   "=====\n"
                                   "  (1) Avon A } (NT)                        \n"
                                   "  (2) Bath B }              } (4) Bath D   \n"
                                   "                            }              \n"
                                   "  (3) Avon C } (4) Bath D   }              \n"
                                   "  (4) Bath D } 2L                          \n");
    EXPECT_EQ(Tree(m, m.event, 2), "MS 1x\n"
                                   "=====\n"
                                   "  (1) Avon A } (NT)                            \n"
                                   "  (2) Bath B }                } (4)   Bath (D) \n"
                                   "                              }                \n"
                                   "  (3) Avon C } (4)   Bath (D) }                \n"
                                   "  (4) Bath D } 2L                              \n");
}

TEST(DrawTree, NothingForAnUndrawnEvent) {
    DrawMeet m;
    const int event = m.Event("MS 8+");
    EXPECT_EQ(Tree(m, event), "");
}

TEST(DrawList, RacesToBeRowedRoundByRound) {
    FiveCrews m;
    Draw& draw = m.DrawOf(m.event);
    draw.RaceAt(7).Time = 930;
    draw.RaceAt(2).Number = 2;
    draw.RaceAt(2).Time = 1000;
    draw.RaceAt(1).Number = 4;
    draw.RaceAt(1).Time = 1100;
    // Race 3 is unnumbered and untimed, and waits for unnumbered race 7.
    EXPECT_EQ(List(m, m.event), "WS 2x\n"
                                "=====\n"
                                "R*** 0930   (4) Bath D    (5) Cam E   ((NT))\n"
                                "R2   1000   (1) Avon A    (2) Bath B  (1100)\n"
                                "R*** (NT)   (3) Avon C  Winner R***   (1100)\n"
                                "R4   1100 Winner R2     Winner R*** \n");
    draw.RaceAt(2).Winner = m.a;
    const std::string results = List(m, m.event, 1);
    EXPECT_NE(results.find("R4   1100   (1) Avon A  Winner R*** \n"), std::string::npos) << results;
    const std::string truncated = List(m, m.event, 2);
    EXPECT_NE(truncated.find("R4   1100 (1)   Avon (A)  Winner R*** \n"), std::string::npos)
        << truncated;
}

TEST(DrawList, LeavesOutByesAndALoneFinal) {
    DrawMeet m;
    const int event = m.Event("WS 1x");
    const int club = m.Club("Whakatāne");
    const int solo = m.AddCrew(event, club, "Müller", 7);
    m.DrawOf(event).Build({solo}, false);
    EXPECT_EQ(List(m, event), "WS 1x\n=====\n");
    // The list's crew column is as wide as the widest label of the whole meet.
    const int other = m.Event("MS 1x");
    const int x = m.AddCrew(other, club, "X", 12);
    const int y = m.AddCrew(other, m.Club("Avon"), "Y", 3);
    m.DrawOf(other).Build({x, y}, false);
    EXPECT_EQ(List(m, other), "MS 1x\n"
                              "=====\n"
                              "R*** (NT)  (12) Whakatāne X         (3) Avon Y          \n");
    DrawMeet empty;
    const int undrawn = empty.Event("MS 8+");
    EXPECT_EQ(List(empty, undrawn), "MS 8+\n=====\nNo Races!\n");
}

TEST(DrawText, RaceLinePieces) {
    FiveCrews m;
    const Draw& draw = m.DrawOf(m.event);
    const Race& three = draw.RaceAt(3);
    EXPECT_EQ(SlotText(m.meet, draw, three, 0, ShowType::Races), "  (3) Avon C");
    EXPECT_EQ(SlotText(m.meet, draw, three, 1, ShowType::Results), "Winner R***");
    EXPECT_EQ(RaceCrewsText(m.meet, draw, three, 13, ShowType::Races),
              "  (3) Avon C   Winner R***  ");
    m.DrawOf(m.event).RaceAt(7).Winner = m.e;
    m.DrawOf(m.event).RaceAt(7).Number = 3;
    EXPECT_EQ(SlotText(m.meet, draw, three, 1, ShowType::Races), "Winner R3  ");
    EXPECT_EQ(SlotText(m.meet, draw, three, 1, ShowType::Results), "  (5) Cam E");
    EXPECT_EQ(SlotText(m.meet, draw, three, 1, ShowType::Truncated), "(5)   Cam (E)");
    EXPECT_EQ(RaceCrewsText(m.meet, draw, three, 5, ShowType::Truncated),
              "  (3) Avon C  (5)   Cam (E)");
    m.DrawOf(m.event).RaceAt(1).Number = 9;
    m.DrawOf(m.event).RaceAt(1).Time = 1545;
    EXPECT_EQ(NextRaceTimeText(draw, three), "1545");
    EXPECT_EQ(NextRaceNameText(draw, three), "R9  ");
    EXPECT_EQ(NextRaceTimeText(draw, draw.RaceAt(1)), "    ");
    EXPECT_EQ(NextRaceNameText(draw, draw.RaceAt(1)), "    ");
    EXPECT_EQ(NextRaceTimeText(draw, draw.RaceAt(7)), "(NT)");
}

TEST(DrawText, HeadingsWithSponsors) {
    FourCrews m;
    m.meet.Sponsors.AddWithKey(m.event, "Acme Boats");
    const std::string tree = Tree(m, m.event);
    EXPECT_EQ(tree.substr(0, tree.find("  (1)")), "MS 1x  Sponsored by: Acme Boats\n=====\n");
    CurrentSettings().ShowSponsor = false;
    const std::string list = List(m, m.event);
    EXPECT_EQ(list.substr(0, list.find("R***")), "MS 1x\n=====\n");
}

TEST(AllDraws, TitleLaneInfoAndPageBreaks) {
    DrawMeet m;
    m.meet.Title = "Spring Regatta";
    m.meet.Date = "1 May";
    const int single = m.Event("MS 1x");
    const int pair = m.Event("WS 2x");
    const int eight = m.Event("MS 8+");
    const int avon = m.Club("Avon");
    const int x = m.AddCrew(single, avon, "X", 1);
    const int y = m.AddCrew(single, m.Club("Bath"), "Y", 2);
    const int z = m.AddCrew(pair, m.Club("Cam"), "Z", 3);
    m.DrawOf(single).Build({x, y}, false);
    m.DrawOf(pair).Build({0, z}, false);
    CurrentSettings().PageEjectClub = true;
    CurrentSettings().Lane1Info = "Bank side";
    // The last event is not drawn, so the last drawn one still gets a page break.
    const std::string singleTree = "MS 1x\n"
                                   "=====\n"
                                   "  (1) Avon X } (NT) \n"
                                   "  (2) Bath Y } R*** \n";
    const std::string pairTree = "WS 2x\n"
                                 "=====\n"
                                 "                   \n"
                                 "  (3) Cam Z        \n";
    EXPECT_EQ(All(m, 0), "Spring Regatta  on  1 May\n"
                         "-------------------------\n"
                         "\n"
                         "First named crew on Bank side\n"
                         "\n" +
                             singleTree + "<NP>\n\n" + pairTree + "<NP>\n\n");
    // An empty draw of the last event is still left out; a drawn last event
    // gets no page break.
    m.DrawOf(eight).Build({}, false);
    EXPECT_EQ(All(m, 0).substr(All(m, 0).find("MS 1x")),
              singleTree + "<NP>\n\n" + pairTree + "<NP>\n\n");
    m.DrawOf(eight).Build({m.AddCrew(eight, avon, "P", 4), m.AddCrew(eight, avon, "Q", 5)}, false);
    CurrentSettings().PageEjectClub = false;
    CurrentSettings().Lane1Info.clear();
    std::ostringstream list;
    WriteEventDraw(m.meet, eight, list, DrawLayout::List, ShowType::Races);
    EXPECT_EQ(list.str(), "MS 8+\n"
                          "=====\n"
                          "R*** (NT)   (4) Avon P    (5) Avon Q\n");
    EXPECT_EQ(All(m, 1), "Spring Regatta  on  1 May\n"
                         "-------------------------\n"
                         "\n"
                         "MS 1x\n"
                         "=====\n"
                         "R*** (NT)   (1) Avon X    (2) Bath Y\n"
                         "\n\n"
                         "WS 2x\n"
                         "=====\n"
                         "\n\n" +
                             list.str() + "\n\n");
}

TEST(AllDraws, TheCatalogueWritesBothLayouts) {
    ThreeCrews m;
    m.meet.Title = "Heats";
    for (int layout : {0, 1}) {
        std::ostringstream out;
        EXPECT_TRUE(WriteReport(m.meet, layout, ShowType::Races, out));
        EXPECT_EQ(out.str(), All(m, layout));
    }
    std::ostringstream out;
    EXPECT_EQ(FindReport(" draw (list) "), 1);
    EXPECT_TRUE(WriteReport(m.meet, FindReport("Draw (Tree)"), ShowType::Races, out));
    EXPECT_EQ(out.str().substr(0, 12), "Heats\n-----\n");
}

TEST(DrawTree, SlotZeroFedByARaceWithoutTextRowsStartsAtTheTopRow) {
    // A file whose race 2 was emptied by hand while the final still refers to
    // it: race 2 has no middle row (-1), so the final's span starts one row
    // below that, at row 0, and the final is still charted.
    auto meet = Boatmeet::LoadFromText(
        "Boatmeet: \"T\" \"3\" \"40\" \"20\" \"v\" \"\" \"40\" \"0\" \"2\"\n"
        "StrSet: \"Events\" \"1\" \"E\"\n"
        "StrSet: \"Clubs\" \"1\" \"C\"\n"
        "Crew: \"1\" \"1\" \"1\" \"1\" \"\" \"\" \"a\" \"\" \"0\" \"0\" \"0\"\n"
        "Crew: \"2\" \"1\" \"1\" \"2\" \"\" \"\" \"b\" \"\" \"0\" \"0\" \"0\"\n"
        "Draw:\n"
        "1 4\n"
        "1 -1 -1 1 2 -2 -3 -1 <>\n"
        "2 -1 -1 1 2 0 0 -1 <>\n"
        "3 -1 -1 1 2 1 2 -1 <>\n");
    CurrentSettings() = Settings{};
    std::ostringstream out;
    WriteDrawTree(*meet, meet->DrawOfEvent(1), out, ShowType::Races);
    EXPECT_EQ(out.str(), "E\n"
                         "=\n"
                         "          ...... } (NT) \n"
                         "  (1) C a } (NT) } R*** \n"
                         "  (2) C b } R***        \n");
}

TEST(AllDraws, DamagedDrawsFromAFileAreShownWithoutHarm) {
    // References out of the tree, a crew twice, unknown crews and winners.
    auto meet = Boatmeet::LoadFromText(
        "Boatmeet: \"T\" \"3\" \"40\" \"20\" \"v\" \"\" \"40\" \"0\" \"2\"\n"
        "StrSet: \"Events\" \"1\" \"E\"\n"
        "StrSet: \"Clubs\" \"1\" \"C\"\n"
        "Crew: \"1\" \"1\" \"1\" \"1\" \"\" \"\" \"a\" \"\" \"0\" \"0\" \"0\"\n"
        "Crew: \"2\" \"1\" \"1\" \"2\" \"\" \"\" \"b\" \"\" \"0\" \"0\" \"0\"\n"
        "Draw:\n"
        "1 8\n"
        "1 -1 -1 1 2 -2 -9 5 <x>\n"
        "2 -1 -1 1 2 1 -5 -7 <a very long verdict indeed>\n"
        "4 -1 -1 1 2 -8 99 0 <>\n"
        "7 -1 -1 1 2 2 2 1 <>\n");
    for (int layout : {0, 1}) {
        for (int showType : {0, 1, 2}) {
            std::ostringstream out;
            WriteAllDraws(*meet, out, static_cast<DrawLayout>(layout),
                          static_cast<ShowType>(showType));
            EXPECT_EQ(out.str().substr(0, 9), "T\n-\n\nE\n=\n");
        }
    }
    const Draw& draw = meet->DrawOfEvent(1);
    EXPECT_EQ(SlotText(*meet, draw, draw.RaceAt(4), 0, ShowType::Results), "");
    EXPECT_EQ(SlotText(*meet, draw, draw.RaceAt(4), 1, ShowType::Races), "() ???? Ghost Crew");
}
