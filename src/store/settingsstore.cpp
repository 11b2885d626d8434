#include "store/settingsstore.h"

#include <QSettings>

#include <algorithm>
#include <climits>
#include <variant>

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

// Amounts are stored as 32-bit integers; larger ones saturate.
int StoredAmount(std::int64_t amount) {
    return static_cast<int>(std::clamp<std::int64_t>(amount, INT_MIN, INT_MAX));
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

Settings SettingsStore::Read(std::string* problem) const {
    Settings s;
    const QSettings& store = *store_;
    for (const SettingField& field : NamedSettings()) {
        std::visit(SettingVisitor{
                       [&](bool Settings::*flag) { ReadFlag(store, field.Name, s.*flag); },
                       [&](int Settings::*number) { ReadInt(store, field.Name, s.*number); },
                       [&](std::int64_t Settings::*amount) {
                           int value = StoredAmount(s.*amount);
                           ReadInt(store, field.Name, value);
                           s.*amount = value;
                       },
                       [&](std::string Settings::*text) { ReadText(store, field.Name, s.*text); }},
                   field.Member);
    }
    const QVariant fee = store.value(Key("AutoFeeSTR"));
    if (fee.isValid() && fee.typeId() == QMetaType::QByteArray) {
        const QByteArray bytes = fee.toByteArray();
        if (const auto record = DecodeAutoFee(
                std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))))
            s.AutoFeeSTR = *record;
        else if (problem)
            *problem = AutoFeeProblem;
    }
    return s;
}

void SettingsStore::Write(const Settings& s) {
    QSettings& store = *store_;
    for (const SettingField& field : NamedSettings()) {
        const QVariant value = std::visit(
            SettingVisitor{
                [&](bool Settings::*flag) { return QVariant(s.*flag ? 1 : 0); },
                [&](int Settings::*number) { return QVariant(s.*number); },
                [&](std::int64_t Settings::*amount) { return QVariant(StoredAmount(s.*amount)); },
                [&](std::string Settings::*text) {
                    return QVariant(QString::fromStdString(s.*text));
                }},
            field.Member);
        store.setValue(Key(field.Name), value);
    }
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

// One value maps each meet file to the folder it was last published to.
std::string SettingsStore::PublishFolder(const std::string& meetFile) const {
    return store_->value(Key("PublishFolders"))
        .toMap()
        .value(QString::fromStdString(meetFile))
        .toString()
        .toStdString();
}

void SettingsStore::SetPublishFolder(const std::string& meetFile, const std::string& folder) {
    QVariantMap folders = store_->value(Key("PublishFolders")).toMap();
    folders.insert(QString::fromStdString(meetFile), QString::fromStdString(folder));
    store_->setValue(Key("PublishFolders"), folders);
    store_->sync();
}

std::string LoadCurrentSettings(const SettingsStore& store) {
    std::string problem;
    CurrentSettings() = store.Read(&problem);
    return problem;
}

} // namespace bm
