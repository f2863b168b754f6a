#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace orvanest::fast {

// A second thread for one placement's search: `run` hands it a task, `wait` returns when it is done.
// The search splits each batch of candidates between the calling thread and this one; which trial wins
// is still decided by the calling thread, in candidate order.
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

    std::mutex mutex_;
    std::condition_variable changed_;
    std::function<void()> task_;
    bool busy_ = false;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace orvanest::fast
