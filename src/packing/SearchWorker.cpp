#include "packing/SearchWorker.h"

#include <chrono>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace orvanest::fast {
namespace {

// About the gap between two batches of one search; a longer gap ends in sleep.
constexpr std::chrono::microseconds kSpinTime(100);

void relax() {
#if defined(__x86_64__) || defined(__i386__)
    _mm_pause();
#else
    std::this_thread::yield();
#endif
}

// Spins until `ready` answers true or the spin time is over; answers `ready`.
template <typename Ready>
bool spinUntil(Ready&& ready) {
    const auto until = std::chrono::steady_clock::now() + kSpinTime;
    while (!ready()) {
        for (int i = 0; i < 64; ++i) {
            if (ready()) return true;
            relax();
        }
        if (std::chrono::steady_clock::now() >= until) return ready();
    }
    return true;
}

}  // namespace

SearchWorker::SearchWorker() : thread_([this] { loop(); }) {}

SearchWorker::~SearchWorker() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_.store(true);
    }
    changed_.notify_all();
    thread_.join();
}

void SearchWorker::run(std::function<void()> task) {
    task_ = std::move(task);
    posted_.fetch_add(1, std::memory_order_release);
    std::lock_guard<std::mutex> lock(mutex_);
    if (workerAsleep_) changed_.notify_all();
}

void SearchWorker::wait() {
    const std::uint64_t posted = posted_.load(std::memory_order_relaxed);
    auto finished = [&] { return done_.load(std::memory_order_acquire) == posted; };
    if (spinUntil(finished)) return;
    std::unique_lock<std::mutex> lock(mutex_);
    callerAsleep_ = true;
    changed_.wait(lock, finished);
    callerAsleep_ = false;
}

void SearchWorker::loop() {
    std::uint64_t taken = 0;
    while (true) {
        auto posted = [&] { return posted_.load(std::memory_order_acquire) != taken; };
        if (!spinUntil([&] { return posted() || stopping_.load(std::memory_order_relaxed); })) {
            std::unique_lock<std::mutex> lock(mutex_);
            workerAsleep_ = true;
            changed_.wait(lock, [&] { return posted() || stopping_.load(std::memory_order_relaxed); });
            workerAsleep_ = false;
        }
        if (!posted()) return;  // stopping, with nothing handed over
        ++taken;
        std::function<void()> task = std::move(task_);
        task();
        done_.fetch_add(1, std::memory_order_release);
        std::lock_guard<std::mutex> lock(mutex_);
        if (callerAsleep_) changed_.notify_all();
    }
}

}  // namespace orvanest::fast
