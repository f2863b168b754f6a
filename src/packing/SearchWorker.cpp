#include "packing/SearchWorker.h"

namespace orvanest::fast {

SearchWorker::SearchWorker() : thread_([this] { loop(); }) {}

SearchWorker::~SearchWorker() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void SearchWorker::run(std::function<void()> task) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        task_ = std::move(task);
        busy_ = true;
    }
    changed_.notify_all();
}

void SearchWorker::wait() {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return !busy_; });
}

void SearchWorker::loop() {
    std::unique_lock<std::mutex> lock(mutex_);
    while (true) {
        changed_.wait(lock, [this] { return stopping_ || busy_; });
        if (busy_) {
            std::function<void()> task = std::move(task_);
            lock.unlock();
            task();
            lock.lock();
            busy_ = false;
            changed_.notify_all();
            continue;
        }
        if (stopping_) return;
    }
}

}  // namespace orvanest::fast
