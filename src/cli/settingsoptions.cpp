#include "cli/settingsoptions.h"

#include "cli/arguments.h"
#include "engine/model/clockmoney.h"
#include "engine/model/settings.h"
#include "store/settingsstore.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
#include <variant>

namespace bm::cli {

namespace {

using Setter = std::function<bool(Settings&, const std::string&)>;

struct SettingRule {
    std::string name;
    SettingKind kind;
    Setter set;
};

// Flags take only 0 or 1.
bool ReadFlag(const std::string& value, bool& flag) {
    if (value != "0" && value != "1")
        return false;
    flag = value == "1";
    return true;
}

// Money settings take only money values (MoneyValue).
template <typename Amount> bool ReadMoney(const std::string& value, Amount& amount) {
    const std::optional<std::int64_t> money = MoneyValue(value);
    if (money)
        amount = static_cast<Amount>(*money);
    return money.has_value();
}

// The rule of a setting kept under its own name, by its kind. Texts are kept
// as given (settings are not meet texts).
SettingRule RuleOf(const SettingField& field) {
    return std::visit(SettingVisitor{[&field](bool Settings::*flag) -> SettingRule {
                                         return {field.Name, SettingKind::Flag,
                                                 [flag](Settings& s, const std::string& v) {
                                                     return ReadFlag(v, s.*flag);
                                                 }};
                                     },
                                     [&field](int Settings::*number) -> SettingRule {
                                         return {field.Name, SettingKind::Number,
                                                 [number](Settings& s, const std::string& v) {
                                                     return ParseCount(v, s.*number);
                                                 }};
                                     },
                                     [&field](std::int64_t Settings::*amount) -> SettingRule {
                                         return {field.Name, SettingKind::Money,
                                                 [amount](Settings& s, const std::string& v) {
                                                     return ReadMoney(v, s.*amount);
                                                 }};
                                     },
                                     [&field](std::string Settings::*text) -> SettingRule {
                                         return {field.Name, SettingKind::Text,
                                                 [text](Settings& s, const std::string& v) {
                                                     s.*text = v;
                                                     return true;
                                                 }};
                                     }},
                      field.Member);
}

// The fee record holds 32-bit amounts, which every money value fits.
SettingRule FeeAmount(const char* name, std::int32_t AutoFee::*amount) {
    return {name, SettingKind::Money, [amount](Settings& s, const std::string& value) {
                return ReadMoney(value, s.AutoFeeSTR.*amount);
            }};
}

SettingRule FeeFlag(const char* name, bool AutoFee::*flag) {
    return {name, SettingKind::Flag,
            [flag](Settings& s, const std::string& v) { return ReadFlag(v, s.AutoFeeSTR.*flag); }};
}

// Every setting --set takes: the named settings, then the automatic-fee fields.
const std::vector<SettingRule>& SettingRules() {
    static const std::vector<SettingRule> rules = [] {
        std::vector<SettingRule> all;
        for (const SettingField& field : NamedSettings())
            all.push_back(RuleOf(field));
        all.push_back(FeeAmount("FeePerSeat", &AutoFee::FeePerSeat));
        all.push_back(FeeAmount("EarlyDiscount", &AutoFee::EarlyDiscount));
        all.push_back(
            {"DiscountPerCrew", SettingKind::Number, [](Settings& s, const std::string& v) {
                 return ParseCount(v, s.AutoFeeSTR.DiscountPerCrew);
             }});
        all.push_back(FeeFlag("AutoFeeOn", &AutoFee::AutoFeeOn));
        all.push_back(FeeFlag("CoxesPay", &AutoFee::CoxesPay));
        return all;
    }();
    return rules;
}

} // namespace

std::vector<OptionRule> SettingsOptions() {
    return {{.name = "--defaults",
             .help = "Ignores the saved settings of the desktop program: every setting is at "
                     "its default."},
            {.name = "--set",
             .values = "NAME=VALUE",
             .help = "Sets one setting by its stored name, after the saved settings or "
                     "--defaults; may be given more than once.",
             .repeatable = true}};
}

std::vector<std::string> SettingNames(SettingKind kind) {
    std::vector<std::string> names;
    for (const SettingRule& rule : SettingRules())
        if (rule.kind == kind)
            names.push_back(rule.name);
    return names;
}

bool ApplySetting(const std::string& assignment, std::string& error) {
    const std::size_t equals = assignment.find('=');
    const std::string name = assignment.substr(0, equals);
    const auto rule =
        std::find_if(SettingRules().begin(), SettingRules().end(),
                     [&name](const SettingRule& candidate) { return candidate.name == name; });
    if (equals == std::string::npos || rule == SettingRules().end()) {
        error = "unknown setting '" + name + "'";
        return false;
    }
    if (!rule->set(CurrentSettings(), assignment.substr(equals + 1))) {
        error = "bad value for setting " + name + ": '" + assignment.substr(equals + 1) + "'";
        if (rule->kind == SettingKind::Money)
            error += std::string("\n") + NotMoneyText;
        return false;
    }
    return true;
}

bool PrepareSettings(const ParsedArgs& args, Streams& io) {
    if (args.Has("--defaults"))
        CurrentSettings() = Settings{};
    else if (const std::string problem = LoadCurrentSettings(SettingsStore()); !problem.empty())
        io.err << problem << "\n";
    for (const auto& values : args.All("--set")) {
        std::string error;
        if (!ApplySetting(values.front(), error)) {
            io.err << "boatmeet-cli: " << error << "\n";
            return false;
        }
    }
    return true;
}

} // namespace bm::cli
