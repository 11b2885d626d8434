// A small meet for the meet and editor tests: two events and two clubs whose
// set order differs from their key order, crews added in code, settings at
// their defaults.
#pragma once

#include "engine/model/boatmeet.h"
#include "engine/model/confirm.h"
#include "engine/model/settings.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace bm::test {

constexpr int MS4 = 5, WS1 = 2;    // events: "MS 4-" first, then "WS 1x"
constexpr int River = 3, Avon = 1; // clubs: "Riverside" first, then "Avon"

class EditorMeet : public ::testing::Test {
protected:
    void SetUp() override {
        CurrentSettings() = Settings{};
        meet.Events.AddWithKey(MS4, "MS 4-");
        meet.Events.AddWithKey(WS1, "WS 1x");
        meet.Clubs.AddWithKey(River, "Riverside");
        meet.Clubs.AddWithKey(Avon, "Avon");
    }
    void TearDown() override { CurrentSettings() = Settings{}; }

    Crew* Add(int club, int event, const std::string& name = {}, int number = -1) {
        auto crew = std::make_unique<Crew>();
        crew->ClubKey = club;
        crew->EventKey = event;
        crew->Name = name;
        crew->Number = number;
        return meet.AddCrew(std::move(crew));
    }

    // A question callback that notes every question and gives one answer.
    struct Answers {
        explicit Answers(bool given) : answer(given) {}
        bool answer;
        std::vector<std::string> asked;
        Confirm Callback() {
            return [this](const std::string& question) {
                asked.push_back(question);
                return answer;
            };
        }
    };

    Boatmeet meet;
};

} // namespace bm::test
