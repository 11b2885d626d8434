#include "engine/editors/draweditor.h"

#include "engine/draw/drawdisplay.h"
#include "engine/draw/randomdraw.h"
#include "engine/model/boatmeet.h"

#include <algorithm>
#include <unordered_set>

namespace bm {

namespace {

std::vector<int> IdsOf(const std::vector<Crew*>& crews) {
    std::vector<int> ids;
    ids.reserve(crews.size());
    for (const Crew* crew : crews)
        ids.push_back(crew->Id);
    return ids;
}

} // namespace

const char* DrawStatusText(bool valid) {
    return valid ? "Valid" : "Invalid";
}

void DrawEditor::DoNewEvent(int eventKey) {
    hasEvent_ = meet_.Events.HasKey(eventKey);
    eventKey_ = hasEvent_ ? eventKey : -1;
    slots_.clear();
    unplaced_.clear();
    eventCrews_.clear();
    if (!hasEvent_)
        return;
    slots_ = meet_.DrawOfEvent(eventKey_).LeafOrder(false, false);
    RefreshLists();
}

void DrawEditor::Reload() {
    if (hasEvent_)
        DoNewEvent(eventKey_);
}

void DrawEditor::RefreshLists() {
    eventCrews_ = IdsOf(meet_.ListEventCrews(eventKey_, true));
    const std::unordered_set<int> placed(slots_.begin(), slots_.end());
    unplaced_.clear();
    for (int id : eventCrews_)
        if (!placed.count(id))
            unplaced_.push_back(id);
    const std::unordered_set<int> members(eventCrews_.begin(), eventCrews_.end());
    for (int& slot : slots_)
        if (slot != 0 && !members.count(slot))
            slot = 0;
}

void DrawEditor::RebuildDraw() {
    meet_.DrawOfEvent(eventKey_).Build(slots_, true);
    meet_.CollectRaces();
}

bool DrawEditor::IsUnplaced(int crewId) const {
    return std::find(unplaced_.begin(), unplaced_.end(), crewId) != unplaced_.end();
}

std::vector<std::string> DrawEditor::SlotLines() const {
    std::vector<std::string> lines;
    lines.reserve(slots_.size());
    for (int id : slots_)
        lines.push_back(id == 0 ? DrawEditEmptySlotText
                                : meet_.NumberedCrewLabel(meet_.FindCrew(id)));
    return lines;
}

std::vector<std::string> DrawEditor::UnplacedLines() const {
    std::vector<std::string> lines;
    lines.reserve(unplaced_.size());
    for (int id : unplaced_)
        lines.push_back(meet_.NumberedCrewLabel(meet_.FindCrew(id)));
    return lines;
}

DrawEditorCounts DrawEditor::Counts() const {
    DrawEditorCounts counts;
    if (!hasEvent_)
        return counts;
    const Draw* draw = meet_.FindDraw(eventKey_);
    counts.Crews = static_cast<int>(eventCrews_.size());
    counts.Placed = draw ? draw->PlacedCount() : 0;
    counts.Unplaced = static_cast<int>(unplaced_.size());
    counts.Valid = draw && draw->IsValid(eventCrews_);
    return counts;
}

std::vector<std::string> DrawEditor::ShowLines() const {
    const DrawEditorCounts counts = Counts();
    std::vector<std::string> lines;
    lines.push_back("Crews: " + std::to_string(counts.Crews) +
                    "  Placed: " + std::to_string(counts.Placed) + "  UnPlaced: " +
                    std::to_string(counts.Unplaced) + "  Status: " + DrawStatusText(counts.Valid));
    const std::vector<std::string> slotLines = SlotLines();
    for (std::size_t i = 0; i < slotLines.size(); ++i)
        lines.push_back(std::to_string(i + 1) + "\t" + slotLines[i]);
    lines.push_back("UnPlaced Crews:");
    const std::vector<std::string> unplacedLines = UnplacedLines();
    for (std::size_t i = 0; i < unplacedLines.size(); ++i)
        lines.push_back(std::to_string(unplaced_[i]) + "\t" + unplacedLines[i]);
    return lines;
}

EditResult DrawEditor::AddToDraw(int slot, int crewId, const Confirm& confirm) {
    // Only a crew of the unplaced list may go in: one placed twice would stand
    // in two races of the rebuilt draw.
    if (!ValidSlot(slot) || !IsUnplaced(crewId))
        return Refusal(DrawEditSelectToMoveText);
    int& target = slots_[static_cast<std::size_t>(slot)];
    if (target != 0 && !confirm(DrawEditReplaceQuestion))
        return {};
    target = crewId;
    return Rebuilt();
}

EditResult DrawEditor::RemoveFromDraw(int slot) {
    if (!ValidSlot(slot))
        return Refusal(DrawEditSelectToRemoveText);
    slots_[static_cast<std::size_t>(slot)] = 0;
    return Rebuilt();
}

EditResult DrawEditor::DoExpand() {
    const int n = SlotCount();
    const int doubled = n <= 0 ? 2 : 2 * n;
    if (!hasEvent_ || doubled > MaxDrawSlots)
        return {};
    std::vector<int> expanded(static_cast<std::size_t>(doubled), 0);
    for (int i = 0; i < n; ++i)
        expanded[static_cast<std::size_t>(2 * i)] = slots_[static_cast<std::size_t>(i)];
    slots_ = std::move(expanded);
    return Rebuilt();
}

EditResult DrawEditor::DoContract(const Confirm& confirm) {
    const int n = SlotCount();
    if (n < 4 || !confirm(DrawEditContractQuestion))
        return {};
    std::vector<int> contracted(static_cast<std::size_t>(n / 2), 0);
    for (std::size_t k = 0; k < contracted.size(); ++k) {
        const int first = slots_[2 * k];
        contracted[k] = first != 0 ? first : slots_[2 * k + 1];
    }
    slots_ = std::move(contracted);
    return Rebuilt();
}

EditResult DrawEditor::DoAuto(const Confirm& confirm) {
    if (!hasEvent_ || !confirm(DrawEditAutoQuestion))
        return {};
    DrawEvent(meet_, eventKey_);
    DoNewEvent(eventKey_);
    return MadeChange();
}

// The slots are loaded again from the rebuilt draw: building moves a crew
// that walks over a bye into the first slot of its pair, so the list edited
// is no longer what the draw holds.
EditResult DrawEditor::Rebuilt() {
    RebuildDraw();
    Reload();
    return MadeChange();
}

void WriteDrawEditorView(const Boatmeet& meet, int eventKey, std::ostream& out) {
    out << "\n** WINDOW used by Draw Editor\n Unavailable until Draw Editor is closed\n\n";
    WriteEventDraw(meet, eventKey, out, DrawLayout::Tree, ShowType::Races);
    out << "\n";
}

} // namespace bm
