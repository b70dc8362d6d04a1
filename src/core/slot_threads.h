#pragma once

#include <functional>
#include <thread>
#include <vector>

// Jobs run beside the caller, each on a thread of its own in one of a few slots: a slot
// takes its next job once the one before it has ended. The threads hold back the signals
// that end the program, so those reach the thread that removes an unfinished file;
// without a thread to spare a job runs on the caller's.
class SlotThreads {
public:
    // Up to `slots` jobs at once; 0 takes one per core.
    explicit SlotThreads(int slots = 0);
    ~SlotThreads();
    SlotThreads(const SlotThreads&) = delete;
    SlotThreads& operator=(const SlotThreads&) = delete;

    int slots() const { return int(threads_.size()); }
    // Waits for the slot's job before, then starts this one.
    void Start(int slot, const std::function<void()>& job);
    void Wait(int slot);

private:
    std::vector<std::thread> threads_;
};
