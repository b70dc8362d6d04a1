#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/input_file.h"

// Reads rows of rowBytes bytes in large blocks and hands out each complete row in turn,
// so a row cut short is never used.
class BlockRows {
public:
    BlockRows(InputFile& file, int rows, size_t rowBytes)
        : file_(file),
          left_(rows),
          rowBytes_(rowBytes),
          rowsPerBlock_(rowBytes >= kBlockBytes ? 1 : kBlockBytes / rowBytes),
          block_(rowsPerBlock_ * rowBytes) {}

    // The next row, or nullptr once the file holds no complete row more.
    const uint8_t* Next() {
        if (next_ == held_) {
            const size_t wanted = std::min(rowsPerBlock_, left_);
            held_ = wanted > 0 ? file_.Read(block_.data(), wanted * rowBytes_) / rowBytes_ : 0;
            left_ = held_ < wanted ? 0 : left_ - wanted;
            next_ = 0;
            if (held_ == 0) return nullptr;
        }
        return block_.data() + next_++ * rowBytes_;
    }

private:
    static constexpr size_t kBlockBytes = size_t(1) << 20;

    InputFile& file_;
    size_t left_;  // rows not yet read into the block
    const size_t rowBytes_;
    const size_t rowsPerBlock_;
    std::vector<uint8_t> block_;
    size_t held_ = 0;
    size_t next_ = 0;
};

// Hands each complete row to use(y, bytes), stopping at the first row the file cannot
// fill. Returns the number of complete rows.
template <typename UseRow>
int ReadRows(InputFile& file, int rows, size_t rowBytes, UseRow use) {
    BlockRows block(file, rows, rowBytes);
    int done = 0;
    for (const uint8_t* bytes; done < rows && (bytes = block.Next()); ++done) use(done, bytes);
    return done;
}
