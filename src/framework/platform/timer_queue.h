#pragma once

#include <cstdint>
#include <map>
#include <vector>

// Periodic timers kept against a millisecond clock; both backends use it. A timer
// that fell behind ticks once, not once for every period it missed.
class vTimerQueue {
public:
    // Returns the new timer's id (never 0).
    int Add(int milliseconds, uint64_t now);
    void Remove(int timerId);
    // Appends the id of every timer due at now and schedules its next tick.
    void CollectDue(uint64_t now, std::vector<int>& due);
    // The earliest due time, or UINT64_MAX without timers.
    uint64_t NextDue() const;
    int Count() const { return int(timers_.size()); }

private:
    struct Entry {
        uint64_t period;
        uint64_t next;
    };
    std::map<int, Entry> timers_;
    int lastId_ = 0;
};
