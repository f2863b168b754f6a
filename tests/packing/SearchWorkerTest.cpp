#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>
#include <vector>

#include "packing/SearchWorker.h"

namespace orvanest::fast {
namespace {

// Hand-overs where either side comes late, by less and by more than the time the other spins before it
// sleeps: every task runs once, in order, and its work is visible when wait returns. A lost wake-up
// hangs the test.
TEST(SearchWorker, RunsEveryTaskOnceWhicheverSideSleeps) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> pause(0, 3);
    const std::chrono::microseconds pauses[] = {std::chrono::microseconds(0), std::chrono::microseconds(20),
                                                std::chrono::microseconds(300), std::chrono::microseconds(2000)};
    std::vector<int> ran;
    SearchWorker worker;
    for (int task = 0; task < 300; ++task) {
        const auto callerPause = pauses[pause(random)];
        const auto workerPause = pauses[pause(random)];
        std::this_thread::sleep_for(callerPause);
        worker.run([&, task, workerPause] {
            std::this_thread::sleep_for(workerPause);
            ran.push_back(task);
        });
        worker.wait();
        ASSERT_EQ(ran.size(), static_cast<size_t>(task) + 1);
        ASSERT_EQ(ran.back(), task);
    }
}

TEST(SearchWorker, StopsWhetherAsleepOrSpinning) {
    for (const auto idle : {std::chrono::microseconds(0), std::chrono::microseconds(3000)}) {
        SearchWorker worker;
        int runs = 0;
        worker.run([&] { ++runs; });
        worker.wait();
        std::this_thread::sleep_for(idle);
        EXPECT_EQ(runs, 1);
    }
    SearchWorker unused;
}

}  // namespace
}  // namespace orvanest::fast
