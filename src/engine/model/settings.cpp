#include "engine/model/settings.h"

#include "engine/model/eventnames.h"
#include "engine/model/text.h"

#include <algorithm>

namespace bm {

namespace {

void PutInt32(std::string& bytes, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<char>((bits >> shift) & 0xFFu));
}

std::int32_t GetInt32(std::string_view bytes, std::size_t at) {
    std::uint32_t bits = 0;
    for (int i = 3; i >= 0; --i)
        bits = (bits << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return static_cast<std::int32_t>(bits);
}

} // namespace

namespace {

thread_local Settings* threadSettings = nullptr;

} // namespace

Settings& CurrentSettings() {
    if (threadSettings)
        return *threadSettings;
    static Settings settings;
    return settings;
}

ThreadSettings::ThreadSettings(Settings settings)
    : settings_(std::move(settings)), previous_(threadSettings) {
    threadSettings = &settings_;
}

ThreadSettings::~ThreadSettings() {
    threadSettings = previous_;
}

const std::vector<SettingField>& NamedSettings() {
    static const std::vector<SettingField> fields = {
        {"MaxNameLen", &Settings::MaxNameLen},
        {"ShowSponsor", &Settings::ShowSponsor},
        {"PageEjectClub", &Settings::PageEjectClub},
        {"SplitOnBlankLine", &Settings::SplitOnBlankLine},
        {"Lane1Info", &Settings::Lane1Info},
        {"Lane2Info", &Settings::Lane2Info},
        {"ShowLaneInfo", &Settings::ShowLaneInfo},
        {"RecordMoves", &Settings::RecordMoves},
        {"ShowCrewNotes", &Settings::ShowCrewNotes},
        {"DayLicCost", &Settings::DayLicCost},
        {"EarlyRegDiscountActive", &Settings::EarlyRegDiscountActive},
        {"SetCrewName", &Settings::SetCrewName},
        {"CompressDT", &Settings::CompressDT},
        {"SpacedDT", &Settings::SpacedDT},
        {"ShowRaceNoDT", &Settings::ShowRaceNoDT},
        {"AllowTC", &Settings::AllowTC},
        {"CheckTC", &Settings::CheckTC},
    };
    return fields;
}

std::int64_t AutoEntryFee(std::string_view eventName) {
    const AutoFee& fee = CurrentSettings().AutoFeeSTR;
    if (!fee.AutoFeeOn)
        return 0;
    std::int64_t amount = std::int64_t{RowerCount(eventName)} * fee.FeePerSeat;
    if (fee.CoxesPay && HasCox(eventName))
        amount += fee.FeePerSeat;
    return amount;
}

std::int64_t EarlyPayDiscount(std::string_view eventName) {
    const AutoFee& fee = CurrentSettings().AutoFeeSTR;
    if (fee.DiscountPerCrew == 1)
        return fee.EarlyDiscount;
    std::int64_t amount = std::int64_t{RowerCount(eventName)} * fee.EarlyDiscount;
    if (fee.CoxesPay)
        amount += fee.EarlyDiscount;
    return amount;
}

std::string EncodeAutoFee(const AutoFee& fee) {
    std::string bytes;
    PutInt32(bytes, fee.FeePerSeat);
    PutInt32(bytes, fee.EarlyDiscount);
    PutInt32(bytes, fee.DiscountPerCrew);
    bytes.push_back(fee.AutoFeeOn ? 1 : 0);
    bytes.push_back(fee.CoxesPay ? 1 : 0);
    bytes.append(2, '\0');
    return bytes;
}

std::optional<AutoFee> DecodeAutoFee(std::string_view bytes) {
    if (bytes.size() != 16)
        return std::nullopt;
    AutoFee fee;
    fee.FeePerSeat = GetInt32(bytes, 0);
    fee.EarlyDiscount = GetInt32(bytes, 4);
    fee.DiscountPerCrew = GetInt32(bytes, 8);
    fee.AutoFeeOn = bytes[12] != 0;
    fee.CoxesPay = bytes[13] != 0;
    return fee;
}

void AddRecentFile(std::vector<std::string>& list, std::string_view name) {
    if (name.empty() || name.size() >= 256)
        return;
    list.erase(std::remove_if(
                   list.begin(), list.end(),
                   [name](const std::string& entry) { return SameTextIgnoringCase(entry, name); }),
               list.end());
    while (static_cast<int>(list.size()) > MaxRecentFiles - 1)
        list.pop_back();
    list.insert(list.begin(), std::string(name));
}

std::string EncodeRecentFiles(const std::vector<std::string>& list) {
    // A name's length must fit its length byte; longer names are left out.
    std::string names;
    int count = 0;
    for (const std::string& name : list) {
        if (name.size() > 255 || count == 255)
            continue;
        names.push_back(static_cast<char>(name.size()));
        names += name;
        ++count;
    }
    return static_cast<char>(count) + names;
}

std::vector<std::string> DecodeRecentFiles(std::string_view bytes) {
    std::vector<std::string> list;
    if (bytes.empty())
        return list;
    const int count = static_cast<unsigned char>(bytes[0]);
    std::size_t at = 1;
    // A record cut short loses its incomplete last name.
    for (int i = 0; i < count && at < bytes.size(); ++i) {
        const std::size_t length = static_cast<unsigned char>(bytes[at++]);
        if (length > bytes.size() - at)
            break;
        list.emplace_back(bytes.substr(at, length));
        at += length;
    }
    return list;
}

} // namespace bm
