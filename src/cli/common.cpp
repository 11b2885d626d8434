#include "cli/common.h"

#include "engine/model/clockmoney.h"
#include "engine/model/settings.h"
#include "engine/model/text.h"
#include "engine/session/meetfiles.h"
#include "store/settingsstore.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <variant>

namespace bm::cli {

namespace {

using Setter = std::function<bool(Settings&, const std::string&)>;

// Flags take only 0 or 1.
bool ReadFlag(const std::string& value, bool& flag) {
    if (value != "0" && value != "1")
        return false;
    flag = value == "1";
    return true;
}

// The setter of a setting kept under its own name, by its kind. Money takes
// any money text, read as the preferences dialog reads it; texts are kept as
// given (settings are not meet texts).
Setter NamedSetter(const SettingMember& member) {
    return std::visit(SettingVisitor{[](bool Settings::*flag) -> Setter {
                                         return [flag](Settings& s, const std::string& v) {
                                             return ReadFlag(v, s.*flag);
                                         };
                                     },
                                     [](int Settings::*number) -> Setter {
                                         return [number](Settings& s, const std::string& v) {
                                             return ParseCount(v, s.*number);
                                         };
                                     },
                                     [](std::int64_t Settings::*amount) -> Setter {
                                         return [amount](Settings& s, const std::string& v) {
                                             s.*amount = ParseMoney(v);
                                             return true;
                                         };
                                     },
                                     [](std::string Settings::*text) -> Setter {
                                         return [text](Settings& s, const std::string& v) {
                                             s.*text = v;
                                             return true;
                                         };
                                     }},
                      member);
}

// The fee record holds 32-bit amounts; larger ones saturate instead of wrapping.
Setter FeeAmount(std::int32_t AutoFee::*amount) {
    return [amount](Settings& s, const std::string& value) {
        s.AutoFeeSTR.*amount = static_cast<std::int32_t>(
            std::clamp<std::int64_t>(ParseMoney(value), INT32_MIN, INT32_MAX));
        return true;
    };
}

Setter FeeFlag(bool AutoFee::*flag) {
    return [flag](Settings& s, const std::string& v) { return ReadFlag(v, s.AutoFeeSTR.*flag); };
}

const std::map<std::string, Setter>& Setters() {
    static const std::map<std::string, Setter> setters = [] {
        std::map<std::string, Setter> all;
        for (const SettingField& field : NamedSettings())
            all.emplace(field.Name, NamedSetter(field.Member));
        all.emplace("FeePerSeat", FeeAmount(&AutoFee::FeePerSeat));
        all.emplace("EarlyDiscount", FeeAmount(&AutoFee::EarlyDiscount));
        all.emplace("DiscountPerCrew", [](Settings& s, const std::string& v) {
            return ParseCount(v, s.AutoFeeSTR.DiscountPerCrew);
        });
        all.emplace("AutoFeeOn", FeeFlag(&AutoFee::AutoFeeOn));
        all.emplace("CoxesPay", FeeFlag(&AutoFee::CoxesPay));
        return all;
    }();
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
    std::string error;
    std::unique_ptr<Boatmeet> meet = OpenMeetFile(path, error);
    if (!meet)
        io.err << error << "\n";
    return meet;
}

std::unique_ptr<Boatmeet> OpenCommandMeet(const ParsedArgs& args, Streams& io) {
    if (!PrepareSettings(args, io))
        return nullptr;
    return OpenMeet(args.positional[0], io);
}

int SaveMeetTo(Boatmeet& meet, const std::string& target, bool full, Streams& io) {
    std::string error;
    if (!SaveMeetFile(meet, target, full, error)) {
        io.err << error << "\n";
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
