// Importing the association export again: crews brought up to date by their
// entry number, the summary of what changed, and nothing doubled.
#include "engine/draw/eventsplit.h"
#include "engine/import/vexaapply.h"
#include "engine/model/textfile.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace bm;
using bm::test::DataPath;
using bm::test::ReadFile;
using bm::test::TempDir;
using bm::test::WriteFile;

namespace {

// The fixture export a few days later: 11 moved to a new event, 13 gone, 14
// renamed, 16 withdrawn, and a late entry 17 whose sculler also rows in 12.
const std::string kLaterEntries = "Entry No,Event,Club,Crew Name,Withdrawn,Paid,Notes\n"
                                  "11,Men 2-,RIVERSIDE,,N,Y,early\n"
                                  "12,Men 4+,RIVERSIDE,,N,N,\n"
                                  "14,Women 2x,Lakeside,Kestrel,N,Y,\"a, b\"\n"
                                  "15,Men 4+,Lakeside,,Y,N,\n"
                                  "16,Men 1x,Riverside,,Y,N,\n"
                                  "17,Men 1x,Lakeside,,N,Y,\n";

// Imports the entries file with the fixture's members (plus any extra member
// rows) and detection on; the report.
std::string Import(Boatmeet& meet, const TempDir& dir, const std::string& entries,
                   const std::string& extraMembers = "") {
    WriteFile(dir.File("entries.csv"), entries);
    WriteFile(dir.File("members.csv"), ReadFile(DataPath("vexa_members.csv")) + extraMembers);
    VexaImportRequest request;
    request.ConfigPath = DataPath("vexa_config.csv");
    request.FilePaths = {{"entries", dir.File("entries.csv")},
                         {"members", dir.File("members.csv")}};
    request.DetectDoublingUp = true;
    const VexaImportOutcome outcome = ImportVexaExport(meet, request);
    EXPECT_TRUE(outcome.Imported) << outcome.Text;
    return outcome.Text;
}

std::string WithoutDoublingUp(const std::string& report) {
    std::istringstream in(report);
    std::string kept;
    for (std::string line; std::getline(in, line);)
        if (!line.starts_with("   doubling up with : "))
            kept += line + "\n";
    return kept;
}

std::string FirstExport() {
    return ReadFile(DataPath("vexa_entries.csv"));
}

} // namespace

TEST(VexaReimport, BringsTheMeetUpToDateAndSaysWhatChanged) {
    const TempDir dir;
    Boatmeet meet;
    Import(meet, dir, FirstExport());
    ASSERT_EQ(meet.Crews.size(), 5u); // entries 11, 12, 13, 14, 16
    auto byHand = std::make_unique<Crew>();
    byHand->EventKey = meet.Events.KeyOf("Men 1x");
    byHand->Notes = "entered by hand";
    meet.AddCrew(std::move(byHand));
    const int men4 = meet.Events.KeyOf("Men 4+");
    const int men1 = meet.Events.KeyOf("Men 1x");
    meet.DrawOfEvent(men4).Build({1, 2}, false);
    meet.DrawOfEvent(men1).Build({3, 5}, false);

    const std::string report = Import(meet, dir, kLaterEntries, "17,M3,WHITE,CY,Lakeside,1\n");

    EXPECT_EQ(report.substr(0, report.find("\n\n\nList of Competitors")),
              "1 added, 2 changed, 1 withdrawn, 1 no longer in the export, 2 unchanged, 0 kept "
              "your change\n"
              "Events already drawn that need the draw editor: Men 4+, Men 1x\n"
              "\nAdded:\n"
              "  17 Men 1x () Lakeside (White)\n"
              "\nChanged:\n"
              "  11 Men 2- () Riverside (Green): event \"Men 4+\" -> \"Men 2-\"\n"
              "  14 Women 2x () Lakeside/Riverside (Kestrel): name \"(Swift)\" -> \"(Kestrel)\"\n"
              "\nWithdrawn:\n"
              "  16 Men 1x () Riverside **** Withdrawn **** (Brown)\n"
              "\nNo longer in the export:\n"
              "  13 Men 1x () Lakeside (Black)\n"
              "\n"
              "Men 2-  11               Riverside            11 early  \n"
              "   doubling up with : Men 4+ () Riverside (Brown)\n"
              "Men 4+  12               Riverside            12        \n"
              "Women 2x 14    Kestrel    Lakeside/Riverside   14 a, b   \n"
              "**** Withdrawn **** Men 4+  15               Lakeside             15        \n"
              "**** Withdrawn **** Men 1x  16               Riverside            16        \n"
              "Men 1x  17               Lakeside             17        \n"
              "   doubling up with : Men 4+ () Riverside (Brown)\n");

    ASSERT_EQ(meet.Crews.size(), 7u); // nothing doubled, nothing deleted: one crew added
    const Crew& moved = *meet.FindCrew(1);
    EXPECT_EQ(meet.Events.TextOf(moved.EventKey), "Men 2-");
    EXPECT_EQ(moved.Notes, "VEXA 11 early  Moved from Men 4+ to Men 2-");
    // It left its old event's draw; the late entry is not placed in its drawn event.
    EXPECT_EQ(meet.DrawOfEvent(men4).RaceAt(1).Slots, (std::array<int, 2>{0, 2}));
    EXPECT_EQ(meet.DrawOfEvent(men1).EntryRace(7), -1);
    // Now in different events, the moved crew and 12 are linked; so are 12 and the late entry.
    EXPECT_EQ(moved.DoubleUps, (std::vector<int>{5, 2}));
    EXPECT_EQ(meet.FindCrew(2)->DoubleUps, (std::vector<int>{5, 1, 7}));
    EXPECT_EQ(meet.FindCrew(4)->Name, "(Kestrel)");
    EXPECT_EQ(meet.FindCrew(5)->Name, "**** Withdrawn **** (Brown)");
    EXPECT_EQ(meet.DrawOfEvent(men1).EntryRace(5), 1); // the draw editor's to change
    EXPECT_EQ(meet.FindCrew(3)->Notes, "VEXA 13  ");   // listed, kept
    EXPECT_EQ(meet.FindCrew(6)->Notes, "entered by hand");
    const Crew& late = *meet.FindCrew(7);
    EXPECT_EQ(late.Notes, "VEXA 17  ");
    EXPECT_TRUE(late.FeePaid && late.EarlyPay);

    // Reinstated and paid: the mark goes, the name stays.
    std::string reinstated = kLaterEntries;
    const std::string withdrawn = "16,Men 1x,Riverside,,Y,N,";
    reinstated.replace(reinstated.find(withdrawn), withdrawn.size(), "16,Men 1x,Riverside,,N,Y,");
    const std::string again = Import(meet, dir, reinstated, "17,M3,WHITE,CY,Lakeside,1\n");
    EXPECT_EQ(again.substr(0, again.find("\nNo longer")),
              "0 added, 1 changed, 0 withdrawn, 1 no longer in the export, 5 unchanged, 0 kept "
              "your change\n"
              "\nChanged:\n"
              "  16 Men 1x () Riverside (Brown): paid no -> yes; withdrawn yes -> no\n");
    EXPECT_EQ(meet.FindCrew(5)->Name, "(Brown)");
}

TEST(VexaReimport, TheSameExportAgainLeavesTheMeetAsItWas) {
    const TempDir dir;
    Boatmeet meet;
    const std::string first = Import(meet, dir, FirstExport());
    const std::string saved = meet.SavedText();
    const std::string second = Import(meet, dir, FirstExport());
    EXPECT_EQ(meet.SavedText(), saved);
    // No crew changed, so no doubling up is worked out again.
    EXPECT_EQ(second, "0 added, 0 changed, 0 withdrawn, 0 no longer in the export, 6 unchanged, 0 "
                      "kept your change\n\n" +
                          WithoutDoublingUp(first));
}

TEST(VexaReimport, EntryNumbersThatCannotBeTrustedAreLeftOutWithALine) {
    const TempDir dir;
    Boatmeet meet;
    // Two crews carry entry 12, as after an import made twice before
    // re-imports were matched.
    for (const char* notes : {"VEXA 12  ", "VEXA 012 copy", "VEXA 99 by hand"}) {
        auto crew = std::make_unique<Crew>();
        crew->Notes = notes;
        meet.AddCrew(std::move(crew));
    }
    const std::string entries =
        FirstExport() + "011,Men 8+,Lakeside,,N,Y,\n" + "A7,Men 8+,Lakeside,,N,Y,\n" + "\n";
    const std::string report = Import(meet, dir, entries);
    EXPECT_EQ(report.substr(0, report.find("\nAdded:")),
              "4 added, 0 changed, 0 withdrawn, 1 no longer in the export, 1 unchanged, 0 kept "
              "your change\n"
              "Entry \"12\" left out: 2 crews of the meet carry its entry number (crew ids 1, 2)\n"
              "Entry \"011\" left out: entry \"11\" has the same entry number\n"
              "Entry \"A7\" left out: its entry number is not a number\n"
              "Entry \"\" left out: its entry number is not a number\n");
    EXPECT_EQ(report.find("Men 4+  12"), std::string::npos);
    EXPECT_EQ(report.find("Men 8+"), std::string::npos);
    ASSERT_EQ(meet.Crews.size(), 3u + 4u); // 11, 13, 14 and 16 added
    EXPECT_EQ(meet.Crews[0]->Notes, "VEXA 12  ");
    EXPECT_EQ(meet.Crews[1]->Notes, "VEXA 012 copy");
}

// The organiser splits and draws an event, marks a crew paid, renames a club
// and types notes; the next export changes other fields of those crews and
// the notes the organiser typed. Only the export's own changes are applied,
// the organiser's stay, and the one field both changed is listed.
TEST(VexaReimport, TheOrganisersChangesSurviveAndBothChangedAreListed) {
    const TempDir dir;
    auto meet = std::make_unique<Boatmeet>();
    Import(*meet, dir, FirstExport());
    std::string error;
    ASSERT_TRUE(SplitEvent(
        *meet, "Men 1x", 2, [](const std::string&) { return true; }, error))
        << error;
    const int division = meet->FindCrew(3)->EventKey;
    meet->DrawOfEvent(division).Build({3}, false);
    meet->DrawOfEvent(meet->FindCrew(5)->EventKey).Build({5}, false);
    meet->FindCrew(2)->FeePaid = true;
    meet->Clubs.Rename("Lakeside", "Lakeside RC");
    meet->FindCrew(4)->Notes += " trailer";
    // What the export said travels with the meet's file.
    meet = Boatmeet::LoadFromText(meet->SavedText());

    std::string later = FirstExport();
    const auto replace = [&later](const std::string& from, const std::string& to) {
        later.replace(later.find(from), from.size(), to);
    };
    replace("12,Men 4+,RIVERSIDE,,N,N,", "12,Men 4+,RIVERSIDE,,N,N,late");
    replace("13,Men 1x,Lakeside,,n,y,", "13,Men 1x,Lakeside,Kestrel,n,y,");
    replace("14,Women 2x,Lakeside,Swift,N,Y,\"a, b\"",
            "14,Women 2x,Lakeside,Swift,N,N,\"a, b, c\"");
    replace("16,Men 1x,Riverside,,N,N,", "16,Men 1x,Riverside,,Y,N,");
    const std::string report = Import(*meet, dir, later);
    EXPECT_EQ(report.substr(0, report.find("\nMen 4+  11")),
              "0 added, 3 changed, 1 withdrawn, 0 no longer in the export, 2 unchanged, "
              "1 kept your change\n"
              "Events already drawn that need the draw editor: Men 1x (A)\n"
              "\nChanged:\n"
              "  12 Men 4+ () Riverside (Brown): notes \"VEXA 12  \" -> \"VEXA 12 late \"\n"
              "  13 Men 1x (B) () Lakeside RC (Kestrel): name \"(Black)\" -> \"(Kestrel)\"\n"
              "  14 Women 2x () Lakeside/Riverside (Swift): paid yes -> no\n"
              "\nWithdrawn:\n"
              "  16 Men 1x (A) () Riverside **** Withdrawn **** (Brown)\n"
              "\nKept your change:\n"
              "  14 Women 2x () Lakeside/Riverside (Swift): notes yours \"VEXA 14 a, b  "
              "trailer\", export \"VEXA 14 a, b, c \"\n");
    const Crew& split = *meet->FindCrew(3);
    EXPECT_EQ(split.EventKey, division);
    EXPECT_EQ(meet->DrawOfEvent(division).EntryRace(3), 1);
    EXPECT_EQ(meet->Clubs.TextOf(split.ClubKey), "Lakeside RC");
    EXPECT_TRUE(meet->FindCrew(2)->FeePaid);
    EXPECT_EQ(meet->FindCrew(4)->Notes, "VEXA 14 a, b  trailer");
    EXPECT_FALSE(meet->FindCrew(4)->FeePaid);
    // The same export again changes nothing, not even the file.
    const std::string saved = meet->SavedText();
    const std::string again = Import(*meet, dir, later);
    EXPECT_EQ(again.substr(0, again.find('\n')),
              "0 added, 0 changed, 0 withdrawn, 0 no longer in the export, 6 unchanged, "
              "0 kept your change");
    EXPECT_EQ(meet->SavedText(), saved);

    // A meet saved before imports were kept: the export's values are applied
    // wherever they differ, as they always were (the division and the paid
    // flag go back), and the report says so.
    std::string withoutRecord;
    for (std::string_view line : SplitLines(saved))
        if (!line.starts_with("Imported:"))
            withoutRecord.append(line).append("\n");
    meet = Boatmeet::LoadFromText(withoutRecord);
    const std::string applied = Import(*meet, dir, later);
    EXPECT_EQ(applied.substr(0, applied.find("\nEvents")),
              "0 added, 4 changed, 0 withdrawn, 0 no longer in the export, 2 unchanged, "
              "0 kept your change\n"
              "5 crews had no record of the last import: the export's values were applied");
    EXPECT_EQ(meet->Events.TextOf(meet->FindCrew(3)->EventKey), "Men 1x");
}
