#include "core/slot_threads.h"

#include <algorithm>
#include <system_error>

#include "files/signal_cleanup.h"

SlotThreads::SlotThreads(int slots)
    : threads_(size_t(slots > 0 ? slots : std::max(1u, std::thread::hardware_concurrency()))) {}

SlotThreads::~SlotThreads() {
    for (int slot = 0; slot < slots(); ++slot) Wait(slot);
}

void SlotThreads::Start(int slot, const std::function<void()>& job) {
    Wait(slot);
    try {
        SignalsHeld held;
        threads_[size_t(slot)] = std::thread(job);
    } catch (const std::system_error&) {
        job();
    }
}

void SlotThreads::Wait(int slot) {
    std::thread& thread = threads_[size_t(slot)];
    if (thread.joinable()) thread.join();
}
