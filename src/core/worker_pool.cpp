#include "core/worker_pool.h"

#include <pthread.h>

#include <csignal>
#include <system_error>

WorkerPool::WorkerPool(int threads) {
    const int cores = int(std::thread::hardware_concurrency());
    threads_ = threads > 0 ? threads : (cores > 0 ? cores : 1);
}

WorkerPool::~WorkerPool() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    for (std::thread& worker : workers_) worker.join();
}

// Threads that cannot be made leave the work to those that could, the caller at least.
void WorkerPool::Start() {
    sigset_t all, previous;
    sigfillset(&all);
    pthread_sigmask(SIG_SETMASK, &all, &previous);
    for (int i = 1; i < threads_; ++i) {
        try {
            workers_.emplace_back([this] { Serve(); });
        } catch (const std::system_error&) {
            break;
        }
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
}

void WorkerPool::Run(int parts, const std::function<void(int part)>& part) {
    if (parts <= 0) return;
    if (parts == 1 || threads_ == 1) {
        for (int i = 0; i < parts; ++i) part(i);
        return;
    }
    if (workers_.empty()) Start();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        part_ = &part;
        parts_ = parts;
        next_ = 0;
        finished_ = 0;
        ++generation_;
    }
    wake_.notify_all();
    const int ran = RunParts();
    std::unique_lock<std::mutex> lock(mutex_);
    finished_ += ran;
    done_.wait(lock, [this] { return finished_ == parts_; });
    part_ = nullptr;
}

int WorkerPool::RunParts() {
    int ran = 0;
    for (;;) {
        int index;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (next_ >= parts_) return ran;
            index = next_++;
        }
        (*part_)(index);
        ++ran;
    }
}

void WorkerPool::Serve() {
    uint64_t seen = 0;
    for (;;) {
        {
            std::unique_lock<std::mutex> lock(mutex_);
            wake_.wait(lock, [&] { return stopping_ || generation_ != seen; });
            if (stopping_) return;
            seen = generation_;
        }
        const int ran = RunParts();
        bool last;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            finished_ += ran;
            last = finished_ == parts_;
        }
        if (last) done_.notify_one();
    }
}
