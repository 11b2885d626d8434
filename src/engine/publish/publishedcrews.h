// What a publication shows of each crew: its event, club and label, where it
// stands in the draw, and the races it may still row, each with its number,
// time, opponent and result. The pages are built from it, the publication
// record keeps it, and the next publication compares the meet with it.
#pragma once

#include <string>
#include <vector>

namespace bm {

class Boatmeet;
class Crew;
class Draw;
struct Race;

struct PublishedRace {
    int Depth = 0;           // rounds still to come after it: 0 for the final
    std::string Round;       // its round, as SiteRoundName names it
    int Number = -1;         // -1 while not numbered
    int Time = -1;           // HHMM, -1 while not timed
    std::string OpponentKey; // "c" and a crew id, "w" and the index of an undecided
                             // race whose winner comes, or empty for none
    std::string Opponent;    // the opponent as the pages name it
    std::string Result;      // "won", "lost" or "to be confirmed" (a result that does
                             // not stand); empty while undecided
    std::string Verdict;

    bool operator==(const PublishedRace&) const = default;
};

struct PublishedCrew {
    int Id = 0;
    int EventKey = -1;
    int ClubKey = -1;
    std::string Event;
    std::string Club;
    std::string Label;
    int Position = 0; // its place in the draw's first round, from 1; 0 when not in the draw
    // The contested races on its way to the final, first round first, up to
    // and with the first race another crew won.
    std::vector<PublishedRace> Races;

    bool operator==(const PublishedCrew&) const = default;
};

// Every crew entered in an event of the meet, by id.
std::vector<PublishedCrew> PublishedCrews(const Boatmeet& meet);

// "(7) Riverside Alpha", or "Riverside Alpha" for a crew without a number.
std::string PublishedLabel(const Boatmeet& meet, const Crew* crew);
// What slot s of a race holds as the pages show it: a crew's label, the
// winner of a feeding race whose result stands, "Winner of race N" for
// another feeding race named by its number, "Winner of an earlier race" for
// the rest; empty for an empty slot.
std::string SlotLabel(const Boatmeet& meet, const Draw& draw, const Race& race, int s);
// "won" or "lost" and the verdict, as a crew's result reads: "won, Easily".
std::string ResultText(const PublishedRace& race);

} // namespace bm
