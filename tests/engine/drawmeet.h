// A small meet built in code for the drawing and draw display tests.
#pragma once

#include "engine/model/boatmeet.h"
#include "engine/model/random.h"
#include "engine/model/settings.h"

#include <memory>
#include <string>

namespace bm::test {

struct DrawMeet {
    Boatmeet meet;

    DrawMeet() {
        CurrentSettings() = Settings{};
        ResetRandom();
    }
    ~DrawMeet() { CurrentSettings() = Settings{}; }

    int Event(const std::string& name) { return meet.Events.Add(name); }
    int Club(const std::string& name) { return meet.Clubs.Add(name); }
    // Adds a crew and returns its id.
    int AddCrew(int event, int club, const std::string& name, int number = -1) {
        auto crew = std::make_unique<Crew>();
        crew->EventKey = event;
        crew->ClubKey = club;
        crew->Name = name;
        crew->Number = number;
        return meet.AddCrew(std::move(crew))->Id;
    }
    Draw& DrawOf(int event) { return meet.DrawOfEvent(event); }
};

} // namespace bm::test
