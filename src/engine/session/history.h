// The undo history of the open meet: a copy of the meet after every change,
// named for the Edit menu, with the point at which the meet was last saved.
//
// Each kept state is a deep copy of the meet (Boatmeet::Clone), so a restored
// meet is the meet as it was, including what its file does not hold: the
// order of the draws, draws of deleted events, RaceList and texts the file
// would clean. The history also keeps the saved form of the present state;
// while typing goes on in one field it is made only when asked for, so that
// a key typed into a large meet costs one copy of it.
#pragma once

#include "engine/model/boatmeet.h"

#include <cstddef>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace bm {

// The most memory the kept states may take before the oldest are dropped.
inline constexpr std::size_t DefaultHistoryBytes = std::size_t{256} << 20;

// About how many bytes of memory the meet takes (its objects, texts and lists).
std::size_t MeetMemoryBytes(const Boatmeet& meet);

// The grouping key of typing into one field of one item, e.g. "crew 17 name":
// consecutive changes with the same key are one step.
std::string TypingGroup(std::string_view item, int id, std::string_view field);

class MeetHistory {
public:
    explicit MeetHistory(std::size_t maxBytes = DefaultHistoryBytes);

    // Starts over with the meet just opened, created or recovered: no steps.
    // saved tells whether the meet is as its file (or, for a new meet, as
    // created) holds it; a recovered meet is not.
    void Start(const Boatmeet& meet, bool saved);
    // Forgets everything (no meet open).
    void Clear();

    // Records the change just made to the meet as a step called name. A change
    // with the same non-empty group as the step before it joins that step,
    // unless typing was ended, the meet saved or a step undone in between. A
    // change after which the meet saves as before adds no step. Drops the
    // steps that could be redone, then the oldest steps while the kept states
    // take more than the limit. True when a step was added or joined.
    bool Record(const Boatmeet& meet, std::string_view name, std::string_view group = {});
    // The next change starts a new step whatever its group (the typing moved on).
    void EndTyping() { typingOpen_ = false; }

    bool CanUndo() const { return present_ > 0; }
    bool CanRedo() const { return present_ + 1 < states_.size(); }
    // "Undo " or "Redo " followed by the step's name; "Undo" or "Redo" alone
    // when there is no such step.
    std::string UndoText() const;
    std::string RedoText() const;
    // Puts the meet back as it was before the last step (Undo) or after the
    // next one (Redo), in place; false when there is none. Every crew, draw and
    // race of the meet is then a new object.
    bool Undo(Boatmeet& meet);
    bool Redo(Boatmeet& meet);

    // The meet was just saved in full as it stands.
    void MarkSaved(const Boatmeet& meet);
    // True when the meet differs from what was last saved (or opened, or
    // created): the present state is not the saved one.
    bool IsModified() const { return saved_ != present_; }

    std::size_t UndoCount() const { return present_; }
    std::size_t RedoCount() const { return states_.empty() ? 0 : states_.size() - 1 - present_; }
    // The memory the kept states take, as MeetMemoryBytes counts it.
    std::size_t Bytes() const { return bytes_; }
    // The saved form of the meet in its present state.
    const std::string& PresentText() const;
    // The meet in its present state, to be read on another thread: it is
    // never changed, only replaced; none while no meet is kept.
    std::shared_ptr<const Boatmeet> PresentMeet() const;

private:
    struct State {
        std::shared_ptr<const Boatmeet> meet;
        std::string name;  // the step that led here (empty for the first state)
        std::string group; // its grouping key
        std::size_t bytes = 0;
    };

    void SetMeet(State& state, const Boatmeet& meet);
    void Restore(Boatmeet& meet);
    void DropRedo();
    void DropOldest();

    static constexpr std::size_t None = static_cast<std::size_t>(-1);

    std::size_t maxBytes_;
    std::deque<State> states_;
    std::size_t present_ = 0;
    std::size_t saved_ = None; // the state the file holds, None when not kept
    bool typingOpen_ = false;
    std::size_t bytes_ = 0;
    // The saved form of the present state; empty while typing goes on, until asked for.
    mutable std::optional<std::string> presentText_ = std::string();
};

} // namespace bm
