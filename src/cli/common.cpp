#include "common.h"

#include "model/misccode.h"
#include "model/settings.h"
#include "settingsstore.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>

namespace bm::cli {

namespace {

using Setter = std::function<bool(Settings&, const std::string&)>;

Setter Flag(bool Settings::*field) {
    return [field](Settings& s, const std::string& value) {
        if (value != "0" && value != "1")
            return false;
        s.*field = value == "1";
        return true;
    };
}

Setter FeeFlag(bool AutoFee::*field) {
    return [field](Settings& s, const std::string& value) {
        if (value != "0" && value != "1")
            return false;
        s.AutoFeeSTR.*field = value == "1";
        return true;
    };
}

Setter Integer(const std::function<int&(Settings&)>& field) {
    return [field](Settings& s, const std::string& value) {
        int number = 0;
        if (!ParseCount(value, number))
            return false;
        field(s) = number;
        return true;
    };
}

Setter Money(const std::function<void(Settings&, std::int64_t)>& assign) {
    return [assign](Settings& s, const std::string& value) {
        assign(s, ParseMoney(value));
        return true;
    };
}

// Settings are not meet texts: they are kept as given, as the preferences dialog keeps them.
Setter Text(std::string Settings::*field) {
    return [field](Settings& s, const std::string& value) {
        s.*field = value;
        return true;
    };
}

// The fee record holds 32-bit amounts; larger ones saturate instead of wrapping.
std::int32_t FeeAmount(std::int64_t amount) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(amount, INT32_MIN, INT32_MAX));
}

const std::map<std::string, Setter>& Setters() {
    static const std::map<std::string, Setter> setters = {
        {"MaxNameLen", Integer([](Settings& s) -> int& { return s.MaxNameLen; })},
        {"ShowSponsor", Flag(&Settings::ShowSponsor)},
        {"PageEjectClub", Flag(&Settings::PageEjectClub)},
        {"SplitOnBlankLine", Flag(&Settings::SplitOnBlankLine)},
        {"Lane1Info", Text(&Settings::Lane1Info)},
        {"Lane2Info", Text(&Settings::Lane2Info)},
        {"ShowLaneInfo", Flag(&Settings::ShowLaneInfo)},
        {"RecordMoves", Flag(&Settings::RecordMoves)},
        {"ShowCrewNotes", Flag(&Settings::ShowCrewNotes)},
        {"DayLicCost", Money([](Settings& s, std::int64_t v) { s.DayLicCost = v; })},
        {"EarlyRegDiscountActive", Flag(&Settings::EarlyRegDiscountActive)},
        {"SetCrewName", Text(&Settings::SetCrewName)},
        {"CompressDT", Flag(&Settings::CompressDT)},
        {"SpacedDT", Flag(&Settings::SpacedDT)},
        {"ShowRaceNoDT", Flag(&Settings::ShowRaceNoDT)},
        {"AllowTC", Flag(&Settings::AllowTC)},
        {"CheckTC", Flag(&Settings::CheckTC)},
        {"FeePerSeat",
         Money([](Settings& s, std::int64_t v) { s.AutoFeeSTR.FeePerSeat = FeeAmount(v); })},
        {"EarlyDiscount",
         Money([](Settings& s, std::int64_t v) { s.AutoFeeSTR.EarlyDiscount = FeeAmount(v); })},
        {"DiscountPerCrew",
         Integer([](Settings& s) -> int& { return s.AutoFeeSTR.DiscountPerCrew; })},
        {"AutoFeeOn", FeeFlag(&AutoFee::AutoFeeOn)},
        {"CoxesPay", FeeFlag(&AutoFee::CoxesPay)},
    };
    return setters;
}

} // namespace

std::vector<OptionRule> SettingsOptions() {
    return {{"--defaults", 0, false}, {"--set", 1, true}};
}

std::vector<OptionRule> WritingOptions() {
    std::vector<OptionRule> options = SettingsOptions();
    options.push_back({"-o", 1, false});
    return options;
}

std::vector<OptionRule> WithSettings(std::vector<OptionRule> options) {
    for (OptionRule& option : SettingsOptions())
        options.push_back(std::move(option));
    return options;
}

std::vector<OptionRule> WithWriting(std::vector<OptionRule> options) {
    for (OptionRule& option : WritingOptions())
        options.push_back(std::move(option));
    return options;
}

bool ApplySetting(const std::string& assignment, std::string& error) {
    const std::size_t equals = assignment.find('=');
    const std::string name = assignment.substr(0, equals);
    const auto setter = Setters().find(name);
    if (equals == std::string::npos || setter == Setters().end()) {
        error = "unknown setting '" + name + "'";
        return false;
    }
    if (!setter->second(CurrentSettings(), assignment.substr(equals + 1))) {
        error = "bad value for setting " + name + ": '" + assignment.substr(equals + 1) + "'";
        return false;
    }
    return true;
}

bool PrepareSettings(const ParsedArgs& args, Streams& io) {
    if (args.Has("--defaults"))
        CurrentSettings() = Settings{};
    else
        LoadCurrentSettings(SettingsStore());
    for (const auto& values : args.All("--set")) {
        std::string error;
        if (!ApplySetting(values.front(), error)) {
            io.err << "boatmeet-cli: " << error << "\n";
            return false;
        }
    }
    return true;
}

std::unique_ptr<Boatmeet> OpenMeet(const std::string& path, Streams& io) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        io.err << "Could not open file : " << path << "\n";
        return nullptr;
    }
    if (MeetFileKind(path) != 0) {
        io.err << "This file does not appear to be a Boatmeet file..\n";
        return nullptr;
    }
    return Boatmeet::LoadFromFile(path);
}

std::unique_ptr<Boatmeet> OpenCommandMeet(const ParsedArgs& args, Streams& io) {
    if (!PrepareSettings(args, io))
        return nullptr;
    return OpenMeet(args.positional[0], io);
}

int SaveMeetTo(Boatmeet& meet, const std::string& target, bool full, Streams& io) {
    if (!meet.SaveToFile(target, full)) {
        io.err << "Failed to write to file. DATA NOT SAVED!\n";
        return Problem;
    }
    return Done;
}

int SaveMeet(Boatmeet& meet, const ParsedArgs& args, const std::string& path, Streams& io) {
    return SaveMeetTo(meet, args.Has("-o") ? args.All("-o").front().front() : path, true, io);
}

int UsageError(Streams& io, const std::string& command, const std::string& text) {
    io.err << "boatmeet-cli " << command << ": " << text << "\n";
    return Usage;
}

bool ParseCount(const std::string& text, int& value) {
    return Trimmed(text) == text && ParseWholeInt(text, value);
}

CliMessages::CliMessages(std::ostream& err, bool answer)
    : err_(err), answer_(answer), previous_(SetMessageHandler(this)) {}

CliMessages::~CliMessages() {
    SetMessageHandler(previous_);
}

void CliMessages::Inform(const std::string& text) {
    err_ << text << "\n";
}

bool CliMessages::Ask(const std::string&) {
    return answer_;
}

} // namespace bm::cli
