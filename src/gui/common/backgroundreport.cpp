#include "gui/common/backgroundreport.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <streambuf>
#include <string>
#include <thread>
#include <vector>

namespace {

// Collects what is written in pieces of a megabyte, joined once at the end
// into a string of exactly the text's size. Once the flag is set every write
// fails, which puts the writer's stream in its bad state on the writer's own
// thread.
class CancellableTextBuffer : public std::streambuf {
public:
    explicit CancellableTextBuffer(const std::atomic<bool>& cancelled) : cancelled_(cancelled) {
        NewPiece();
    }

    std::string TakeText() {
        Keep();
        std::size_t size = 0;
        for (const std::string& piece : pieces_)
            size += piece.size();
        std::string text;
        text.reserve(size);
        for (std::string& piece : pieces_) {
            text += piece;
            std::string().swap(piece);
        }
        return text;
    }

protected:
    int_type overflow(int_type c) override {
        if (cancelled_.load(std::memory_order_relaxed))
            return traits_type::eof();
        Keep();
        NewPiece();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }

private:
    static constexpr std::size_t PieceBytes = std::size_t{1} << 20;

    void NewPiece() {
        piece_.resize(PieceBytes);
        setp(piece_.data(), piece_.data() + piece_.size());
    }
    // What the put area holds joins the pieces kept.
    void Keep() {
        pieces_.emplace_back(pbase(), pptr());
        setp(piece_.data(), piece_.data() + piece_.size());
    }

    const std::atomic<bool>& cancelled_;
    std::string piece_;
    std::vector<std::string> pieces_;
};

} // namespace

// What the writing thread shares with its owner; the last of the two to let
// go of it frees it.
struct BackgroundReport::Job {
    Writer writer;
    std::function<void()> ready;
    std::atomic<bool> cancelled{false};
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    ReportText text;
};

BackgroundReport::BackgroundReport(Writer writer, std::function<void()> ready)
    : job_(std::make_shared<Job>()) {
    job_->writer = std::move(writer);
    job_->ready = std::move(ready);
    std::thread([job = job_] {
        CancellableTextBuffer buffer(job->cancelled);
        std::ostream out(&buffer);
        job->writer(out);
        // What the writer held (the copy of the meet) goes with the writing.
        job->writer = nullptr;
        ReportText text(job->cancelled ? std::string() : buffer.TakeText());
        const std::lock_guard lock(job->mutex);
        job->done = true;
        if (job->cancelled)
            return;
        job->text = std::move(text);
        job->finished.notify_all();
        // Under the lock, so that once Cancel returns it is never called.
        if (job->ready)
            job->ready();
    }).detach();
}

BackgroundReport::~BackgroundReport() {
    Cancel();
}

bool BackgroundReport::WaitFor(std::chrono::milliseconds limit) {
    std::unique_lock lock(job_->mutex);
    return job_->finished.wait_for(lock, limit, [this] { return job_->done; });
}

ReportText BackgroundReport::TakeText() {
    const std::lock_guard lock(job_->mutex);
    return job_->done ? std::move(job_->text) : ReportText();
}

void BackgroundReport::Cancel() {
    const std::lock_guard lock(job_->mutex);
    if (!job_->done)
        job_->cancelled = true;
    job_->ready = nullptr;
}
