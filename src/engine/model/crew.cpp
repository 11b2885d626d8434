#include "engine/model/crew.h"

#include "engine/model/text.h"

#include <algorithm>
#include <array>
#include <unordered_set>

namespace bm {

Crew Crew::ParseCrewLine(std::string_view line) {
    std::array<std::string_view, 11> fields;
    QuotedFields(line, fields);
    Crew crew(ReadInt(fields[0]));
    crew.ClubKey = ReadInt(fields[1]);
    crew.EventKey = ReadInt(fields[2]);
    crew.Number = ReadInt(fields[3]);
    // Each id once, never the crew's own (as AddDoubleUp keeps the list). A
    // short list is searched; a long one keeps its ids in a set as well, so
    // even a damaged line listing very many ids reads in linear time.
    const auto readLinks = [&crew](std::string_view ids, std::vector<int>& list) {
        constexpr std::size_t searched = 32;
        std::unordered_set<int> taken;
        std::size_t pos = 0;
        while ((pos = ids.find_first_not_of(' ', pos)) != std::string_view::npos) {
            const std::size_t end = std::min(ids.find(' ', pos), ids.size());
            const int id = ReadInt(ids.substr(pos, end - pos));
            pos = end;
            if (id == crew.Id)
                continue;
            if (list.size() < searched) {
                if (std::find(list.begin(), list.end(), id) != list.end())
                    continue;
            } else {
                if (taken.empty())
                    taken.insert(list.begin(), list.end());
                if (!taken.insert(id).second)
                    continue;
            }
            list.push_back(id);
        }
    };
    readLinks(fields[4], crew.DoubleUps);
    readLinks(fields[5], crew.BoatShares);
    crew.Name = CleanText(fields[6]);
    crew.Notes = CleanText(fields[7]);
    crew.DayLicences = ReadInt(fields[8]);
    crew.FeePaid = ReadInt(fields[9]) == 1;
    crew.EarlyPay = ReadInt(fields[10]) == 1;
    return crew;
}

void Crew::WriteCrewLine(std::ostream& out) const {
    std::string line = "Crew:";
    line.reserve(96 + Name.size() + Notes.size());
    const auto number = [&line](int value) {
        line += " \"";
        AppendNumber(line, value);
        line += '"';
    };
    const auto text = [&line](std::string_view value) {
        line += " \"";
        line += value;
        line += '"';
    };
    number(Id);
    number(ClubKey);
    number(EventKey);
    number(Number);
    text(LinkIdsText(DoubleUps));
    text(LinkIdsText(BoatShares));
    text(CleanText(Name));
    text(CleanText(Notes));
    number(DayLicences);
    text(FeePaid ? "1" : "0");
    text(EarlyPay ? "1" : "0");
    line += '\n';
    out.write(line.data(), static_cast<std::streamsize>(line.size()));
}

void Crew::WriteImportedLine(std::ostream& out) const {
    if (!Imported)
        return;
    const auto field = [&out](const auto& value) { out << " \"" << value << '"'; };
    out << "Imported:";
    field(Id);
    field(CleanText(Imported->Event));
    field(CleanText(Imported->Club));
    field(CleanText(Imported->Name));
    field(CleanText(Imported->Notes));
    field(Imported->Paid ? "1" : "0");
    field(Imported->Withdrawn ? "1" : "0");
    out << "\n";
}

int Crew::ParseImportedLine(std::string_view line, ImportedValues& values) {
    std::array<std::string_view, 7> fields;
    QuotedFields(line, fields);
    values.Event = CleanText(fields[1]);
    values.Club = CleanText(fields[2]);
    values.Name = CleanText(fields[3]);
    values.Notes = CleanText(fields[4]);
    values.Paid = ReadInt(fields[5]) == 1;
    values.Withdrawn = ReadInt(fields[6]) == 1;
    return ReadInt(fields[0]);
}

int Crew::AddLink(std::vector<int>& list, int id) const {
    if (id == Id)
        return -1;
    const auto found = std::find(list.begin(), list.end(), id);
    if (found != list.end())
        return static_cast<int>(found - list.begin());
    list.push_back(id);
    return static_cast<int>(list.size()) - 1;
}

void Crew::RemoveLink(std::vector<int>& list, int id) {
    list.erase(std::remove(list.begin(), list.end(), id), list.end());
}

std::string Crew::NumberText() const {
    return Number < 0 ? std::string() : std::to_string(Number);
}

std::string Crew::LinkIdsText(const std::vector<int>& ids) {
    std::string text;
    for (int id : ids)
        text += std::to_string(id) + ' ';
    return text;
}

} // namespace bm
