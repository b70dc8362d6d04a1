#include <gtest/gtest.h>

#include <atomic>
#include <vector>

#include "core/worker_pool.h"

namespace {

// Every part runs once and Run returns after the last, whatever the number of threads,
// run after run on the same threads.
TEST(WorkerPool, RunsEachPartOnceOnAnyNumberOfThreads) {
    for (int threads : {0, 1, 2, 5}) {
        WorkerPool pool(threads);
        for (int parts : {0, 1, 3, 64, 1000}) {
            std::vector<std::atomic<int>> runs(static_cast<size_t>(parts));
            pool.Run(parts, [&](int part) { runs[size_t(part)]++; });
            for (int part = 0; part < parts; ++part) ASSERT_EQ(runs[size_t(part)], 1) << threads << " " << parts;
        }
    }
}

}  // namespace
