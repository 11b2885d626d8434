#include "settingsstore.h"

#include "model/messages.h"

#include <QSettings>

#include <algorithm>
#include <climits>

namespace bm {

namespace {

QString Key(const char* name) {
    return QString::fromLatin1(name);
}

// Integer values: an INI file keeps every value as text, so a value is taken
// when it reads as a whole number.
void ReadInt(const QSettings& store, const char* name, int& value) {
    const QVariant stored = store.value(Key(name));
    if (!stored.isValid() || stored.typeId() == QMetaType::QByteArray)
        return;
    bool ok = false;
    const int read = stored.toInt(&ok);
    if (ok)
        value = read;
}

void ReadFlag(const QSettings& store, const char* name, bool& flag) {
    int value = flag ? 1 : 0;
    ReadInt(store, name, value);
    flag = value != 0;
}

void ReadText(const QSettings& store, const char* name, std::string& text) {
    const QVariant stored = store.value(Key(name));
    if (stored.isValid() && stored.typeId() == QMetaType::QString)
        text = stored.toString().toStdString();
}

} // namespace

SettingsStore::SettingsStore()
    : store_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                         Key("Keelworks"), Key("Boatmeet"))) {}

SettingsStore::SettingsStore(const std::string& fileName)
    : store_(std::make_unique<QSettings>(QString::fromStdString(fileName), QSettings::IniFormat)) {}

SettingsStore::~SettingsStore() = default;

Settings SettingsStore::Read() const {
    Settings s;
    const QSettings& store = *store_;
    ReadInt(store, "MaxNameLen", s.MaxNameLen);
    ReadFlag(store, "ShowSponsor", s.ShowSponsor);
    ReadFlag(store, "PageEjectClub", s.PageEjectClub);
    ReadFlag(store, "SplitOnBlankLine", s.SplitOnBlankLine);
    ReadText(store, "Lane1Info", s.Lane1Info);
    ReadText(store, "Lane2Info", s.Lane2Info);
    ReadFlag(store, "ShowLaneInfo", s.ShowLaneInfo);
    ReadFlag(store, "RecordMoves", s.RecordMoves);
    ReadFlag(store, "ShowCrewNotes", s.ShowCrewNotes);
    int dayLicCost = static_cast<int>(s.DayLicCost);
    ReadInt(store, "DayLicCost", dayLicCost);
    s.DayLicCost = dayLicCost;
    ReadFlag(store, "EarlyRegDiscountActive", s.EarlyRegDiscountActive);
    ReadText(store, "SetCrewName", s.SetCrewName);
    ReadFlag(store, "CompressDT", s.CompressDT);
    ReadFlag(store, "SpacedDT", s.SpacedDT);
    ReadFlag(store, "ShowRaceNoDT", s.ShowRaceNoDT);
    ReadFlag(store, "AllowTC", s.AllowTC);
    ReadFlag(store, "CheckTC", s.CheckTC);
    const QVariant fee = store.value(Key("AutoFeeSTR"));
    if (fee.isValid() && fee.typeId() == QMetaType::QByteArray) {
        const QByteArray bytes = fee.toByteArray();
        if (const auto record = DecodeAutoFee(
                std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))))
            s.AutoFeeSTR = *record;
        else
            Messages().Inform("Cannot Read AutoFee data; reset values and save Preferences");
    }
    return s;
}

void SettingsStore::Write(const Settings& s) {
    QSettings& store = *store_;
    const auto flag = [&](const char* name, bool value) {
        store.setValue(Key(name), value ? 1 : 0);
    };
    const auto text = [&](const char* name, const std::string& value) {
        store.setValue(Key(name), QString::fromStdString(value));
    };
    store.setValue(Key("MaxNameLen"), s.MaxNameLen);
    flag("ShowSponsor", s.ShowSponsor);
    flag("PageEjectClub", s.PageEjectClub);
    flag("SplitOnBlankLine", s.SplitOnBlankLine);
    text("Lane1Info", s.Lane1Info);
    text("Lane2Info", s.Lane2Info);
    flag("ShowLaneInfo", s.ShowLaneInfo);
    flag("RecordMoves", s.RecordMoves);
    flag("ShowCrewNotes", s.ShowCrewNotes);
    // The stored value is a 32-bit integer.
    store.setValue(Key("DayLicCost"),
                   static_cast<int>(std::clamp<std::int64_t>(s.DayLicCost, INT_MIN, INT_MAX)));
    flag("EarlyRegDiscountActive", s.EarlyRegDiscountActive);
    text("SetCrewName", s.SetCrewName);
    flag("CompressDT", s.CompressDT);
    flag("SpacedDT", s.SpacedDT);
    flag("ShowRaceNoDT", s.ShowRaceNoDT);
    flag("AllowTC", s.AllowTC);
    flag("CheckTC", s.CheckTC);
    const std::string fee = EncodeAutoFee(s.AutoFeeSTR);
    store.setValue(Key("AutoFeeSTR"), QByteArray(fee.data(), static_cast<qsizetype>(fee.size())));
    store.sync();
}

std::vector<std::string> SettingsStore::RecentFiles() const {
    const QVariant stored = store_->value(Key("UsedFile"));
    if (!stored.isValid() || stored.typeId() != QMetaType::QByteArray)
        return {};
    const QByteArray bytes = stored.toByteArray();
    return DecodeRecentFiles(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

void SettingsStore::AddRecentFile(const std::string& name) {
    std::vector<std::string> list = RecentFiles();
    bm::AddRecentFile(list, name);
    const std::string bytes = EncodeRecentFiles(list);
    store_->setValue(Key("UsedFile"),
                     QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    store_->sync();
}

void LoadCurrentSettings(const SettingsStore& store) {
    CurrentSettings() = store.Read();
}

} // namespace bm
