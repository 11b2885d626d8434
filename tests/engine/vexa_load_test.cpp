// Loading the association export: reading columns, the loading steps with
// their messages, members, and the labels of the entries.
#include "engine/import/vexa.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

using namespace bm;
using bm::test::DataPath;

namespace {

// An export held in memory: the configuration is "config.csv", and each file
// key's file is KEY.csv.
class MemoryExport {
public:
    std::map<std::string, std::string> files;

    VexaImporter Importer(const std::string& config) {
        files["config.csv"] = config;
        VexaImporter importer("config.csv", [this](const std::string& path, std::string& text) {
            const auto found = files.find(path);
            if (found == files.end())
                return false;
            text = found->second;
            return true;
        });
        for (int i = 0; i < importer.FileKeyCount(); ++i)
            importer.AddFilePath(importer.FileKey(i) + ".csv");
        return importer;
    }
};

const std::string kBasicConfig = "ID,e,No\nEvent,e,Event\nEnteringClub,e,Club\n";

VexaImporter LoadedFixture() {
    VexaImporter importer(DataPath("vexa_config.csv"));
    importer.AddFilePath(DataPath("vexa_entries.csv"));
    importer.AddFilePath(DataPath("vexa_members.csv"));
    EXPECT_EQ(importer.Load(), "");
    return importer;
}

std::vector<std::string> Labels(const VexaImporter& importer) {
    std::vector<std::string> labels;
    for (int i = 0; i < importer.EntryCount(); ++i)
        labels.push_back(importer.Entry(i)->Label);
    return labels;
}

} // namespace

TEST(VexaLoad, BuildsEntriesFromTheExport) {
    const VexaImporter importer = LoadedFixture();
    ASSERT_EQ(importer.EntryCount(), 6);
    const ImportedEntry& first = *importer.Entry(0);
    EXPECT_EQ(first.Id, "11");
    EXPECT_EQ(first.Event, "Men 4+");
    EXPECT_EQ(first.EnteringClub, "Riverside");
    EXPECT_EQ(first.MembersClub, "Riverside");
    EXPECT_EQ(first.Surname, "Green"); // the last member row of the entry
    EXPECT_EQ(first.Notes, "11 early ");
    EXPECT_EQ(first.MemberNumbers, (std::vector<std::string>{"M1", "M2"}));
    EXPECT_EQ(first.Positions, (std::vector<std::string>{"1", "2"}));
    EXPECT_TRUE(first.Paid);
    EXPECT_FALSE(first.Withdrawn);
    EXPECT_EQ(first.Division, "");

    const ImportedEntry& sculler = *importer.Entry(2);
    EXPECT_TRUE(sculler.Paid);       // "y"
    EXPECT_FALSE(sculler.Withdrawn); // "n"
    const ImportedEntry& composite = *importer.Entry(3);
    EXPECT_EQ(composite.CrewName, "Swift");
    EXPECT_EQ(composite.MembersClub, "Lakeside/Riverside");
    EXPECT_EQ(composite.Notes, "14 a, b ");
    EXPECT_TRUE(importer.Entry(4)->Withdrawn);
    EXPECT_EQ(importer.Entry(6), nullptr);
    EXPECT_EQ(importer.Entry(-1), nullptr);
}

TEST(VexaLoad, MembersCollectTheirEntries) {
    const VexaImporter importer = LoadedFixture();
    // The row of entry 99, which is not in the entries file, makes no member.
    ASSERT_EQ(importer.MemberCount(), 6);
    EXPECT_EQ(importer.FindMember("M9"), nullptr);
    const ImportedMember* doubler = importer.FindMember("M1");
    ASSERT_NE(doubler, nullptr);
    EXPECT_EQ(doubler->Surname, "Brown");
    EXPECT_EQ(doubler->Firstname, "Ann");
    EXPECT_EQ(doubler->Club, "Riverside");
    EXPECT_EQ(doubler->Events, "Men 4+(1) Men 1x(1) ");
    EXPECT_EQ(doubler->EntryCount, 2);
    // Member numbers are told apart exactly, so "m1" is a member of its own.
    const ImportedMember* lower = importer.FindMember("m1");
    ASSERT_NE(lower, nullptr);
    EXPECT_EQ(lower->EntryCount, 1);
    // A withdrawn entry still counts; the club is that of the last entry.
    const ImportedMember* green = importer.FindMember("M2");
    EXPECT_EQ(green->Events, "Men 4+(2) Men 4+(1) ");
    EXPECT_EQ(green->Club, "Lakeside");
    EXPECT_EQ(importer.Member(importer.MemberCount()), nullptr);
}

TEST(VexaLoad, FindsEntriesByExactIdAndComparesMemberNumbersIgnoringCase) {
    const VexaImporter importer = LoadedFixture();
    ASSERT_NE(importer.FindEntry("14"), nullptr);
    EXPECT_EQ(importer.FindEntry("14")->CrewName, "Swift");
    EXPECT_EQ(importer.FindEntry("014"), nullptr);
    EXPECT_EQ(importer.FindEntry("99"), nullptr);
    EXPECT_TRUE(importer.SharesMember(1, 0)); // m1 and M1
    EXPECT_TRUE(importer.SharesMember(3, 2)); // M4
    EXPECT_FALSE(importer.SharesMember(3, 1));
    EXPECT_FALSE(importer.SharesMember(0, 9)); // no such entry
}

TEST(VexaLoad, EmptyMemberNumbersAreNoRowers) {
    MemoryExport data;
    data.files["e.csv"] = "No,Event,Club,Member\n1,A 4-,X,\n2,B 4-,X,\n3,C 4-,X,7\n";
    VexaImporter importer = data.Importer(kBasicConfig + "ARANo,e,Member\n");
    ASSERT_EQ(importer.Load(), "");
    EXPECT_FALSE(importer.SharesMember(0, 1));
    EXPECT_FALSE(importer.SharesMember(1, 0));
    EXPECT_EQ(importer.MemberCount(), 1);
    EXPECT_EQ(importer.FindMember(""), nullptr);
}

TEST(VexaReadColumn, ReportsMissingFilesHeadingsAndColumns) {
    MemoryExport data;
    data.files["e.csv"] = "No,Event\n1,A\n";
    data.files["m.csv"] = "Entry,Member\n1,5\n";
    data.files["empty.csv"] = "";
    VexaImporter importer =
        data.Importer(kBasicConfig + "ARANo,m,Member\nNotes,empty,N\n" + "Paid,gone,Paid\n");
    std::vector<std::string> ids;
    std::vector<std::string> values;
    EXPECT_EQ(importer.ReadField(ids, values, "Event", true), "");
    EXPECT_EQ(values, std::vector<std::string>{"A"});
    EXPECT_EQ(importer.ReadField(ids, values, "EnteringClub", true),
              "Could not find EnteringClub in e.csv");
    EXPECT_EQ(importer.ReadField(ids, values, "ARANo", false), "Could not find ID in m.csv");
    EXPECT_EQ(importer.ReadField(ids, values, "Notes", true), "empty.csv has invalid format");
    EXPECT_EQ(importer.ReadField(ids, values, "Paid", true), "Could not open : gone.csv");
    EXPECT_EQ(importer.ReadField(ids, values, "Surname", true), "Surname is not defined");
    EXPECT_TRUE(ids.empty());

    MemoryExport noId;
    noId.files["e.csv"] = "No,Event\n1,A\n";
    VexaImporter withoutId = noId.Importer("Event,e,Event\n");
    EXPECT_EQ(withoutId.ReadField(ids, values, "Event", true), "ID is not defined");
}

TEST(VexaReadColumn, HeadingsIgnoreCaseAndShortRowsReadEmpty) {
    MemoryExport data;
    data.files["e.csv"] = "NO,event,Club\n1,A\n2\n\n3,C,Z\n";
    VexaImporter importer = data.Importer("ID,e,No\nEvent,e,EVENT\nEnteringClub,e,club\n");
    std::vector<std::string> ids;
    std::vector<std::string> values;
    ASSERT_EQ(importer.ReadField(ids, values, "EnteringClub", false), "");
    EXPECT_EQ(ids, (std::vector<std::string>{"1", "2", "", "3"}));
    EXPECT_EQ(values, (std::vector<std::string>{"", "", "", "Z"}));
    // The blank line is an entry with an empty id.
    ASSERT_EQ(importer.Load(), "");
    ASSERT_EQ(importer.EntryCount(), 4);
    EXPECT_EQ(importer.Entry(2)->Id, "");
    EXPECT_EQ(importer.Entry(1)->Event, "");
}

TEST(VexaReadColumn, RepeatedIdsKeepTheirFirstPlaceAndTakeTheLastValue) {
    MemoryExport data;
    data.files["e.csv"] = "No,Event,Club\nab,A,X\n2,B,Y\nAB,C,Z\n";
    VexaImporter importer = data.Importer(kBasicConfig);
    std::vector<std::string> ids;
    std::vector<std::string> values;
    ASSERT_EQ(importer.ReadField(ids, values, "Event", true), "");
    EXPECT_EQ(ids, (std::vector<std::string>{"ab", "2"}));
    EXPECT_EQ(values, (std::vector<std::string>{"C", "B"}));
    ASSERT_EQ(importer.ReadField(ids, values, "Event", false), "");
    EXPECT_EQ(values, (std::vector<std::string>{"A", "B", "C"}));
    ASSERT_EQ(importer.Load(), "");
    ASSERT_EQ(importer.EntryCount(), 2);
    EXPECT_EQ(importer.Entry(0)->Event, "C");
    EXPECT_EQ(importer.Entry(0)->EnteringClub, "Z");
}

TEST(VexaLoadSteps, RequiredFieldsAndTheirMessages) {
    MemoryExport data;
    data.files["e.csv"] = "No,Event,Club\n1,A,X\n";
    EXPECT_EQ(data.Importer("ID,e,No\nEnteringClub,e,Club\n").Load(), "Event is not defined");
    EXPECT_EQ(data.Importer("ID,e,No\nEvent,e,Event\n").Load(), "EnteringClub is not defined");
    EXPECT_EQ(data.Importer(kBasicConfig + "CrewName,e,Crew\n").Load(),
              "Could not find CrewName in e.csv");
    EXPECT_EQ(data.Importer(kBasicConfig + "Withdrawn,e,W\n").Load(),
              "Could not find Withdrawn in e.csv");
    EXPECT_EQ(data.Importer(kBasicConfig + "Notes,e,A\nNotes,e,B\n").Load(),
              "Could not find Notes in e.csv");
    EXPECT_EQ(data.Importer(kBasicConfig + "EntryEmail,e,Mail\n").Load(),
              "Could not find EntryEmail in e.csv");
}

TEST(VexaLoadSteps, DivisionNeverFails) {
    MemoryExport data;
    data.files["e.csv"] = "No,Event,Club,Div\n1,A,X,Open\n2,B,X,\n";
    VexaImporter read = data.Importer(kBasicConfig + "Division,e,Div\n");
    ASSERT_EQ(read.Load(), "");
    EXPECT_EQ(read.Entry(0)->Division, "Open");
    VexaImporter missing = data.Importer(kBasicConfig + "Division,e,Division\n");
    ASSERT_EQ(missing.Load(), "");
    EXPECT_EQ(missing.Entry(0)->Division, "N/A");
    EXPECT_EQ(missing.Entry(1)->Division, "N/A");
}

TEST(VexaLoadSteps, NotesContactsAndTexts) {
    MemoryExport data;
    data.files["e.csv"] = "No,Event,Club,Crew,A,B,Mail\n1,MS 4-,ST PETERS BOAT CLUB,the BLUES,x,y,"
                          "p@q\n1,MS 4-,ST PETERS BOAT CLUB,the BLUES,x2,,r@s\n";
    VexaImporter importer = data.Importer(kBasicConfig + "CrewName,e,Crew\nNotes,e,B\nNotes,e,A\n" +
                                          "EntryEmail,e,Mail\n");
    ASSERT_EQ(importer.Load(), "");
    const ImportedEntry& entry = *importer.Entry(0);
    EXPECT_EQ(entry.EnteringClub, "St Peters Boat Club");
    EXPECT_EQ(entry.CrewName, "the Blues");
    EXPECT_EQ(entry.Notes, "1  x2 "); // each Notes source in configuration order
    EXPECT_EQ(entry.Email, "r@s");
}

TEST(VexaLoadSteps, MembersClubJoinsDistinctClubs) {
    MemoryExport data;
    data.files["e.csv"] = "No,Event,Club\n1,A,Entering\n2,A,Entering\n3,A,Entering\n4,A,Entering\n";
    data.files["m.csv"] = "No,Club\n1,ROWING CLUB\n1,CLUB\n2,CLUB\n2,ROWING CLUB\n2,Club\n"
                          "3,Alpha\n3,Beta\n3,ALPHA\n4,\n";
    VexaImporter importer = data.Importer(kBasicConfig + "MembersClub,m,Club\n");
    ASSERT_EQ(importer.Load(), "");
    // "Club" already occurs inside "Rowing Club"; the other way round it does not.
    EXPECT_EQ(importer.Entry(0)->MembersClub, "Rowing Club");
    EXPECT_EQ(importer.Entry(1)->MembersClub, "Club/Rowing Club");
    EXPECT_EQ(importer.Entry(2)->MembersClub, "Alpha/Beta");
    // Without a club on its member rows an entry keeps its entering club.
    EXPECT_EQ(importer.Entry(3)->MembersClub, "Entering");
}

TEST(VexaLoadSteps, WithoutMemberNumbersNoMembersArePaired) {
    MemoryExport data;
    data.files["e.csv"] = "No,Event,Club,Seat,Surname\n1,A,X,Bow,SMITH\n";
    VexaImporter importer = data.Importer(kBasicConfig + "Position,e,Seat\nSurname,e,Surname\n");
    ASSERT_EQ(importer.Load(), "");
    EXPECT_EQ(importer.MemberCount(), 0);
    EXPECT_TRUE(importer.Entry(0)->Positions.empty());
    EXPECT_EQ(importer.Entry(0)->Surname, "Smith");
}

TEST(VexaLoadSteps, PositionsAndNamesMustPairWithMemberNumbers) {
    MemoryExport data;
    data.files["e.csv"] = "No,Event,Club,Surname,First\n1,A,X,SMITH,ann\n2,B,X,JONES,bo\n";
    data.files["m.csv"] = "No,Member,Seat\n1,5,Bow\n1,6,Str\n2,5,Cox\n";
    const std::string config = kBasicConfig + "ARANo,m,Member\n";
    EXPECT_EQ(data.Importer(config + "Surname,e,Surname\n").Load(),
              "SURNAME and ARANOS must be matched lists...");
    EXPECT_EQ(data.Importer(config + "Firstname,e,First\n").Load(),
              "FIRSTNAME and ARANOS must be matched lists...");
    EXPECT_EQ(data.Importer(config + "Position,e,Surname\n").Load(),
              "POSITION and ARANOS must be matched lists...");
    VexaImporter paired = data.Importer(config + "Position,m,Seat\n");
    ASSERT_EQ(paired.Load(), "");
    EXPECT_EQ(paired.Entry(0)->Positions, (std::vector<std::string>{"Bow", "Str"}));
    EXPECT_EQ(paired.FindMember("5")->Events, "A(Bow) B(Cox) ");
    // Without positions every place shows "?".
    VexaImporter unpaired = data.Importer(config);
    ASSERT_EQ(unpaired.Load(), "");
    EXPECT_EQ(unpaired.FindMember("5")->Events, "A(?) B(?) ");
    EXPECT_EQ(unpaired.FindMember("5")->Surname, "");
}

TEST(VexaLabels, CrewNamesSingleScullsAndClubsSharingAnEvent) {
    MemoryExport data;
    data.files["e.csv"] = "No,Event,Club,Crew,Surname,W\n"
                          "1,Men 1x,A,,ONE,N\n" // alone in its event, still labelled
                          "2,Men 4+,A,,TWO,N\n" // shares event and club with 3
                          "3,Men 4+,A,,THREE,N\n"
                          "4,Men 4+,B,,FOUR,N\n"     // alone for club B
                          "5,Men 2x,A,Blue,FIVE,N\n" // named
                          "6,Men 2x,A,,SIX,N\n"      // a named crew of its club precedes it
                          "7,Men 8+,A,,SEVEN,N\n"    // its club's other crew is withdrawn
                          "8,Men 8+,A,,EIGHT,Y\n"
                          "9,Men 1x,A,,NINE,Y\n" // single sculls are labelled, withdrawn too
                          "10,Women 4x,A,Gold,TEN,N\n"
                          "11,Women 4x,A,,ELEVEN,N\n"
                          "12,Women 4x,A,,TWELVE,N\n";
    VexaImporter importer =
        data.Importer(kBasicConfig + "CrewName,e,Crew\nSurname,e,Surname\n" + "Withdrawn,e,W\n");
    ASSERT_EQ(importer.Load(), "");
    EXPECT_EQ(Labels(importer), (std::vector<std::string>{"One", "Two", "Three", "", "Blue", "", "",
                                                          "", "Nine", "Gold", "Eleven", "Twelve"}));
}

// The labels must equal those of the pairwise rule: each unlabelled entry P
// (in order) is labelled by surname when its event is a single scull, and
// otherwise P and every later entry Q of the same event and members' club,
// neither withdrawn, take their surnames when still unlabelled.
TEST(VexaLabels, EqualThePairwiseRuleOnRandomEntries) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        const int count = 1 + static_cast<int>(random() % 12);
        std::string entries = "No,Event,Club,Crew,Surname,W\n";
        for (int i = 0; i < count; ++i) {
            const char* events[] = {"Men 4+", "Men 1x", "Men 2-"};
            entries += std::to_string(i) + "," + events[random() % 3] + "," +
                       std::string(1, static_cast<char>('A' + random() % 2)) + "," +
                       (random() % 4 == 0 ? "Crew" + std::to_string(i) : std::string()) + "," +
                       (random() % 5 == 0 ? std::string() : "S" + std::to_string(i)) + "," +
                       (random() % 4 == 0 ? "Y" : "N") + "\n";
        }
        MemoryExport data;
        data.files["e.csv"] = entries;
        VexaImporter importer = data.Importer(kBasicConfig + "CrewName,e,Crew\n" +
                                              "Surname,e,Surname\nWithdrawn,e,W\n");
        ASSERT_EQ(importer.Load(), "");
        std::vector<ImportedEntry> expected;
        for (int i = 0; i < count; ++i) {
            expected.push_back(*importer.Entry(i));
            expected.back().Label = expected.back().CrewName;
        }
        for (int p = 0; p < count; ++p) {
            ImportedEntry& P = expected[static_cast<std::size_t>(p)];
            if (!P.Label.empty())
                continue;
            if (P.Event.find("1x") != std::string::npos) {
                P.Label = P.Surname;
                continue;
            }
            for (int q = p + 1; q < count; ++q) {
                ImportedEntry& Q = expected[static_cast<std::size_t>(q)];
                if (P.Withdrawn || Q.Withdrawn || Q.Event != P.Event ||
                    Q.MembersClub != P.MembersClub)
                    continue;
                if (P.Label.empty())
                    P.Label = P.Surname;
                if (Q.Label.empty())
                    Q.Label = Q.Surname;
            }
        }
        for (int i = 0; i < count; ++i)
            ASSERT_EQ(importer.Entry(i)->Label, expected[static_cast<std::size_t>(i)].Label)
                << entries << "entry " << i;
    }
}
