#include "framework/draw/fresh_pages.h"

#include <pthread.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <system_error>

namespace {

constexpr std::size_t kBatch = std::size_t(2) << 20;

void MakePagesFromTheEnd(char* start, std::size_t length) {
    for (std::size_t end = length; end > 0;) {
        const std::size_t batch = std::min(end, kBatch);
        end -= batch;
        madvise(start + end, batch, MADV_POPULATE_WRITE);
    }
}

}  // namespace

std::thread MakePagesAside(void* start, std::size_t bytes) {
    // madvise takes whole pages: those wholly inside the buffer.
    const auto page = std::uintptr_t(sysconf(_SC_PAGESIZE));
    const auto first = (reinterpret_cast<std::uintptr_t>(start) + page - 1) / page * page;
    const auto last = (reinterpret_cast<std::uintptr_t>(start) + bytes) / page * page;
    if (last <= first) return {};
    char* pages = reinterpret_cast<char*>(first);
    const std::size_t length = last - first;
    sigset_t all, previous;
    sigfillset(&all);
    pthread_sigmask(SIG_SETMASK, &all, &previous);
    std::thread thread;
    try {
        thread = std::thread(MakePagesFromTheEnd, pages, length);
    } catch (const std::system_error&) {
        madvise(pages, length, MADV_POPULATE_WRITE);
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    return thread;
}
