// What the session tells the views of the open meet: that it changed (once
// per turn of the program's event loop, however many changes a gesture made)
// and what the changes touched, so a view reloads only when it shows
// something that changed and someone else changed it.
#pragma once

#include <vector>

namespace bm {

class MeetObserver;

// The parts of the meet a change touches, as a mask; a view names the parts it shows.
namespace aspect {
inline constexpr unsigned Crews = 1;        // crews' fields and links
inline constexpr unsigned Lists = 2;        // events, clubs and their side values
inline constexpr unsigned Draws = 4;        // draws and race numbers
inline constexpr unsigned Races = 8;        // race times and results
inline constexpr unsigned Periods = 16;     // race periods, least times, scheduling choices
inline constexpr unsigned Title = 32;       // title and date
inline constexpr unsigned Preferences = 64; // the settings the views are shown with
inline constexpr unsigned All = 127;
} // namespace aspect

// One change: what it touched, and the view that made it, which already
// shows it (none for changes made by the program itself).
struct MeetChange {
    unsigned Aspects = aspect::All;
    const MeetObserver* Origin = nullptr;
};

// The changes since observers were last told.
class MeetChanges {
public:
    void Add(const MeetChange& change);
    bool Empty() const { return changes_.empty(); }
    // True when a change touched one of the aspects and was not made by the
    // viewer itself.
    bool Concern(const MeetObserver* viewer, unsigned aspects) const;
    // What the changes touched in all.
    unsigned Aspects() const;

private:
    std::vector<MeetChange> changes_; // one entry per origin
};

class MeetObserver {
public:
    virtual ~MeetObserver() = default;
    // The meet changed; for undo and redo every crew, draw and race is a new
    // object (a view looks them up again by id, key or number).
    virtual void MeetChanged(const MeetChanges& changes) = 0;
    // Another meet was opened or created, or the meet was closed: the view
    // forgets what it held of the old one at once. MeetChanged follows with
    // everything touched.
    virtual void MeetReplaced() = 0;
};

} // namespace bm
