#include "engine/session/meetobserver.h"

#include <algorithm>

namespace bm {

void MeetChanges::Add(const MeetChange& change) {
    const auto same = std::find_if(changes_.begin(), changes_.end(), [&](const MeetChange& kept) {
        return kept.Origin == change.Origin;
    });
    if (same == changes_.end())
        changes_.push_back(change);
    else
        same->Aspects |= change.Aspects;
}

bool MeetChanges::Concern(const MeetObserver* viewer, unsigned aspects) const {
    return std::any_of(changes_.begin(), changes_.end(), [&](const MeetChange& change) {
        return change.Origin != viewer && (change.Aspects & aspects) != 0;
    });
}

unsigned MeetChanges::Aspects() const {
    unsigned all = 0;
    for (const MeetChange& change : changes_)
        all |= change.Aspects;
    return all;
}

} // namespace bm
