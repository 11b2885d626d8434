// The test data generator: a synthetic meet of numbered clubs, events and
// crews placed with the program's random generator, with double-up and
// boat-share links, for trying draws, schedules and reports at size.
#pragma once

#include "model/boatmeet.h"

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

} // namespace bm
