#pragma once

// A function compiled once for each processor level named, the best picked as the program
// starts. Clang names its picker apart from the function, so a clone called from another
// file would not link: a clang build (the fuzz targets) takes the plain function.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define KNOLL_CLONES(...) __attribute__((target_clones(__VA_ARGS__)))
#else
#define KNOLL_CLONES(...)
#endif
