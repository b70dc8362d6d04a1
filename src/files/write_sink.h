#pragma once

#include <sys/types.h>

#include <cstddef>

// Where written bytes go. The program hands them to the descriptor; tests put in a sink
// that fails part way, to show that every writer survives a write error.
class WriteSink {
public:
    virtual ~WriteSink() = default;
    // As write(2): the number of bytes taken, or -1 with errno set.
    virtual ssize_t Write(int fd, const void* data, size_t size) = 0;
};

// The sink that writes to the descriptor.
WriteSink& SystemWrites();

// Writes all of data, retrying after interruptions and short writes; false on an error.
bool WriteAll(WriteSink& sink, int fd, const void* data, size_t size);
