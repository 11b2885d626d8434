// BackgroundReport: one report written on a thread of its own, so that the
// window stays the user's while a report of any size is made. The writer
// works on what it owns (a copy of the meet and of the settings, taken on the
// window's thread before it starts), never on what the window may change
// meanwhile. Cancelling makes the stream it writes to fail, so the writer,
// which checks its stream as it goes, stops early; whatever it still writes
// is thrown away, and the thread ends by itself without being waited for.
#pragma once

#include "gui/common/reporttext.h"

#include <chrono>
#include <functional>
#include <memory>
#include <ostream>

class BackgroundReport {
public:
    using Writer = std::function<void(std::ostream&)>;

    // Starts writing. `ready` is called on the writing thread once the text is
    // ready, unless the report was cancelled (or this object went) before.
    BackgroundReport(Writer writer, std::function<void()> ready);
    // Cancels the report if it is not ready.
    ~BackgroundReport();
    BackgroundReport(const BackgroundReport&) = delete;
    BackgroundReport& operator=(const BackgroundReport&) = delete;

    // Waits at most the time given for the text; true when it is ready.
    bool WaitFor(std::chrono::milliseconds limit);
    // The report's text once ready (empty before, and after the first call).
    ReportText TakeText();
    void Cancel();

private:
    struct Job;
    std::shared_ptr<Job> job_;
};
