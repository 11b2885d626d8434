#include "engine/session/recoverywriter.h"

#include "engine/model/textfile.h"

#include <filesystem>
#include <system_error>
#include <utility>

namespace bm {

RecoveryWriter::RecoveryWriter(std::chrono::milliseconds delay)
    : delay_(delay), thread_([this] { Run(); }) {}

RecoveryWriter::~RecoveryWriter() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void RecoveryWriter::Write(const std::string& path, std::string content) {
    Write(path, [content = std::move(content)] { return content; });
}

void RecoveryWriter::Write(const std::string& path, std::function<std::string()> make) {
    Add(Job{path, std::move(make)});
}

void RecoveryWriter::Remove(const std::string& path) {
    Add(Job{path, nullptr});
}

void RecoveryWriter::Add(Job job) {
    {
        const std::lock_guard lock(mutex_);
        if (jobs_.empty())
            due_ = std::chrono::steady_clock::now() + delay_;
        // Only the last job for a file decides what the file holds.
        if (!jobs_.empty() && jobs_.back().path == job.path)
            jobs_.back() = std::move(job);
        else
            jobs_.push_back(std::move(job));
    }
    wake_.notify_all();
}

void RecoveryWriter::Flush() {
    std::unique_lock lock(mutex_);
    hurry_ = true;
    wake_.notify_all();
    idle_.wait(lock, [this] { return jobs_.empty() && !busy_; });
    hurry_ = false;
}

void RecoveryWriter::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
        if (jobs_.empty())
            break; // stopping, and nothing left to do
        // Later changes that come meanwhile replace the waiting job.
        wake_.wait_until(lock, due_, [this] { return stopping_ || hurry_; });
        const Job job = std::move(jobs_.front());
        jobs_.pop_front();
        busy_ = true;
        lock.unlock();
        Do(job);
        lock.lock();
        busy_ = false;
        if (jobs_.empty())
            idle_.notify_all();
    }
    idle_.notify_all();
}

void RecoveryWriter::Do(const Job& job) {
    std::error_code error;
    if (!job.make) {
        std::filesystem::remove(job.path, error);
        return;
    }
    std::filesystem::create_directories(std::filesystem::path(job.path).parent_path(), error);
    failed_ = !WriteFileSafely(job.path, job.make());
}

} // namespace bm
