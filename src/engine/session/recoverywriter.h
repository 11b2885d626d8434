// Writes and removes recovery copies on a thread of its own, so that the disk
// never holds up the user. It is handed texts, or functions that make them
// from what they own (never the meet), which it calls on its own thread.
// Jobs are done in the order given; a write waits a short while for later
// changes so that a burst of typing is made and written once, and a newer job
// for the same file replaces one still waiting.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace bm {

class RecoveryWriter {
public:
    // How long a write waits for later changes.
    static constexpr std::chrono::milliseconds DefaultDelay{500};

    explicit RecoveryWriter(std::chrono::milliseconds delay = DefaultDelay);
    // Does every job still waiting, then ends the thread.
    ~RecoveryWriter();
    RecoveryWriter(const RecoveryWriter&) = delete;
    RecoveryWriter& operator=(const RecoveryWriter&) = delete;

    // Writes the content safely to the file (creating its folder).
    void Write(const std::string& path, std::string content);
    // The same with the content that make gives, called on the writer's thread.
    void Write(const std::string& path, std::function<std::string()> make);
    // Removes the file.
    void Remove(const std::string& path);
    // Returns once every job given so far is done.
    void Flush();
    // True when the last write did not reach the disk.
    bool LastWriteFailed() const { return failed_; }

private:
    struct Job {
        std::string path;
        std::function<std::string()> make; // none: the file is removed
    };

    void Add(Job job);
    void Run();
    void Do(const Job& job);

    const std::chrono::milliseconds delay_;
    std::mutex mutex_;
    std::condition_variable wake_; // a job, a flush or the end
    std::condition_variable idle_; // every job done
    std::deque<Job> jobs_;
    std::chrono::steady_clock::time_point due_;
    bool busy_ = false;
    bool hurry_ = false; // a flush waits: no delay
    bool stopping_ = false;
    std::atomic<bool> failed_{false};
    std::thread thread_; // last, so that it starts after everything it uses
};

} // namespace bm
