// The whole meet in memory: title and date, the six named sets, every crew,
// one draw per event, the race periods, the scheduling choices and the list of
// contested races in schedule order.
#pragma once

#include "engine/model/crew.h"
#include "engine/model/draw.h"
#include "engine/model/racetimeserver.h"
#include "engine/model/schedulingchoices.h"
#include "engine/model/strset.h"

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace bm {

// The version text of this program, written into every meet file it saves.
const std::string& ProgramVersionText();

// What the file-kind check finds: a meet file, a file that cannot be opened,
// or a file whose first line does not begin with "Boatmeet:".
enum class FileKind { Meet = 0, CannotOpen = 1, NotMeet = 2 };
FileKind MeetFileKind(const std::string& fileName);

class Boatmeet {
public:
    Boatmeet();
    Boatmeet(const Boatmeet&) = delete;
    Boatmeet& operator=(const Boatmeet&) = delete;
    // Moving keeps every crew, draw and race at its address, so RaceList and
    // the crew index stay valid in the meet moved to.
    Boatmeet(Boatmeet&&) = default;
    Boatmeet& operator=(Boatmeet&&) = default;
    // A deep copy that behaves exactly like this meet: every field, the draws
    // in their order (draws of deleted events included), texts as held (even
    // those the file would clean) and RaceList pointing at the copy's own
    // races in the same order. RaceList entries that point into no draw of the
    // meet (left behind by a rebuilt draw) are not copied.
    std::unique_ptr<Boatmeet> Clone() const;

    std::string Version;
    std::string Title;
    std::string Date;
    StrSet Events{"Events", false};
    StrSet Clubs{"Clubs", false};
    std::vector<std::unique_ptr<Crew>> Crews;
    int NextCrewId = 1;
    std::vector<std::unique_ptr<Draw>> Draws;
    RaceTimeServer RaceTimes;
    int BRTime = 40;
    int DUTime = 40;
    int BSTime = 20;
    ScheduleMode SType = ScheduleMode::Rigid;
    FinalsPlacement FType = FinalsPlacement::AtEnd;
    std::vector<Race*> RaceList;
    StrSet Sponsors{"Sponsors", true};
    StrSet EntryFees{"EntryFees", true};
    StrSet ClubColours{"Club Colours", true};
    StrSet ClubContacts{"Club Contacts", true};

    // --- Files (meetfile.cpp) -------------------------------------------------------
    // Builds a meet from a meet data file; a file that cannot be read gives a new meet.
    static std::unique_ptr<Boatmeet> LoadFromFile(const std::string& fileName);
    // Builds a meet from the text of a meet data file.
    static std::unique_ptr<Boatmeet> LoadFromText(std::string_view text);
    // Writes the meet safely (temporary file, then rename); false on any error.
    // Every event without a draw is given an empty one first.
    bool SaveToFile(const std::string& fileName, bool full);
    // Writes the meet; false when the stream failed. An event without a draw
    // is written as an empty block of size 0 (no draw is created).
    bool WriteTo(std::ostream& out, bool full) const;
    // The full saved form of the meet, as WriteTo gives it.
    std::string SavedText() const;

    // --- Crews ------------------------------------------------------------------------------
    // Takes the crew, gives it the next id and appends it. Should that id be
    // unusable (below 1, or borne already once ids run out at the 32-bit
    // limit), the crew gets the smallest id no crew bears.
    Crew* AddCrew(std::unique_ptr<Crew> crew);
    void DeleteCrew(Crew* crew);
    // The crew with the id; for a positive id that no crew bears, a "Ghost Crew"
    // placeholder with default fields that is not part of the meet; none for an
    // id below 0, or 0 when no crew bears it.
    Crew* FindCrew(int id);
    const Crew* FindCrew(int id) const;
    // True when a crew of the meet bears the id.
    bool HasCrew(int id) const;
    // Rebuilds the id lookup; needed only after Crews was changed directly.
    void ReindexCrews();
    int SortCrews();
    // The first crew in Crews with the number, or none.
    const Crew* CrewOfNumber(int number) const;
    // Its id, or -1 when no crew has the number.
    int CrewIdOfNumber(int number) const;
    int CrewPosition(const Crew* crew) const;
    // Linking joins two existing crews of different events, each listing the
    // other; unlinking removes the other id from the first crew's list, and
    // the first id from the other crew's list when that crew exists.
    void LinkDoubleUp(int a, int b);
    void UnlinkDoubleUp(int a, int b);
    void LinkBoatShare(int a, int b);
    void UnlinkBoatShare(int a, int b);
    void NumberCrewsByEvent();
    void NumberCrewsByClub();
    // The crews whose event (byEvent) or club is the value, in crew list order.
    std::vector<Crew*> ListEventCrews(int value, bool byEvent) const;

    // --- Draws ------------------------------------------------------------------------------
    // The draw of the event, created empty when there is none.
    Draw& DrawOfEvent(int eventKey);
    // The draw of the event when one exists (no draw is created).
    Draw* FindDraw(int eventKey) const;
    Draw& DrawOfCrew(int crewId);
    void RemoveCrewFromDraw(const Crew* crew);
    void DeleteDrawOfEvent(std::string_view eventName);

    // --- Labels and texts ---------------------------------------------------------------------
    std::string TitleText() const;
    // Labels cut the club and name at MaxNameLen characters, or at the cut given.
    std::string CrewNameLabel(const Crew* crew) const;
    std::string CrewNameLabel(const Crew* crew, int nameCut) const;
    std::string ShortCrewLabel(const Crew* crew) const;
    std::string NumberedCrewLabel(const Crew* crew) const;
    std::string NumberedCrewLabel(const Crew* crew, int nameCut) const;
    std::string CompactCrewLabel(const Crew* crew) const;
    std::string EventCrewLabel(const Crew* crew) const;
    std::string EventCrewLabel(const Crew* crew, int nameCut) const;
    std::string OpponentsText(const Crew* crew) const;
    std::string CrewRacesLine(int crewId) const;
    std::string CrewLinksLine(const Crew* crew) const;
    int MaxLabelWidth(int mode, int key, bool shortLabel) const;
    int MaxCrewTextLength(int selector) const;

    // --- The race list (racelist.cpp) ------------------------------------------------
    // The contested races of every draw in schedule order: timed races by time,
    // then untimed races by event key; equal races keep the round-by-round
    // order in which the draws (in Draws order) hold them.
    std::vector<Race*> OrderedRaces() const;
    // RaceList becomes OrderedRaces().
    void CollectRaces();
    // Collects the race list, then finds the race with the number; none for a
    // number below 0 (races not numbered) or one that no race bears.
    Race* FindRaceByNumber(int number);
    // The race FindRaceByNumber finds, leaving the race list as it is.
    const Race* RaceOfNumber(int number) const;

private:
    void LinkCrews(int a, int b, const std::function<void(Crew&, int)>& operation);
    void UnlinkCrews(int a, int b, const std::function<void(Crew&, int)>& operation);
    // The crew of the meet that bears the id, or none.
    Crew* IndexedCrew(int id) const;
    Crew* IndexEntry(int id) const;
    void IndexCrew(Crew* crew) const;
    void RebuildIndex() const;

    // Id -> crew: a table for ids from 0 to a few times the number of crews
    // (ids are given in order, so nearly every id), a map for the rest. A later
    // crew with a repeated id wins. Rebuilt when Crews changed size behind the
    // meet's back or an entry no longer bears its id.
    mutable std::vector<Crew*> denseIndex_;
    mutable std::unordered_map<int, Crew*> sparseIndex_;
    mutable std::size_t indexedCount_ = 0;
    mutable std::unordered_map<int, std::unique_ptr<Crew>> ghosts_;
};

} // namespace bm
