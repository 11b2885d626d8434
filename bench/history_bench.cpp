// Undo steps and recovery copies of a championship (3,000 crews, 150 events,
// 200 clubs, 600 double-ups and 300 boat shares, drawn and scheduled): what a
// change costs the user (recording the step and handing the recovery copy to
// its writer), what undoing costs, and what the writer thread does with a
// copy. Recording is also timed on the default generated meet (300 crews).
#include "benchmeets.h"
#include "engine/model/textfile.h"
#include "engine/session/history.h"
#include "engine/session/meetsession.h"
#include "engine/session/recovery.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <malloc.h>
#include <random>

namespace {

namespace fs = std::filesystem;

std::unique_ptr<bm::Boatmeet> Championship() {
    return bm::bench::ScheduledMeet(bm::bench::Championship());
}

// A folder of its own in the system's temporary folder, removed at the end.
struct BenchFolder {
    fs::path path =
        fs::temp_directory_path() / ("boatmeet-bench-" + std::to_string(std::random_device{}()));
    BenchFolder() { fs::create_directories(path); }
    ~BenchFolder() {
        std::error_code error;
        fs::remove_all(path, error);
    }
    std::string File(const std::string& name) const { return (path / name).string(); }
};

// Renames a crew, a real change at every iteration.
void Change(bm::Boatmeet& meet, std::int64_t i) {
    meet.Crews[static_cast<std::size_t>(i) % meet.Crews.size()]->Name = "Step " + std::to_string(i);
}

// Recording one step in the history: a copy of the meet and its saved form.
void RecordStep(benchmark::State& state) {
    auto meet = state.range(0) == 0 ? bm::bench::ScheduledMeet({}) : Championship();
    bm::MeetHistory history;
    history.Start(*meet, true);
    std::int64_t i = 0;
    for (auto _ : state) {
        Change(*meet, i++);
        history.Record(*meet, "Crew change");
    }
    const std::size_t before = mallinfo2().uordblks;
    auto copy = meet->Clone();
    state.counters["heap_bytes_per_step"] = static_cast<double>(mallinfo2().uordblks - before);
    state.counters["counted_bytes_per_step"] = static_cast<double>(bm::MeetMemoryBytes(*copy));
    state.counters["saved_text_bytes"] = static_cast<double>(history.PresentText().size());
    state.counters["steps_kept"] = static_cast<double>(history.UndoCount());
}
BENCHMARK(RecordStep)->Arg(0)->Arg(1)->ArgName("large")->Unit(benchmark::kMillisecond);

// A change as the window makes it: the session records the step and hands the
// recovery copy to its writer; the time until control returns to the user.
void ChangeInSession(benchmark::State& state) {
    BenchFolder folder;
    const std::string file = folder.File("championship.bmf");
    Championship()->SaveToFile(file, true);
    // No dialogs are shown; with no observers the telling costs nothing.
    bm::SessionHost host;
    bm::SilentMessages messages;
    bm::MeetSession session(host, messages);
    session.SetRecoveryFolder(folder.File("recovery"));
    session.OpenFile(file);
    std::int64_t i = 0;
    for (auto _ : state) {
        Change(*session.Meet(), i++);
        session.Changed("Crew change", bm::TypingGroup("crew", 1, "name"));
    }
    session.FlushRecovery();
}
BENCHMARK(ChangeInSession)->Unit(benchmark::kMillisecond);

// Undoing and redoing a step.
void UndoRedo(benchmark::State& state) {
    auto meet = Championship();
    bm::MeetHistory history;
    history.Start(*meet, true);
    Change(*meet, 1);
    history.Record(*meet, "Crew change");
    for (auto _ : state) {
        history.Undo(*meet);
        history.Redo(*meet);
    }
}
BENCHMARK(UndoRedo)->Unit(benchmark::kMillisecond);

// What the writer thread does with one copy: write it to a temporary file,
// flush it to the disk and rename it over the last copy.
void RecoveryWrite(benchmark::State& state) {
    BenchFolder folder;
    const std::string path = bm::NewRecoveryCopyPath(folder.path.string());
    const std::string text =
        bm::RecoveryCopyText(Championship()->SavedText(), "/meets/championship.bmf", 0, {});
    for (auto _ : state)
        benchmark::DoNotOptimize(bm::WriteFileSafely(path, text));
    state.counters["copy_bytes"] = static_cast<double>(text.size());
}
BENCHMARK(RecoveryWrite)->Unit(benchmark::kMillisecond);

} // namespace
