#include "gui/common/sessionview.h"

#include "engine/session/meetsession.h"

SessionView::SessionView(bm::MeetSession& session, unsigned shownAspects)
    : session_(session), shownAspects_(shownAspects) {
    session_.AddObserver(*this);
}

SessionView::~SessionView() {
    session_.RemoveObserver(*this);
}

void SessionView::MeetChanged(const bm::MeetChanges& changes) {
    if (!changes.Concern(this, shownAspects_))
        return;
    if (!Showing()) {
        stale_ = true;
        return;
    }
    stale_ = false;
    ReloadFromMeet();
}

void SessionView::CatchUp() {
    if (!stale_)
        return;
    stale_ = false;
    if (Showing())
        ReloadFromMeet();
}
