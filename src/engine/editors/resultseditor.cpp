#include "engine/editors/resultseditor.h"

#include "engine/draw/results.h"
#include "engine/model/boatmeet.h"

namespace bm {

const std::vector<std::string>& VerdictChoices() {
    static const std::vector<std::string> choices = {
        "Canvas", "Easily", "NRO",    "RO",     "1ft",    "2ft",    "Canvas", "1/4L",   "1/3L",
        "1/2L",   "3/4L",   "1L",     "1 1/4L", "1 1/3L", "1 1/2L", "1 2/3L", "1 3/4L", "2L",
        "2 1/2L", "3L",     "3 1/2L", "4L",     "4 1/2L", "5L",     ""};
    return choices;
}

ResultShown ResultsEditor::EnterRaceNumber(Boatmeet& meet, std::string_view number) {
    number_ = -1;
    crewsFor_ = -1;
    ResultShown shown;
    const Race* race = FindResultRace(meet, number, shown.Stop);
    if (!race)
        return shown;
    number_ = race->Number;
    shown.EventText = meet.Events.TextOf(race->EventKey);
    if (race->HasResult()) {
        shown.WinnerItems = {meet.NumberedCrewLabel(meet.FindCrew(race->Winner))};
        shown.SelectedWinner = 0;
        shown.VerdictText = race->Verdict;
    }
    return shown;
}

WinnerList ResultsEditor::GenerateCrewList(Boatmeet& meet, std::string_view number) {
    WinnerList list;
    const Race* race = FindResultRace(meet, number, list.Stop);
    if (!race) {
        list.Stop = InvalidRaceNumberText;
        return list;
    }
    number_ = race->Number;
    crewsFor_ = -1;
    if (!ResultCrews(meet, *race, crews_, list.Stop)) {
        list.Replace = list.Stop != NoDrawText;
        return list;
    }
    crewsFor_ = number_;
    list.Replace = true;
    for (int crew : crews_)
        list.Items.push_back(meet.NumberedCrewLabel(meet.FindCrew(crew)));
    list.Items.emplace_back(ClearResultItem);
    return list;
}

WinnerChoice ResultsEditor::CrewSelected(Boatmeet& meet, int item, std::string_view verdict) {
    Race* race = CurrentRace(meet);
    if (!race || crewsFor_ != number_ || item < 0 || item > 2)
        return {};
    // The crews may have changed since the list was built (a result of a
    // feeding race changed meanwhile); the list then no longer shows them.
    std::array<int, 2> crews{};
    std::string message;
    if (!ResultCrews(meet, *race, crews, message) || crews != crews_)
        return {};
    WinnerChoice choice;
    choice.Changed = true;
    choice.ClearVerdict = item == 2;
    const int oldWinner = race->Winner;
    if (item == 2)
        ClearResult(*race);
    else
        RecordResult(*race, crews_[item], verdict);
    choice.Warning = FedRaceWarning(meet, *race, oldWinner);
    return choice;
}

EditResult ResultsEditor::VerdictChanged(Boatmeet& meet, std::string_view verdict) {
    Race* race = CurrentRace(meet);
    if (!race)
        return {};
    race->Verdict = CleanVerdict(verdict);
    return MadeChange();
}

Race* ResultsEditor::CurrentRace(Boatmeet& meet) const {
    return number_ < 0 ? nullptr : meet.FindRaceByNumber(number_);
}

} // namespace bm
