// Turning imported entries into crews of the meet, and the import report: one
// line per entry (with the crews it doubles up with), the list of competitors
// by number of entries, and the crews that may need a label.
#pragma once

#include "engine/import/vexa.h"
#include "engine/model/boatmeet.h"
#include "engine/model/confirm.h"

#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace bm {

// Texts of the "Load VEXA" command.
inline constexpr const char* VexaNoMeetText = "Must create a Boatmeet before loading...";
inline constexpr const char* VexaOwnConfigQuestion = "Use own Load Configuration file (usually NO)";
inline constexpr const char* VexaAbandonedText = "VEXA load abandoned";
inline constexpr const char* VexaBePatientText = "Press OK to load crews ... and then be patient!";
inline constexpr const char* VexaDetectQuestion = "Do you want to automatically detect Doubling Up";
inline constexpr const char* VexaConfigDialogTitle = "Specify Configuration Filename";
// Followed by the file key.
inline constexpr const char* VexaFileDialogTitle = "Specify filename for : ";

// Writes the entry's report line and, unless the entry is withdrawn, adds its
// crew to the meet; true when a crew was made.
bool AddImportedCrew(Boatmeet& meet, const ImportedEntry& entry, std::ostream& report);
// Brings the meet up to date with the export (see vexamerge.h): crews for new
// entries, crews imported earlier updated by their entry number. With
// detection on, the crews it made or changed are linked as doubling up with
// the crews of the export that share a rower. Writes the opening lines of
// WriteMergeSummary, the entry lines with their doubling-up lines, and the
// list of competitors.
void ApplyVexaImport(Boatmeet& meet, const VexaImporter& importer, bool detectDoublingUp,
                     std::ostream& report);
// Writes, per event (single sculls aside) and club, the notes of the crews
// when there are two or more, so the organiser can give them labels.
void ListCrewsNeedingLabels(const Boatmeet& meet, std::ostream& report);

struct VexaImportRequest {
    std::string ConfigPath;
    // The export file of each file key (keys compared ignoring case).
    std::vector<std::pair<std::string, std::string>> FilePaths;
    bool DetectDoublingUp = false;
};

struct VexaImportOutcome {
    bool Imported = false;
    // The import report when imported, otherwise the message to show.
    std::string Text;
};

// The whole import: reads the configuration, takes the path of every file key
// ("VEXA load abandoned" when one is missing), loads the export and, only when
// that succeeded, applies it to the meet and writes the report. The command line
// imports with it; the desktop asks step by step with RunVexaLoad.
VexaImportOutcome ImportVexaExport(Boatmeet& meet, const VexaImportRequest& request);

// What the desktop's "Load VEXA" command needs from the window: its questions,
// its information boxes, and an open dialog for CSV files.
struct VexaLoadDialogs {
    Confirm Ask;
    std::function<void(const std::string& text)> Inform;
    // The CSV file chosen in an open dialog with the title; empty when cancelled.
    std::function<std::string(const std::string& title)> ChooseCsvFile;
};

// The "Load VEXA" command, asking and informing through the dialogs: the
// configuration (the user's own, or "VexaConfig.csv" in the program folder),
// one export file per file key, then the load; only when that succeeded is
// the doubling-up question asked and is the export applied. True, with the
// import report, when it was applied; on every other path the meet is
// untouched (no meet at all is refused with a message).
bool RunVexaLoad(Boatmeet* meet, const std::string& programFolder, const VexaLoadDialogs& dialogs,
                 std::string& report);

} // namespace bm
