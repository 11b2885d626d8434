// The per-user settings as process-wide values the engine reads, with their
// defaults, the automatic entry fee record and the recent-files list. Where the
// values are stored is the store library's business; the engine sees plain values.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace bm {

// The automatic entry fee record ("AutoFeeSTR").
struct AutoFee {
    std::int32_t FeePerSeat = 0;      // hundredths
    std::int32_t EarlyDiscount = 0;   // hundredths
    std::int32_t DiscountPerCrew = 0; // 1: the discount is per crew, otherwise per seat
    bool AutoFeeOn = false;
    bool CoxesPay = false;

    bool operator==(const AutoFee&) const = default;
};

struct Settings {
    int MaxNameLen = 999;
    bool ShowSponsor = true;
    bool PageEjectClub = false;
    bool SplitOnBlankLine = false;
    std::string Lane1Info;
    std::string Lane2Info;
    bool ShowLaneInfo = false;
    bool RecordMoves = true;
    bool ShowCrewNotes = true;
    std::int64_t DayLicCost = 0; // hundredths
    bool EarlyRegDiscountActive = false;
    std::string SetCrewName = "<new crew>";
    bool CompressDT = true;
    bool SpacedDT = true;
    bool ShowRaceNoDT = true;
    bool AllowTC = false;
    bool CheckTC = false;
    AutoFee AutoFeeSTR;

    bool operator==(const Settings&) const = default;
};

// The settings in force for this process (on a thread that holds a
// ThreadSettings, that thread's own copy).
Settings& CurrentSettings();

// While it lives, CurrentSettings() on the thread that made it gives its copy
// of the settings: work done on a thread of its own (a report written away
// from the window's thread) reads the settings as they were when it started,
// whatever the program changes meanwhile.
class ThreadSettings {
public:
    explicit ThreadSettings(Settings settings);
    ~ThreadSettings();
    ThreadSettings(const ThreadSettings&) = delete;
    ThreadSettings& operator=(const ThreadSettings&) = delete;

private:
    Settings settings_;
    Settings* previous_;
};

// Where a setting lives in Settings; its type tells its kind: a flag, an
// integer, an amount in hundredths, or a text.
using SettingMember = std::variant<bool Settings::*, int Settings::*, std::int64_t Settings::*,
                                   std::string Settings::*>;
struct SettingField {
    const char* Name; // the name it is stored and set under
    SettingMember Member;
};
// Every setting kept under its own name (all but the automatic fee record).
const std::vector<SettingField>& NamedSettings();

// Calls one of the handlers with the member of a setting, by its kind.
template <typename... Handlers> struct SettingVisitor : Handlers... {
    using Handlers::operator()...;
};
template <typename... Handlers> SettingVisitor(Handlers...) -> SettingVisitor<Handlers...>;

// The automatic entry fee of an event, in hundredths (0 when it is off).
std::int64_t AutoEntryFee(std::string_view eventName);
// The early pay discount of an event, in hundredths.
std::int64_t EarlyPayDiscount(std::string_view eventName);

// The 16-byte little-endian "AutoFeeSTR" record and back; nothing for a record
// of another size.
std::string EncodeAutoFee(const AutoFee& fee);
std::optional<AutoFee> DecodeAutoFee(std::string_view bytes);

// The recent-files list: at most 16 names, most recent first.
constexpr int MaxRecentFiles = 16;
// Puts the name at the front of the list (dropping an entry equal to it
// ignoring case and the oldest beyond 16); empty names and names of 256
// bytes or more (the record keeps a name's length in one byte) are not added.
void AddRecentFile(std::vector<std::string>& list, std::string_view name);
// The "UsedFile" record: a count byte, then a length byte and the bytes of each name.
std::string EncodeRecentFiles(const std::vector<std::string>& list);
std::vector<std::string> DecodeRecentFiles(std::string_view bytes);

} // namespace bm
