// SessionView: what every window over the open meet shares: it is one of the
// session's observers for its lifetime, reloads when a change touches what it
// shows (unless it made the change itself), and, while hidden, waits to
// reload until it is shown again.
#pragma once

#include "engine/session/meetobserver.h"

namespace bm {
class MeetSession;
}

class SessionView : public bm::MeetObserver {
public:
    // The view shows the aspects of the meet named (bm::aspect).
    SessionView(bm::MeetSession& session, unsigned shownAspects);
    ~SessionView() override;
    SessionView(const SessionView&) = delete;
    SessionView& operator=(const SessionView&) = delete;

    void MeetChanged(const bm::MeetChanges& changes) final;

protected:
    // True while the window shows the meet (it is visible and open on it).
    virtual bool Showing() const = 0;
    // Shows the meet anew. After undo and redo every crew, draw and race is a
    // new object: the view looks them up again by id, key or number.
    virtual void ReloadFromMeet() = 0;
    // The window was shown: a change it missed meanwhile is shown now.
    void CatchUp();
    // A change this window makes, for the session's Changed and Finish.
    bm::MeetChange OwnChange(unsigned aspects) const { return {aspects, this}; }

    bm::MeetSession& session_;

private:
    unsigned shownAspects_;
    bool stale_ = false;
};
