// One entry of the meet: a boat of one club in one event, with its billing data
// and its links to crews that share a rower (double-up) or a boat (boat share).
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace bm {

// What the association export said of an imported crew at the last import,
// so that a re-import can tell the export's changes from the organiser's.
// The file holds it in an "Imported:" line after the crew lines.
struct ImportedValues {
    std::string Event;
    std::string Club;
    std::string Name;  // "(label)", or empty when the export gave no label
    std::string Notes; // the notes the import wrote: "VEXA ", the entry number, its notes
    bool Paid = false;
    bool Withdrawn = false;

    bool operator==(const ImportedValues&) const = default;
};

class Crew {
public:
    Crew() = default;
    explicit Crew(int id) : Id(id) {}

    int Id = -1;
    int ClubKey = -1;
    int EventKey = -1;
    int Number = -1;
    std::string Name;
    std::string Notes;
    int DayLicences = 0;
    bool FeePaid = false;
    bool EarlyPay = false;
    std::vector<int> DoubleUps;
    std::vector<int> BoatShares;
    // Only for a crew made by the association import.
    std::optional<ImportedValues> Imported;

    // Builds a crew from its "Crew:" line of the data file.
    static Crew ParseCrewLine(std::string_view line);
    // Writes the crew's "Crew:" line with its line break.
    void WriteCrewLine(std::ostream& out) const;
    // Writes the crew's "Imported:" line with its line break; nothing for a
    // crew without imported values.
    void WriteImportedLine(std::ostream& out) const;
    // Reads an "Imported:" line: the id of the crew it belongs to and its values.
    static int ParseImportedLine(std::string_view line, ImportedValues& values);

    // Append the id unless present or the crew's own; the position, or -1 for the own id.
    int AddDoubleUp(int id) { return AddLink(DoubleUps, id); }
    int AddBoatShare(int id) { return AddLink(BoatShares, id); }
    void RemoveDoubleUp(int id) { RemoveLink(DoubleUps, id); }
    void RemoveBoatShare(int id) { RemoveLink(BoatShares, id); }

    // The number in decimal, empty when the crew is not numbered.
    std::string NumberText() const;
    // Each id followed by one blank.
    static std::string LinkIdsText(const std::vector<int>& ids);

private:
    int AddLink(std::vector<int>& list, int id) const;
    static void RemoveLink(std::vector<int>& list, int id);
};

} // namespace bm
