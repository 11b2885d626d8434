// Bringing the meet up to date from the association export, which organisers
// download again and again while entries come in. Every entry is matched by
// its entry number to the crew an earlier import made for it (the number
// stands at the start of the notes the import gave the crew, "VEXA 1001
// ..."): that crew is brought up to date, an entry without a crew gets a new
// one, and crews whose entry has left the export are listed for the
// organiser, never deleted. Crews entered by hand carry no entry number and
// are never touched.
//
// The export is the association's view of an entry, the meet the organiser's:
// each imported crew keeps what the export said at the last import
// (Crew::Imported), and only what the export changed since is brought up to
// date, where the organiser has not changed it too.
#pragma once

#include "engine/import/vexa.h"
#include "engine/model/boatmeet.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace bm {

// What one entry of the export did to the meet.
enum class EntryOutcome {
    LeftOut,   // its entry number cannot be trusted: nothing done, a line says why
    Added,     // a new crew
    Changed,   // its crew brought up to date
    Withdrawn, // its crew marked withdrawn by this import
    Unchanged, // its crew was up to date, or a withdrawn entry that has no crew
};

struct MergedEntry {
    EntryOutcome Outcome = EntryOutcome::LeftOut;
    // The crew of the entry, -1 when it has none.
    int CrewId = -1;
    // What changed, each as `field old -> new`, joined by "; ".
    std::string Changes;
    // The organiser's changes kept against the export's, each as
    // `field yours VALUE, export VALUE`, joined by "; ".
    std::string Kept;
};

struct VexaMerge {
    // The meet held crews with entry numbers before: a re-import.
    bool Reimport = false;
    // One per imported entry, in entry order.
    std::vector<MergedEntry> Entries;
    // A line for each entry left out, in entry order.
    std::vector<std::string> LeftOut;
    // Crews whose entry is no longer in the export, in crew order.
    std::vector<int> Missing;
    // Events already drawn that gained, lost or withdrew a crew, in set order.
    std::vector<int> DrawEditorEvents;
    // Crews matched without the values of their last import (imported
    // before those were kept): the export's values were applied.
    int Unrecorded = 0;
};

// The start of the name of a crew whose entry was withdrawn after it was imported.
inline constexpr std::string_view WithdrawnMark = "**** Withdrawn ****";

// The entry number a crew carries at the start of the notes its last import
// gave it (its notes, for a crew imported before those were kept), as digits
// without leading zeros; empty when it carries none.
std::string CrewEntryNumber(const Crew& crew);

// Makes and adds the crew of an imported entry, as a first import does, with
// the export's values kept.
Crew* MakeImportedCrew(Boatmeet& meet, const ImportedEntry& entry);

// Adds a crew for every new entry that is not withdrawn and brings the crews
// of known entries up to date, three ways: an event the export changed moves
// the crew (out of its old event's draw, with the move in its notes when
// moves are recorded; no question is asked), a changed club, name, paid flag
// or notes is written, and a withdrawn entry marks its crew's name. Every
// crew of an entry then keeps the export's values. Doubling up is left to
// the caller.
VexaMerge MergeImportedEntries(Boatmeet& meet, const VexaImporter& importer);

// The lines that open the import report: for a re-import the summary line
// ("N added, N changed, N withdrawn, N no longer in the export, N unchanged,
// N kept your change"), the crews without values of their last import, the
// drawn events that need the draw editor, the entries left out, then the
// added, changed and withdrawn crews, the organiser's changes kept and the
// missing crews; for a first import only the entries left out. Nothing at
// all for a first import of a sound export.
void WriteMergeSummary(const Boatmeet& meet, const VexaImporter& importer, const VexaMerge& merge,
                       std::ostream& report);

} // namespace bm
