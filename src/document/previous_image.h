#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/height_field.h"
#include "core/row_write_listener.h"

// The working image as it was when the step now under way began, so that what the step
// changed can be worked out once it is done, without a copy taken before it writes.
//
// After each step it catches up with the working image on another thread, copying only
// the rows that were written. A row it does not hold yet (after a new field) is copied
// when it is first written. Its memory stays mapped from step to step; only a new size
// asks the system for fresh pages.
class PreviousImage : public RowWriteListener {
public:
    PreviousImage() = default;
    PreviousImage(const PreviousImage&) = delete;
    PreviousImage& operator=(const PreviousImage&) = delete;
    ~PreviousImage() override;

    // Hears the field's writes from now on, first making room for its size; false,
    // hearing nothing, when memory runs out. Without keeping the rows as they were (while
    // stepping, which records nothing), a row written is only marked for catching up.
    bool Listen(HeightField& field, bool keepRows = true);
    void Stop(HeightField& field) { field.ListenToWrites(nullptr); }

    void BeforeFirstWrite(int y, const uint32_t* pixels) override;
    void ImageReplaced() override { Forget(); }
    bool KeepsRows() const override { return keepRows_; }
    const uint32_t* KeptRow(int y) const override { return Row(y); }
    // Holds no row any more: the field was replaced.
    void Forget() { rows_.assign(rows_.size(), kMissing); }

    // The rows written since Listen, in ascending order, and each as it was before.
    std::vector<int> WrittenRows() const;
    const uint32_t* Row(int y) const { return pixels_ + size_t(y) * size_t(width_); }
    // Takes the working image's pixels for every row written or not held yet, stopping
    // early when told to; the rows left out are copied when they are first written.
    void CatchUp(const TarnMemoryDC& image, const std::atomic<bool>& stop);

private:
    enum RowState : uint8_t { kMissing, kHeld, kWritten };

    // Room for rows of this size, every row missing after a change; false when memory
    // runs out.
    bool Fit(int width, int height);

    uint32_t* pixels_ = nullptr;
    size_t mapped_ = 0;
    int width_ = 0;
    int height_ = 0;
    std::vector<uint8_t> rows_;
    bool keepRows_ = true;
};
