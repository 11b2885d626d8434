// The crew editor's field changes: one operation per control, each changing
// the current crew and then showing the change in the crew list.
#include "engine/editors/creweditor.h"

#include "engine/model/boatmeet.h"
#include "engine/model/crewmove.h"
#include "engine/model/settings.h"
#include "engine/model/text.h"

#include <utility>

namespace bm {

namespace {

const std::string SameClubWarning = "There is already another crew from this club in this event!";

} // namespace

void CrewEditor::SameClubCheck(const Crew& crew, CrewEditResult& result) const {
    for (const Crew* other : meet_.ListEventCrews(crew.EventKey, true)) {
        if (other->Id != crew.Id && other->ClubKey == crew.ClubKey) {
            result.Messages.push_back(SameClubWarning);
            return;
        }
    }
}

CrewEditResult CrewEditor::FieldChanged(Crew& crew) {
    const int position = meet_.CrewPosition(&crew);
    CrewEditResult result;
    result.Changed = true;
    if (position >= static_cast<int>(lines_.size()))
        return Refill(std::move(result));
    lines_[static_cast<std::size_t>(position)] = {crew.Id, LineText(&crew)};
    result.ChangedLine = position;
    return result;
}

CrewEditResult CrewEditor::SetFeePaid(bool checked) {
    Crew* crew = Current();
    if (!crew)
        return {};
    // Paying early is paying the entry fee while the early discount runs.
    if (CurrentSettings().EarlyRegDiscountActive)
        crew->EarlyPay = checked;
    crew->FeePaid = checked;
    return FieldChanged(*crew);
}

CrewEditResult CrewEditor::SetEarlyPay(bool checked) {
    Crew* crew = Current();
    if (!crew)
        return {};
    crew->EarlyPay = checked;
    return FieldChanged(*crew);
}

CrewEditResult CrewEditor::EditName(std::string_view typed) {
    Crew* crew = Current();
    if (!crew)
        return {};
    crew->Name = TypedText(typed, CrewNameLimit);
    return FieldChanged(*crew);
}

CrewEditResult CrewEditor::EditNotes(std::string_view typed) {
    Crew* crew = Current();
    if (!crew)
        return {};
    crew->Notes = TypedText(typed, CrewNotesLimit);
    return FieldChanged(*crew);
}

CrewEditResult CrewEditor::EditNumber(std::string_view typed) {
    Crew* crew = Current();
    if (!crew)
        return {};
    const int number = ReadInt(typed);
    crew->Number = number > 0 ? number : -1;
    return FieldChanged(*crew);
}

CrewEditResult CrewEditor::EditDayLicences(std::string_view typed) {
    Crew* crew = Current();
    if (!crew)
        return {};
    crew->DayLicences = ReadInt(typed);
    return FieldChanged(*crew);
}

CrewEditResult CrewEditor::ChooseEvent(std::string_view text, const Confirm& recordMove) {
    Crew* crew = Current();
    if (!crew)
        return {};
    CrewEditResult result;
    const int key = meet_.Events.KeyOf(text);
    if (key != -1) {
        MoveCrewToEvent(meet_, *crew, key, recordMove);
        SameClubCheck(*crew, result);
        result.ReloadAll = true;
    }
    result.Changed = true;
    return Refill(std::move(result));
}

CrewEditResult CrewEditor::ChooseClub(std::string_view text) {
    Crew* crew = Current();
    if (!crew)
        return {};
    CrewEditResult result;
    const int key = meet_.Clubs.KeyOf(text);
    if (key != -1) {
        crew->ClubKey = key;
        SameClubCheck(*crew, result);
    }
    result.Changed = true;
    return Refill(std::move(result));
}

} // namespace bm
