#include "engine/editors/creweditor.h"

#include "engine/model/boatmeet.h"
#include "engine/model/settings.h"
#include "engine/model/text.h"

#include <memory>
#include <utility>

namespace bm {

namespace {

const std::string OversizeText = "Club+Name exceeds length threshold";
const std::string NoCrewHint = "You must select a crew from the list OR create a New crew";
const std::string LinksFirst =
    "You must clear all Boat Share/Double Up associations before deleting";
const std::string DrawnDeleteQuestion =
    "If you delete the crew, its event Draw will be invalid. Continue?";
const std::string DeleteQuestion = "OK to Delete crew?";

// The editor's lists cut crew labels at 100 characters whatever the reports'
// cut is, so that a short report cut does not hide which crew a line shows.
constexpr int ListNameCut = 100;

} // namespace

CrewEditor::CrewEditor(Boatmeet& meet) : meet_(meet) {
    Reload();
}

// --- Queries -------------------------------------------------------------------------------

const std::vector<std::string>& CrewEditor::ClubChoices() const {
    return meet_.Clubs.Texts();
}

const std::vector<std::string>& CrewEditor::EventChoices() const {
    return meet_.Events.Texts();
}

Crew* CrewEditor::Current() const {
    // The crew may have left the meet through another window: it is current
    // only while the meet still holds it under the id it had when chosen.
    if (meet_.CrewPosition(current_) < 0 || current_->Id != currentId_)
        return nullptr;
    return current_;
}

int CrewEditor::CurrentLine() const {
    const int position = meet_.CrewPosition(Current());
    return position >= 0 && position < static_cast<int>(lines_.size()) ? position : -1;
}

int CrewEditor::LineOfCrew(int id) const {
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].Id == id)
            return static_cast<int>(i);
    return -1;
}

std::string CrewEditor::LineText(const Crew* crew) const {
    return meet_.EventCrewLabel(crew, ListNameCut);
}

CrewFields CrewEditor::Fields() const {
    CrewFields fields;
    const Crew* crew = Current();
    if (!crew)
        return fields;
    fields.Enabled = true;
    fields.ClubIndex = meet_.Clubs.IndexOfKey(crew->ClubKey);
    fields.EventIndex = meet_.Events.IndexOfKey(crew->EventKey);
    fields.Name = crew->Name;
    fields.Number = Trimmed(crew->NumberText());
    fields.Notes = crew->Notes;
    fields.DayLicences = std::to_string(crew->DayLicences);
    fields.FeePaid = crew->FeePaid;
    fields.EarlyPay = crew->EarlyPay;
    for (int id : crew->BoatShares)
        fields.BoatShares.push_back({id, LineText(meet_.FindCrew(id))});
    for (int id : crew->DoubleUps)
        fields.DoubleUps.push_back({id, LineText(meet_.FindCrew(id))});
    return fields;
}

std::string CrewEditor::LengthLabel() const {
    const Crew* crew = Current();
    if (!crew)
        return {};
    // The club drop-down shows nothing for a key that names no club.
    const int club =
        meet_.Clubs.HasKey(crew->ClubKey) ? TextLength(meet_.Clubs.TextOf(crew->ClubKey)) : 0;
    return CurrentSettings().MaxNameLen < club + TextLength(crew->Name) + 1 ? OversizeText
                                                                            : std::string();
}

std::string CrewEditor::ClickCurrent() const {
    return Current() ? std::string() : NoCrewHint;
}

// --- Selection and reloading ---------------------------------------------------------------

void CrewEditor::SetCurrent(Crew* crew) {
    current_ = crew;
    currentId_ = crew ? crew->Id : -1;
}

void CrewEditor::Reload() {
    if (!Current())
        SetCurrent(nullptr);
    meet_.SortCrews();
    lines_.clear();
    lines_.reserve(meet_.Crews.size());
    for (const auto& crew : meet_.Crews)
        lines_.push_back({crew->Id, LineText(crew.get())});
}

Crew* CrewEditor::CrewOfLine(int line) const {
    if (line < 0 || line >= static_cast<int>(lines_.size()))
        return nullptr;
    // A line stands at its crew's position unless the crews changed since the
    // list was filled; then the line's crew is found by its id.
    const int id = lines_[static_cast<std::size_t>(line)].Id;
    if (line < static_cast<int>(meet_.Crews.size()) && meet_.Crews[line]->Id == id)
        return meet_.Crews[line].get();
    return meet_.HasCrew(id) ? meet_.FindCrew(id) : nullptr;
}

void CrewEditor::Reselect(int currentId) {
    if (!Current() && currentId > 0)
        SelectLine(LineOfCrew(currentId));
}

bool CrewEditor::SelectLine(int line) {
    Crew* crew = CrewOfLine(line);
    if (crew)
        SetCurrent(crew);
    return crew != nullptr;
}

CrewEditResult CrewEditor::Reloaded(CrewEditResult result) {
    result.Changed = true;
    result.ReloadAll = true;
    return result;
}

CrewEditResult CrewEditor::Refill(CrewEditResult result) {
    Reload();
    result.Refilled = true;
    result.ChangedLine = -1;
    return result;
}

// --- Buttons -------------------------------------------------------------------------------

CrewEditResult CrewEditor::New() {
    Crew* crew = meet_.AddCrew(std::make_unique<Crew>());
    crew->Name = CleanText(CurrentSettings().SetCrewName);
    SetCurrent(crew);
    return Reloaded(Refill({}));
}

CrewEditResult CrewEditor::Delete(const Confirm& confirm) {
    CrewEditResult result;
    Crew* crew = Current();
    if (!crew)
        return result;
    if (!crew->DoubleUps.empty() || !crew->BoatShares.empty()) {
        result.Stop = LinksFirst;
        return result;
    }
    const Draw* draw = meet_.FindDraw(crew->EventKey);
    if (!confirm || !confirm(draw && draw->Size > 0 ? DrawnDeleteQuestion : DeleteQuestion))
        return result;
    meet_.DeleteCrew(crew);
    SetCurrent(nullptr);
    return Reloaded(Refill(std::move(result)));
}

CrewEditResult CrewEditor::ChangeLink(std::optional<int> otherId, LinkOperation operation,
                                      LinkList list) {
    const auto linkCount = [&](int id) {
        return meet_.HasCrew(id) ? (meet_.FindCrew(id)->*list).size() : std::size_t{0};
    };
    CrewEditResult result;
    const Crew* crew = Current();
    if (crew && otherId) {
        const int id = crew->Id;
        const std::size_t before = linkCount(id) + linkCount(*otherId);
        (meet_.*operation)(id, *otherId);
        result.LinksChanged = linkCount(id) + linkCount(*otherId) != before;
    }
    return Reloaded(Refill(std::move(result)));
}

std::optional<int> CrewEditor::CrewIdOfLine(int line) const {
    const Crew* crew = CrewOfLine(line);
    return crew ? std::optional<int>(crew->Id) : std::nullopt;
}

std::optional<int> CrewEditor::LinkedIdOfLine(int linkLine, LinkList list) const {
    const Crew* crew = Current();
    if (!crew || linkLine < 0 || linkLine >= static_cast<int>((crew->*list).size()))
        return std::nullopt;
    return (crew->*list)[static_cast<std::size_t>(linkLine)];
}

CrewEditResult CrewEditor::AddDoubleUp(int line) {
    return ChangeLink(CrewIdOfLine(line), &Boatmeet::LinkDoubleUp, &Crew::DoubleUps);
}

CrewEditResult CrewEditor::AddBoatShare(int line) {
    return ChangeLink(CrewIdOfLine(line), &Boatmeet::LinkBoatShare, &Crew::BoatShares);
}

CrewEditResult CrewEditor::RemoveDoubleUp(int linkLine) {
    return ChangeLink(LinkedIdOfLine(linkLine, &Crew::DoubleUps), &Boatmeet::UnlinkDoubleUp,
                      &Crew::DoubleUps);
}

CrewEditResult CrewEditor::RemoveBoatShare(int linkLine) {
    return ChangeLink(LinkedIdOfLine(linkLine, &Crew::BoatShares), &Boatmeet::UnlinkBoatShare,
                      &Crew::BoatShares);
}

} // namespace bm
