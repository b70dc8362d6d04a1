#pragma once

#include <future>
#include <system_error>
#include <utility>

// Runs work on another thread while the user goes on; without a thread to be had, the
// work waits until its result is first asked for.
template <class Work>
auto WorkOut(Work work) {
    try {
        return std::async(std::launch::async, work);
    } catch (const std::system_error&) {
        return std::async(std::launch::deferred, std::move(work));
    }
}
