#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/input_file.h"

// Reads rows of rowBytes bytes in large blocks and hands each complete row to
// use(y, bytes), stopping at the first row the file cannot fill. Returns the number of
// complete rows, so a row cut short is never used.
template <typename UseRow>
int ReadRows(InputFile& file, int rows, size_t rowBytes, UseRow use) {
    constexpr size_t kBlockBytes = size_t(1) << 20;
    const size_t rowsPerBlock = rowBytes >= kBlockBytes ? 1 : kBlockBytes / rowBytes;
    std::vector<uint8_t> block(rowsPerBlock * rowBytes);
    int done = 0;
    while (done < rows) {
        size_t wanted = std::min(rowsPerBlock, size_t(rows - done));
        size_t complete = file.Read(block.data(), wanted * rowBytes) / rowBytes;
        for (size_t i = 0; i < complete; ++i, ++done) use(done, block.data() + i * rowBytes);
        if (complete < wanted) break;
    }
    return done;
}
