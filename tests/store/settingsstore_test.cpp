#include "store/settingsstore.h"

#include "testsupport.h"

#include <QSettings>
#include <gtest/gtest.h>

using namespace bm;
using bm::test::TempDir;

namespace {

const std::string kAutoFeeMessage = "Cannot Read AutoFee data; reset values and save Preferences";

class StoreTest : public ::testing::Test {
protected:
    std::string File() const { return dir.File("settings.ini"); }

    // Writes raw values to the store file, as another program version or a
    // hand edit might have left them.
    void Put(const char* name, const QVariant& value) {
        QSettings raw(QString::fromStdString(File()), QSettings::IniFormat);
        raw.setValue(QString::fromLatin1(name), value);
        raw.sync();
    }

    QVariant Get(const char* name) const {
        QSettings raw(QString::fromStdString(File()), QSettings::IniFormat);
        return raw.value(QString::fromLatin1(name));
    }

    TempDir dir;
};

Settings EveryValueChanged() {
    Settings s;
    s.MaxNameLen = 24;
    s.ShowSponsor = false;
    s.PageEjectClub = true;
    s.SplitOnBlankLine = true;
    s.Lane1Info = "Bow side, \"near\"";
    s.Lane2Info = "Stroke side";
    s.ShowLaneInfo = true;
    s.RecordMoves = false;
    s.ShowCrewNotes = false;
    s.DayLicCost = 1250;
    s.EarlyRegDiscountActive = true;
    s.SetCrewName = "Crew ü";
    s.CompressDT = false;
    s.SpacedDT = false;
    s.ShowRaceNoDT = false;
    s.AllowTC = true;
    s.CheckTC = true;
    s.AutoFeeSTR = {1500, 250, 1, true, true};
    return s;
}

} // namespace

TEST_F(StoreTest, AnEmptyStoreGivesTheDefaultsSilently) {
    std::string problem;
    EXPECT_EQ(SettingsStore(File()).Read(&problem), Settings{});
    EXPECT_TRUE(SettingsStore(File()).RecentFiles().empty());
    EXPECT_EQ(problem, "");
}

TEST_F(StoreTest, EveryValueRoundTripsUnderItsName) {
    const Settings written = EveryValueChanged();
    SettingsStore(File()).Write(written);
    EXPECT_EQ(SettingsStore(File()).Read(), written);

    EXPECT_EQ(Get("MaxNameLen").toInt(), 24);
    EXPECT_EQ(Get("ShowSponsor").toInt(), 0);
    EXPECT_EQ(Get("CheckTC").toInt(), 1);
    EXPECT_EQ(Get("DayLicCost").toInt(), 1250);
    EXPECT_EQ(Get("SetCrewName").toString().toStdString(), "Crew ü");
    const QByteArray fee = Get("AutoFeeSTR").toByteArray();
    EXPECT_EQ(std::string(fee.constData(), static_cast<std::size_t>(fee.size())),
              EncodeAutoFee(written.AutoFeeSTR));
    // Writing the settings leaves the recent files alone.
    EXPECT_FALSE(Get("UsedFile").isValid());
}

TEST_F(StoreTest, AWrongSizedFeeRecordIsReportedAndReadAsZero) {
    SettingsStore(File()).Write(EveryValueChanged());
    Put("AutoFeeSTR", QByteArray(12, '\x01'));
    std::string problem;
    const Settings read = SettingsStore(File()).Read(&problem);
    EXPECT_EQ(problem, kAutoFeeMessage);
    EXPECT_EQ(read.AutoFeeSTR, AutoFee{});
    EXPECT_EQ(read.MaxNameLen, 24); // the rest is read as usual
}

TEST_F(StoreTest, ValuesOfTheWrongTypeAreIgnored) {
    Put("MaxNameLen", QStringLiteral("twelve"));
    Put("ShowSponsor", QByteArray("0"));
    Put("Lane1Info", QByteArray("bytes"));
    Put("CompressDT", QStringLiteral("x"));
    Put("AutoFeeSTR", QStringLiteral("not a record"));
    Put("PageEjectClub", 5); // any non-zero integer is on
    std::string problem;
    Settings expected;
    expected.PageEjectClub = true;
    EXPECT_EQ(SettingsStore(File()).Read(&problem), expected);
    EXPECT_EQ(problem, "");
}

TEST_F(StoreTest, RecentFilesAreKeptAsTheUsedFileRecord) {
    SettingsStore store(File());
    for (int i = 1; i <= 17; ++i)
        store.AddRecentFile("m" + std::to_string(i) + ".bmf");
    store.AddRecentFile("M9.BMF");
    const std::vector<std::string> list = SettingsStore(File()).RecentFiles();
    ASSERT_EQ(list.size(), 16u);
    EXPECT_EQ(list[0], "M9.BMF");
    EXPECT_EQ(list[1], "m17.bmf");
    EXPECT_EQ(list[15], "m2.bmf");
    const QByteArray record = Get("UsedFile").toByteArray();
    ASSERT_FALSE(record.isEmpty());
    EXPECT_EQ(record[0], 16);
    EXPECT_EQ(record.mid(1, 7), QByteArray("\x06M9.BMF"));

    Put("UsedFile", QStringLiteral("not binary"));
    EXPECT_TRUE(SettingsStore(File()).RecentFiles().empty());
}

TEST_F(StoreTest, LoadCurrentSettingsReplacesTheProcessValues) {
    SettingsStore(File()).Write(EveryValueChanged());
    CurrentSettings() = Settings{};
    EXPECT_EQ(LoadCurrentSettings(SettingsStore(File())), "");
    EXPECT_EQ(CurrentSettings(), EveryValueChanged());
    CurrentSettings() = Settings{};
}
