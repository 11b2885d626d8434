// The commands over race times: the two schedulers, realigning, clearing and
// numbering, setting one race's time, and the race periods.
#pragma once

#include "cli/cli.h"

namespace bm::cli {

// schedule FILE [--mode rigid|moderate|flexible] [--finals anytime|preferably|at-end]
//          [--accept-conflicts] [-o OUT]
int RunSchedule(const ParsedArgs& args, Streams& io);
// schedule-fixed FILE [-o OUT]
int RunScheduleFixed(const ParsedArgs& args, Streams& io);
// realign FILE [-o OUT]
int RunRealign(const ParsedArgs& args, Streams& io);
// clear-times FILE [-o OUT]
int RunClearTimes(const ParsedArgs& args, Streams& io);
// number-races FILE [-o OUT]
int RunNumberRaces(const ParsedArgs& args, Streams& io);
// set-time FILE RACE TIME [-o OUT]
int RunSetTime(const ParsedArgs& args, Streams& io);
// periods FILE [--add START END VALUE i|ph]... [--clear] [--list]
//         [--least-times CREW,DOUBLEUP,BOATSHARE] [-o OUT]
int RunPeriods(const ParsedArgs& args, Streams& io);

} // namespace bm::cli
