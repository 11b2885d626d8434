#include "engine/model/race.h"

#include "engine/model/clockmoney.h"
#include "engine/model/text.h"

#include <algorithm>

namespace bm {

std::string Race::Name() const {
    return Number < 0 ? std::string("R***") : PadText("R" + std::to_string(Number), 4);
}

std::string Race::TimeText() const {
    return ClockTimeText(Time);
}

void Race::WriteLine(std::ostream& out) const {
    std::string line;
    line.reserve(64 + Verdict.size());
    for (const int value : {Index, Number, Time, EventKey, 2, Slots[0], Slots[1], Winner}) {
        AppendNumber(line, value);
        line += ' ';
    }
    line += '<';
    line += CleanVerdict(Verdict);
    line += ">\n";
    out.write(line.data(), static_cast<std::streamsize>(line.size()));
}

Race Race::ParseLine(std::string_view line) {
    // Reads blank-separated integers from the front of the line.
    // (Plain loops: the search functions would look up every character in the
    // set of separators, which dominates the time to load a large meet.)
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    std::size_t pos = 0;
    const auto nextInt = [&](bool& found) {
        while (pos < line.size() && isBlank(line[pos]))
            ++pos;
        found = pos < line.size();
        if (!found)
            return 0;
        std::size_t end = pos;
        while (end < line.size() && !isBlank(line[end]))
            ++end;
        const int value = ReadInt(line.substr(pos, end - pos));
        pos = end;
        return value;
    };
    Race race;
    bool found = true;
    race.Index = nextInt(found);
    race.Number = nextInt(found);
    race.Time = nextInt(found);
    race.EventKey = nextInt(found);
    const int slotCount = nextInt(found);
    for (int s = 0; s < slotCount && found; ++s) {
        const int value = nextInt(found);
        if (found && s < 2)
            race.Slots[s] = value;
    }
    const std::string_view rest = line.substr(pos);
    const std::size_t open = rest.find('<');
    if (open != std::string_view::npos) {
        race.Winner = ReadInt(rest);
        const std::string_view after = rest.substr(open + 1);
        race.Verdict = CleanVerdict(after.substr(0, after.find('>')));
    }
    return race;
}

std::string CleanVerdict(std::string_view verdict) {
    std::string text = CleanText(verdict);
    for (char& c : text)
        if (c == '>')
            c = ')';
    return text;
}

} // namespace bm
