// The test data generator: a synthetic meet of numbered clubs, events and
// crews placed with the program's random generator, with double-up and
// boat-share links, for trying draws, schedules and reports at size.
#pragma once

#include "engine/model/boatmeet.h"

#include <memory>
#include <string>

namespace bm {

struct GenerateParams {
    std::string Title;
    int Crews = 300;
    int Events = 30;
    int Clubs = 50;
    int DoubleUps = 30;
    int BoatShares = 30;
};

// Builds the meet; nothing, with the message in error, when crews are asked
// for without events or clubs to put them in.
std::unique_ptr<Boatmeet> GenerateMeet(const GenerateParams& params, std::string& error);

// Generates the meet and writes it as a full meet data file. True with
// "Data Generation Complete" in message; false with "Could not open file!" when
// the file cannot be written, or with GenerateMeet's message. A file that
// cannot be created is found before the random generator is used, so a failed
// attempt does not change the next generation.
bool WriteGeneratedMeet(const GenerateParams& params, const std::string& path,
                        std::string& message);

} // namespace bm
