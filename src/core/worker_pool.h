#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// Threads that share a piece of work cut into numbered parts. The caller decides the
// parts, the same whatever the number of threads, so a result never depends on how many
// cores ran it; each thread takes the next part not yet taken, the caller's own thread
// among them. One Run at a time, from one thread: a part must not start another Run.
//
// The threads are made on the first Run that has more than one part and wait for the
// next one between runs. They start with every signal blocked, so an interrupt always
// reaches the thread that handles it.
class WorkerPool {
public:
    // Up to `threads` threads in all, the caller's included; 0 takes one per core.
    explicit WorkerPool(int threads = 0);
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    // Calls part(0) .. part(parts - 1), each once, and returns when all have returned.
    void Run(int parts, const std::function<void(int part)>& part);

    int Threads() const { return threads_; }

private:
    void Start();
    void Serve();
    // Takes parts until none is left; returns how many it ran.
    int RunParts();

    int threads_;
    std::vector<std::thread> workers_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable done_;
    const std::function<void(int)>* part_ = nullptr;
    int parts_ = 0;
    int next_ = 0;
    int finished_ = 0;
    uint64_t generation_ = 0;
    bool stopping_ = false;
};
