// The meets the benchmarks time, made the same way every time: generated from
// the random generator's start state, every event drawn, and scheduled where
// a benchmark needs race times.
#pragma once

#include "engine/import/makedata.h"
#include "engine/model/boatmeet.h"

#include <memory>

namespace bm::bench {

// A championship: 3,000 crews in 150 events from 200 clubs, with 600
// double-ups and 300 boat shares.
GenerateParams Championship();
// The largest meet the plan of the day is held to: 20,000 crews in 1,000
// events from 1,000 clubs, with 4,000 double-ups and 2,000 boat shares.
GenerateParams Festival();
// The generated meet of the parameters, not drawn.
std::unique_ptr<Boatmeet> GeneratedMeet(const GenerateParams& params);
// The generated meet of the parameters with every event drawn.
std::unique_ptr<Boatmeet> DrawnMeet(const GenerateParams& params);
// A drawn meet with one race period from 0800 every 2 minutes, scheduled
// (Moderate, finals at end) and numbered.
std::unique_ptr<Boatmeet> ScheduledMeet(const GenerateParams& params);

} // namespace bm::bench
