#pragma once

#include <cstddef>
#include <thread>

// Fresh memory of a large buffer the caller is about to fill from its start: another
// thread makes its pages from the end back, 2 MiB at a time, and the two meet about
// halfway, so the kernel's work of making pages runs beside the filling. The thread
// starts with every signal blocked, so a Ctrl-C or a kill always reaches the thread that
// handles it; without a thread to spare the pages are made here, in one batch.
std::thread MakePagesAside(void* start, std::size_t bytes);
