#include "engine/session/history.h"

#include <utility>

namespace bm {

namespace {

// What the allocator adds to every block it hands out, about.
constexpr std::size_t BlockOverhead = 16;

std::size_t TextBytes(const std::string& text) {
    // Short texts live inside the string object itself.
    return text.capacity() > std::string().capacity() ? text.capacity() + 1 + BlockOverhead : 0;
}

template <typename T> std::size_t ListBytes(const std::vector<T>& list) {
    return list.capacity() == 0 ? 0 : list.capacity() * sizeof(T) + BlockOverhead;
}

std::size_t SetBytes(const StrSet& set) {
    // Each entry: its text, its key, and a node in each of the two lookups.
    constexpr std::size_t lookupEntry = 2 * (sizeof(void*) + sizeof(std::string) + BlockOverhead);
    std::size_t bytes = TextBytes(set.Name()) + ListBytes(set.Texts()) + ListBytes(set.Keys());
    for (const std::string& text : set.Texts())
        bytes += 2 * TextBytes(text) + lookupEntry;
    return bytes;
}

} // namespace

std::size_t MeetMemoryBytes(const Boatmeet& meet) {
    std::size_t bytes = sizeof(Boatmeet) + TextBytes(meet.Version) + TextBytes(meet.Title) +
                        TextBytes(meet.Date) + ListBytes(meet.Crews) + ListBytes(meet.Draws) +
                        ListBytes(meet.RaceList);
    for (const StrSet* set : {&meet.Events, &meet.Clubs, &meet.EntryFees, &meet.Sponsors,
                              &meet.ClubColours, &meet.ClubContacts})
        bytes += SetBytes(*set);
    for (const auto& crew : meet.Crews)
        bytes += sizeof(Crew) + BlockOverhead + TextBytes(crew->Name) + TextBytes(crew->Notes) +
                 ListBytes(crew->DoubleUps) + ListBytes(crew->BoatShares);
    for (const auto& draw : meet.Draws) {
        bytes += sizeof(Draw) + BlockOverhead;
        if (draw->Size > 0)
            bytes += static_cast<std::size_t>(draw->Size) * sizeof(Race) + BlockOverhead;
        for (int i = 1; i < draw->Size; ++i)
            bytes += TextBytes(draw->RaceAt(i).Verdict);
    }
    // The crew index: about one table entry per crew.
    return bytes + meet.Crews.size() * sizeof(Crew*);
}

std::string TypingGroup(std::string_view item, int id, std::string_view field) {
    return std::string(item) + " " + std::to_string(id) + " " + std::string(field);
}

MeetHistory::MeetHistory(std::size_t maxBytes) : maxBytes_(maxBytes) {}

void MeetHistory::Start(const Boatmeet& meet, bool saved) {
    Clear();
    states_.emplace_back();
    SetMeet(states_.back(), meet);
    saved_ = saved ? 0 : None;
    presentText_ = meet.SavedText();
}

void MeetHistory::Clear() {
    states_.clear();
    present_ = 0;
    saved_ = None;
    typingOpen_ = false;
    bytes_ = 0;
    presentText_ = std::string();
}

bool MeetHistory::Record(const Boatmeet& meet, std::string_view name, std::string_view group) {
    if (states_.empty()) {
        Start(meet, false);
        return false;
    }
    if (!group.empty() && typingOpen_ && present_ > 0 && states_[present_].group == group) {
        // Typing goes on in the same field: the step takes the meet as it
        // now is, and its saved form is made when it is asked for.
        SetMeet(states_[present_], meet);
        presentText_.reset();
        DropOldest();
        return true;
    }
    std::string text = meet.SavedText();
    if (text == PresentText()) {
        // Nothing the file holds changed; the present copy still takes what
        // did (a collected race list, say), so that restoring it is exact.
        SetMeet(states_[present_], meet);
        return false;
    }
    DropRedo();
    states_.push_back(State{nullptr, std::string(name), std::string(group), 0});
    SetMeet(states_.back(), meet);
    ++present_;
    typingOpen_ = !group.empty();
    presentText_ = std::move(text);
    DropOldest();
    return true;
}

std::string MeetHistory::UndoText() const {
    return CanUndo() ? "Undo " + states_[present_].name : "Undo";
}

std::string MeetHistory::RedoText() const {
    return CanRedo() ? "Redo " + states_[present_ + 1].name : "Redo";
}

bool MeetHistory::Undo(Boatmeet& meet) {
    if (!CanUndo())
        return false;
    --present_;
    Restore(meet);
    return true;
}

bool MeetHistory::Redo(Boatmeet& meet) {
    if (!CanRedo())
        return false;
    ++present_;
    Restore(meet);
    return true;
}

void MeetHistory::MarkSaved(const Boatmeet& meet) {
    if (states_.empty())
        return;
    // Saving gives every event a draw; the present copy takes that in.
    SetMeet(states_[present_], meet);
    saved_ = present_;
    typingOpen_ = false;
    presentText_ = meet.SavedText();
}

const std::string& MeetHistory::PresentText() const {
    if (!presentText_)
        presentText_ = states_[present_].meet->SavedText();
    return *presentText_;
}

std::shared_ptr<const Boatmeet> MeetHistory::PresentMeet() const {
    return states_.empty() ? nullptr : states_[present_].meet;
}

void MeetHistory::SetMeet(State& state, const Boatmeet& meet) {
    bytes_ -= state.bytes;
    state.meet = meet.Clone();
    state.bytes = MeetMemoryBytes(*state.meet);
    bytes_ += state.bytes;
}

void MeetHistory::Restore(Boatmeet& meet) {
    meet = std::move(*states_[present_].meet->Clone());
    typingOpen_ = false;
    presentText_ = meet.SavedText();
}

void MeetHistory::DropRedo() {
    while (CanRedo()) {
        bytes_ -= states_.back().bytes;
        states_.pop_back();
    }
    if (saved_ != None && saved_ > present_)
        saved_ = None;
}

void MeetHistory::DropOldest() {
    // The present state always stays, even should it alone exceed the limit.
    while (bytes_ > maxBytes_ && present_ > 0) {
        bytes_ -= states_.front().bytes;
        states_.pop_front();
        --present_;
        saved_ = saved_ == None || saved_ == 0 ? None : saved_ - 1;
    }
}

} // namespace bm
