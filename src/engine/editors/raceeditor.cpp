#include "engine/editors/raceeditor.h"

#include "engine/editors/periodeditor.h"
#include "engine/model/boatmeet.h"
#include "engine/model/text.h"
#include "engine/schedule/numbering.h"
#include "engine/schedule/schedulefit.h"

namespace bm {

namespace {

bool IsChoice(int index) {
    return index >= 0 && index <= 2;
}

void AddLateRaces(const Boatmeet& meet, EditResult& outcome) {
    if (std::string text = LateRacesText(LateRacesOf(meet)); !text.empty())
        outcome.Messages.push_back(std::move(text));
}

} // namespace

std::string FixedOrderText(const std::string& problem) {
    return problem.empty() ? RacesScheduledText : ProblemPrefix + problem;
}

RaceEditorFields RaceEditorFieldsOf(const Boatmeet& meet) {
    return {PeriodRowsOf(meet),           std::to_string(meet.BRTime),
            std::to_string(meet.DUTime),  std::to_string(meet.BSTime),
            static_cast<int>(meet.SType), static_cast<int>(meet.FType)};
}

void SetLeastTimes(Boatmeet& meet, std::string_view crew, std::string_view doubleUp,
                   std::string_view boatShare) {
    meet.BRTime = ReadInt(crew);
    meet.DUTime = ReadInt(doubleUp);
    meet.BSTime = ReadInt(boatShare);
}

void SetSchedulingChoices(Boatmeet& meet, int sType, int fType) {
    if (IsChoice(sType))
        meet.SType = static_cast<ScheduleMode>(sType);
    if (IsChoice(fType))
        meet.FType = static_cast<FinalsPlacement>(fType);
}

bool ReadRaceTime(std::string_view text, int& time) {
    const std::string trimmed = Trimmed(text);
    int value = 0;
    if (SameTextIgnoringCase(trimmed, "(NT)")) {
        time = -1;
        return true;
    }
    if (!ParseWholeInt(trimmed, value) || value > MaxClockValue)
        return false;
    time = value < 0 ? -1 : value;
    return true;
}

EditResult SetRaceTime(Boatmeet& meet, std::string_view number, std::string_view time) {
    int n = 0;
    Race* race = ParseWholeInt(number, n) ? meet.FindRaceByNumber(n) : nullptr;
    if (!race)
        return Refusal(NotValidRaceNumberText);
    int value = 0;
    if (!ReadRaceTime(time, value))
        return Refusal(NotValidTimeText);
    race->Time = value;
    return MadeChange();
}

EditResult ClearTimesInEditor(Boatmeet& meet, const Confirm& confirm) {
    if (!confirm(ClearTimesQuestion))
        return {};
    ClearRaceTimes(meet);
    return MadeChange();
}

EditResult RealignInEditor(Boatmeet& meet, const Confirm& confirm) {
    if (!confirm(RealignQuestion))
        return {};
    RealignRaces(meet);
    return MadeChange({RealignedText});
}

EditResult ScheduleInEditor(Boatmeet& meet, const ScheduleHooks& hooks) {
    meet.CollectRaces();
    if (meet.RaceList.empty())
        return Refusal(NoRacesToScheduleText);
    if (hooks.Started)
        hooks.Started();
    EditResult outcome = MadeChange();
    const std::string stopped =
        ScheduleRaces(meet, meet.SType, meet.FType, hooks.Progress, hooks.Confirm);
    if (!stopped.empty())
        outcome.Messages.push_back(stopped);
    AddLateRaces(meet, outcome);
    return outcome;
}

EditResult ScheduleFixedInEditor(Boatmeet& meet) {
    meet.CollectRaces();
    EditResult outcome = MadeChange({FixedOrderText(ScheduleFixedOrder(meet))});
    AddLateRaces(meet, outcome);
    return outcome;
}

} // namespace bm
