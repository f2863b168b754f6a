#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

namespace orvanest::fast {

// A second thread for one placement's search: `run` hands it a task, `wait` returns when it is done.
// The search splits each batch of candidates between the calling thread and this one; which trial wins
// is still decided by the calling thread, in candidate order.
//
// Batches follow each other within tens of microseconds, and waking a sleeping thread costs about as
// much: both sides spin a little before they sleep, and nobody is woken who is not asleep.
class SearchWorker {
public:
    SearchWorker();
    ~SearchWorker();
    SearchWorker(const SearchWorker&) = delete;
    SearchWorker& operator=(const SearchWorker&) = delete;

    void run(std::function<void()> task);
    void wait();

private:
    void loop();

    std::function<void()> task_;            // written by run before `posted_` counts it
    std::atomic<std::uint64_t> posted_{0};  // tasks handed over
    std::atomic<std::uint64_t> done_{0};    // tasks finished
    std::atomic<bool> stopping_{false};
    std::mutex mutex_;
    std::condition_variable changed_;
    bool workerAsleep_ = false;  // under mutex_
    bool callerAsleep_ = false;  // under mutex_
    std::thread thread_;
};

}  // namespace orvanest::fast
