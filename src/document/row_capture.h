#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "core/height_field.h"
#include "core/row_write_listener.h"

// The rows an edit writes, kept as they were before its first write to each, so that
// what it changed can be worked out once it is done.
class RowCapture : public RowWriteListener {
public:
    // Room for every row of the field, taken from the system only for the rows kept, and
    // the field's writes heard from now on; false, hearing nothing, when memory runs out.
    bool Begin(HeightField& field);
    // Stops hearing the field's writes.
    void End(HeightField& field) { field.ListenToWrites(nullptr); }

    void BeforeFirstWrite(int y, const uint32_t* pixels) override;

    // The rows kept, in ascending order.
    std::vector<int> Rows() const;
    const uint32_t* Row(int y) const { return pixels_.get() + size_t(y) * size_t(width_); }

private:
    std::unique_ptr<uint32_t[]> pixels_;
    int width_ = 0;
    std::vector<uint8_t> kept_;
};
