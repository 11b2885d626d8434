// The CSV record rules of the association import and the reading of the
// import configuration.
#include "engine/import/csvreader.h"
#include "engine/import/vexa.h"
#include "engine/model/textfile.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace bm;
using bm::test::DataPath;

namespace {

using Records = std::vector<std::vector<std::string>>;

Records ReadAll(std::string_view text) {
    CsvReader reader(text);
    Records records;
    std::vector<std::string> fields;
    while (reader.ReadRecord(fields))
        records.push_back(fields);
    return records;
}

} // namespace

TEST(CsvReader, QuotesGroupCommasAndVanish) {
    EXPECT_EQ(ReadAll("a,\"b, c\",d\n"), (Records{{"a", "b, c", "d"}}));
    EXPECT_EQ(ReadAll("\"He said \"\"hi\"\"\"\n"), (Records{{"He said hi"}}));
    EXPECT_EQ(ReadAll("x\"y\"z,1\n"), (Records{{"xyz", "1"}}));
}

TEST(CsvReader, LineFeedEndsTheRecordEvenInsideQuotes) {
    // The open quote of the first line does not carry over to the second.
    EXPECT_EQ(ReadAll("a,\"b\nc,d\n"), (Records{{"a", "b"}, {"c", "d"}}));
}

TEST(CsvReader, TrimsBlanksAndControlCharacters) {
    EXPECT_EQ(ReadAll("  a ,\tb\t, \" c \" \r\n"), (Records{{"a", "b", "c"}}));
    EXPECT_EQ(ReadAll("\x7F"
                      "a\x01,b c\r\n"),
              (Records{{"a", "b c"}}));
    // A carriage return inside a value is not at its ends and stays.
    EXPECT_EQ(ReadAll("a\rb\n"), (Records{{"a\rb"}}));
}

TEST(CsvReader, EmptyFieldsAndBlankLines) {
    EXPECT_EQ(ReadAll("a,,b,\n\n,\n"), (Records{{"a", "", "b", ""}, {""}, {"", ""}}));
    EXPECT_EQ(ReadAll("\r\n"), (Records{{""}}));
}

TEST(CsvReader, EndOfTextWithoutLineFeed) {
    EXPECT_EQ(ReadAll(""), Records{});
    EXPECT_EQ(ReadAll("a,b"), (Records{{"a", "b"}}));
    // A trailing empty field is lost; one holding only blanks is kept (empty).
    EXPECT_EQ(ReadAll("a,"), (Records{{"a"}}));
    EXPECT_EQ(ReadAll("a, "), (Records{{"a", ""}}));
    EXPECT_EQ(ReadAll("a\n"), (Records{{"a"}}));
    // Only quotes: nothing was kept for the field, so no record.
    EXPECT_EQ(ReadAll("a\n\"\""), (Records{{"a"}}));
    EXPECT_EQ(ReadAll("a\n,"), (Records{{"a"}, {""}}));
}

TEST(CsvReader, ByteOrderMarkOfAUtf8FileIsNoPartOfTheFirstHeading) {
    // Spreadsheets saving "CSV UTF-8" start the file with one.
    EXPECT_EQ(ReadAll("\xEF\xBB\xBF"
                      "Entry No,Event\n1,MS 1x\n"),
              (Records{{"Entry No", "Event"}, {"1", "MS 1x"}}));
    EXPECT_EQ(ReadAll("\xEF\xBB\xBF"), Records{});
    // Anywhere else it is text.
    EXPECT_EQ(ReadAll("a,\xEF\xBB\xBF"
                      "b\n"),
              (Records{{"a", "\xEF\xBB\xBF"
                             "b"}}));
}

TEST(CsvReader, KeepsUtf8TextsAndReadsOtherLinesAsWindows1252) {
    EXPECT_EQ(ReadAll("Whakatāne,Müller\n"), (Records{{"Whakatāne", "Müller"}}));
    std::string text;
    ASSERT_TRUE(ReadTextFile(DataPath("vexa_cp1252.csv"), text));
    EXPECT_EQ(ReadAll(text)[1], (std::vector<std::string>{"1", "MS 1x", "Montréal"}));
    // One stray byte in a UTF-8 file spoils its own line only.
    const bm::test::TempDir dir;
    bm::test::WriteFile(dir.File("mixed.csv"), "1,(Åsa)\r\n2,Montr\xE9"
                                               "al \x80\r\n3,Whakatāne");
    ASSERT_TRUE(ReadTextFile(dir.File("mixed.csv"), text));
    EXPECT_EQ(text, "1,(Åsa)\r\n2,Montréal €\r\n3,Whakatāne");
}

TEST(VexaConfiguration, ReadsSourcesAndFileKeys) {
    VexaImporter importer(DataPath("vexa_config.csv"));
    ASSERT_FALSE(importer.Failed());
    EXPECT_EQ(importer.ErrorText(), "");
    ASSERT_EQ(importer.Sources().size(), 12u);
    const FieldSource& id = importer.Sources().front();
    EXPECT_EQ(id.FieldName, "ID");
    EXPECT_EQ(id.ColumnName, "Entry No");
    EXPECT_EQ(id.FileKeyIndex, 0);
    EXPECT_EQ(importer.Sources()[7].FileKeyIndex, 1);
    ASSERT_EQ(importer.FileKeyCount(), 2);
    EXPECT_EQ(importer.FileKey(0), "entries");
    EXPECT_EQ(importer.FileKey(1), "members");
    EXPECT_EQ(importer.FileKey(2), "");
}

TEST(VexaConfiguration, KeysDifferingInCaseAreOneAndUnknownFieldsStillAskForTheirFile) {
    VexaImporter importer(DataPath("vexa_config_keys.csv"));
    ASSERT_FALSE(importer.Failed());
    ASSERT_EQ(importer.FileKeyCount(), 3);
    EXPECT_EQ(importer.FileKey(0), "entries");
    EXPECT_EQ(importer.FileKey(1), "members");
    EXPECT_EQ(importer.FileKey(2), "extra");
    EXPECT_EQ(importer.Sources()[2].FileKeyIndex, 0);
}

TEST(VexaConfiguration, BadRecordsStopTheReading) {
    const std::string blank = DataPath("vexa_config_blank_line.csv");
    VexaImporter blankLine(blank);
    EXPECT_TRUE(blankLine.Failed());
    EXPECT_EQ(blankLine.ErrorText(), "Bad input line , in : " + blank);
    // Records read before the bad one remain.
    EXPECT_EQ(blankLine.Sources().size(), 1u);

    const std::string short2 = DataPath("vexa_config_two_fields.csv");
    VexaImporter twoFields(short2);
    EXPECT_TRUE(twoFields.Failed());
    EXPECT_EQ(twoFields.ErrorText(), "Bad input line Event,entries, in : " + short2);

    auto memory = [](const std::string&, std::string& text) {
        text = "ID,entries,Entry No,extra\n";
        return true;
    };
    VexaImporter fourFields("four.csv", memory);
    EXPECT_EQ(fourFields.ErrorText(), "Bad input line ID,entries,Entry No,extra, in : four.csv");
}

TEST(VexaConfiguration, MissingFileAndEmptyConfiguration) {
    VexaImporter missing("/no/such/folder/VexaConfig.csv");
    EXPECT_TRUE(missing.Failed());
    EXPECT_EQ(missing.ErrorText(), "Could not open file : /no/such/folder/VexaConfig.csv");

    // A folder opens but cannot be read.
    const test::TempDir dir;
    VexaImporter folder(dir.Path().string());
    EXPECT_TRUE(folder.Failed());
    EXPECT_EQ(folder.ErrorText(), "Could not open file : " + dir.Path().string());

    auto empty = [](const std::string&, std::string& text) {
        text.clear();
        return true;
    };
    VexaImporter none("empty.csv", empty);
    EXPECT_FALSE(none.Failed());
    EXPECT_EQ(none.FileKeyCount(), 0);
    EXPECT_EQ(none.Load(), "ID is not defined");
}
