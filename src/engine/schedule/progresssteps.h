// The steps of a progress bar driven by the percentage of work done, which a
// long operation reports after each of its steps.
#pragma once

namespace bm {

class ProgressSteps {
public:
    // A new run starts from 0, so its bar never lags behind the work.
    void Restart() { last_ = 0; }
    // The points the bar moves forward for the reported percentage: the rise
    // since the last report, 0 when it did not rise. A fall only forgets the
    // last report.
    int Step(int percent);

private:
    int last_ = 0;
};

} // namespace bm
