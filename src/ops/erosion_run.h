#pragma once

#include <chrono>
#include <cstdint>
#include <memory>

#include "core/height_field.h"
#include "core/worker_pool.h"
#include "ops/erosion_grid.h"
#include "ops/field_before.h"

// What rain and slump share around their own method: the field's float copy, the view
// kept up to date while they work, the share done, stopping on request, and the result
// stored back in the field's kind.
class ErosionRun {
public:
    ErosionRun(HeightField& field, int area, float scale, WorkerPool& workers);

    // False when memory ran out for the float copy; the field is then left as it is.
    bool made() const { return grid_.made(); }
    ErosionGrid& grid() { return grid_; }
    WorkerPool& workers() { return workers_; }

    // Between steps of the work, done of total finished: the shown rows now and then,
    // and the share done. False when the user asked to stop: the field is then exactly
    // as it was before the work began.
    bool Continue(int64_t done, int64_t total);
    // Stores the result into the field and shows it.
    void Finish();

private:
    void ShowRowsWhenDue();
    // Rows [from, to) stored from the float copy, as changes of the colours before.
    void StoreRows(int from, int to);
    const uint32_t* BeforeRow(int y);
    void GoBack();

    HeightField& field_;
    WorkerPool& workers_;
    ErosionGrid grid_;
    // Made when rows are first shown, since from then on the working image no longer
    // holds the colours before.
    std::unique_ptr<FieldBefore> before_;
    bool mayShow_ = true;
    std::chrono::steady_clock::time_point nextShow_{};
};
