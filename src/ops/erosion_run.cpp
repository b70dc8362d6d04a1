#include "ops/erosion_run.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "ops/erosion.h"

namespace {

using Clock = std::chrono::steady_clock;

// A display frame; rows are shown no more often, and storing them never takes more
// than about a third of the time.
constexpr auto kFrame = std::chrono::milliseconds(16);
constexpr int kBandRows = 64;

}  // namespace

WorkerPool& EngineWorkers() {
    static WorkerPool workers;
    return workers;
}

ErosionRun::ErosionRun(HeightField& field, int area, float scale, WorkerPool& workers)
    : field_(field), workers_(workers), grid_(field, area, scale, workers) {}

bool ErosionRun::Continue(int64_t done, int64_t total) {
    ShowRowsWhenDue();
    field_.painter().Progress(done, total);
    if (!field_.painter().StopRequested()) return true;
    GoBack();
    return false;
}

void ErosionRun::GoBack() {
    if (before_) {
        before_->Restore();
    } else if (UndoEqualsWorking(field_)) {
        // Nothing was written, but the run's undo copy marked the field changed.
        field_.RestoreField();
    }
    before_.reset();
}

void ErosionRun::ShowRowsWhenDue() {
    const vRect shown = field_.painter().ShownArea();
    if (!mayShow_ || shown.w <= 0 || shown.h <= 0 || Clock::now() < nextShow_) return;
    if (!before_) {
        before_ = std::make_unique<FieldBefore>(field_);
        if (!before_->made()) {
            before_.reset();
            mayShow_ = false;
            return;
        }
    }
    const auto start = Clock::now();
    const int from = std::clamp(shown.y, 0, field_.height());
    const int to = int(std::clamp<int64_t>(int64_t(shown.y) + shown.h, from, field_.height()));
    StoreRows(from, to);
    for (int y = from; y < to; ++y) field_.painter().DrawRow(y);
    const auto end = Clock::now();
    nextShow_ = end + std::max<Clock::duration>(kFrame, 2 * (end - start));
}

const uint32_t* ErosionRun::BeforeRow(int y) {
    return before_ ? before_->Row(y) : std::as_const(field_).working().RowPixels(y);
}

void ErosionRun::StoreRows(int from, int to) {
    TarnMemoryDC& working = field_.working();
    // The rows before are looked up here, on the caller's thread.
    std::vector<const uint32_t*> before(size_t(to - from));
    for (int y = from; y < to; ++y) before[size_t(y - from)] = BeforeRow(y);
    workers_.Run((to - from + kBandRows - 1) / kBandRows, [&](int band) {
        const int end = std::min(to, from + (band + 1) * kBandRows);
        for (int y = from + band * kBandRows; y < end; ++y) {
            grid_.StoreRow(y, before[size_t(y - from)], working.MutableRowPixels(y));
        }
    });
}

void ErosionRun::Finish() {
    StoreRows(0, field_.height());
    before_.reset();
    for (int y = 0; y < field_.height(); ++y) field_.painter().DrawRow(y);
}
