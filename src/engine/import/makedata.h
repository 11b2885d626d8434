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

// The largest counts that can be generated: beyond them a meet takes minutes
// to build and gigabytes to hold, far past the size of any regatta.
constexpr int MaxGeneratedCrews = 100000;
constexpr int MaxGeneratedEvents = 10000;
constexpr int MaxGeneratedClubs = 10000;

// Why the counts cannot be generated; empty when they can. Crews need events
// and clubs to be put in, no count may be negative, and crews, events and
// clubs stay within their largest counts.
std::string GenerateParamsProblem(const GenerateParams& params);

// Builds the meet; nothing, with GenerateParamsProblem's message in error,
// when the counts cannot be generated.
std::unique_ptr<Boatmeet> GenerateMeet(const GenerateParams& params, std::string& error);

// Generates the meet and writes it as a full meet data file. True with
// "Data Generation Complete" in message; false with "Could not open file!" when
// the file cannot be written, or with GenerateMeet's message. A file that
// cannot be created is found before the random generator is used, so a failed
// attempt does not change the next generation.
bool WriteGeneratedMeet(const GenerateParams& params, const std::string& path,
                        std::string& message);

// The output file the test data window starts with: the folder of the open
// meet's file with a trailing separator, or, without a file name, the root
// folder of the file system the program runs in.
std::string TestDataFolder(const std::string& meetFileName);

} // namespace bm
