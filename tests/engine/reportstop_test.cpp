// A report whose stream fails stops soon after: the window cancels a long
// report by failing its stream, and writing on into a failed stream would
// still take the whole report's time. The work a report does is counted in
// the memory it allocates (every label and line is a string).
#include "engine/draw/randomdraw.h"
#include "engine/draw/results.h"
#include "engine/import/makedata.h"
#include "engine/model/random.h"
#include "engine/model/settings.h"
#include "engine/reports/catalogue.h"
#include "engine/schedule/scheduler.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <limits>
#include <new>
#include <ostream>
#include <string>

namespace {

std::size_t allocations = 0;

} // namespace

void* operator new(std::size_t size) {
    ++allocations;
    if (void* block = std::malloc(size == 0 ? 1 : size))
        return block;
    throw std::bad_alloc();
}

// std::stable_sort takes its buffer this way.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    ++allocations;
    return std::malloc(size == 0 ? 1 : size);
}

[[gnu::noinline]] void operator delete(void* block) noexcept {
    std::free(block);
}

[[gnu::noinline]] void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}

namespace {

using namespace bm;

// Takes bytes up to a limit, then fails, noting how many allocations the
// program had made when it did.
class LimitedBuffer : public std::streambuf {
public:
    explicit LimitedBuffer(std::size_t limit) : limit_(limit) {}

    std::size_t written = 0;
    std::size_t allocationsAtFailure = 0;
    bool failed = false;

protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof()))
            return traits_type::not_eof(c);
        const char byte = traits_type::to_char_type(c);
        return xsputn(&byte, 1) == 1 ? c : traits_type::eof();
    }
    std::streamsize xsputn(const char*, std::streamsize count) override {
        const auto n = static_cast<std::size_t>(count);
        if (!failed && written + n > limit_) {
            failed = true;
            allocationsAtFailure = allocations;
        }
        if (failed)
            return 0;
        written += n;
        return count;
    }

private:
    std::size_t limit_;
};

// A drawn and scheduled meet with every result, club contacts and linked
// crews, so that every report has many lines.
std::unique_ptr<Boatmeet> BusyMeet() {
    ResetRandom();
    std::string error;
    auto meet = GenerateMeet({"Busy", 1500, 400, 400, 150, 80}, error);
    DrawAllEvents(*meet);
    meet->RaceTimes.SetPeriods({{800, 1800, 2, 0}});
    meet->CollectRaces();
    ScheduleRaces(*meet, ScheduleMode::Moderate, FinalsPlacement::AtEnd, nullptr, nullptr);
    for (std::size_t race = 1; race <= meet->RaceList.size(); ++race)
        SetRaceResult(*meet, std::to_string(race), 1, "1L");
    for (int i = 0; i < meet->Clubs.Count(); ++i)
        meet->ClubContacts.AddWithKey(meet->Clubs.KeyAt(i), "The Secretary, Boatshed Road");
    return meet;
}

} // namespace

TEST(ReportStop, EveryReportStopsSoonAfterItsStreamFails) {
    CurrentSettings() = Settings{};
    CurrentSettings().MaxNameLen = 12; // every crew in the oversized names
    const auto meet = BusyMeet();
    for (int index = 0; index < ReportCount; ++index) {
        const std::string caption(ReportCaptions[static_cast<std::size_t>(index)]);
        LimitedBuffer whole(std::numeric_limits<std::size_t>::max());
        std::ostream wholeOut(&whole);
        const std::size_t before = allocations;
        ASSERT_TRUE(WriteReport(*meet, index, ShowType::Results, wholeOut));
        const std::size_t work = allocations - before;
        ASSERT_GT(work, 100u) << caption;

        LimitedBuffer cut(whole.written / 4);
        std::ostream cutOut(&cut);
        WriteReport(*meet, index, ShowType::Results, cutOut);
        ASSERT_TRUE(cut.failed) << caption;
        EXPECT_LE(allocations - cut.allocationsAtFailure, work / 8)
            << caption << ": " << work << " allocations in all";
    }
    CurrentSettings() = Settings{};
}
