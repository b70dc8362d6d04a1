#include "framework/platform/timer_queue.h"

#include <algorithm>

int vTimerQueue::Add(int milliseconds, uint64_t now) {
    // A period below one millisecond would tick on every poll; one is the floor.
    uint64_t period = uint64_t(std::max(milliseconds, 1));
    timers_[++lastId_] = Entry{period, now + period};
    return lastId_;
}

void vTimerQueue::Remove(int timerId) { timers_.erase(timerId); }

void vTimerQueue::CollectDue(uint64_t now, std::vector<int>& due) {
    for (auto& [id, entry] : timers_) {
        if (entry.next > now) continue;
        due.push_back(id);
        entry.next = now + entry.period;
    }
}

uint64_t vTimerQueue::NextDue() const {
    uint64_t next = UINT64_MAX;
    for (const auto& [id, entry] : timers_) next = std::min(next, entry.next);
    return next;
}
