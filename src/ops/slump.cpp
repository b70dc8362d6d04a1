#include <algorithm>
#include <cmath>
#include <memory>
#include <mutex>
#include <numbers>
#include <vector>

#include "ops/erosion.h"
#include "ops/erosion_run.h"
#include "ops/slump_rows.h"

namespace {

// The ground is read as a terrain whose full range of values stands a quarter as high
// as the field's longer side is wide, and material rests at up to 40 degrees.
constexpr double kReliefShare = 0.25;
constexpr double kReposeDegrees = 40.0;
// Rows a worker takes at a time.
constexpr int kBandRows = 512;
// Passes worked on a band in one go: each follows the pass before it down the band a few
// rows behind, so a row is read from memory once for all of them rather than once each.
constexpr int kPassesAtOnce = 4;
// A row's new heights come from the rows up to two away: their shares, and the heights
// those shares come from.
constexpr int kReach = 2;
// Columns worked together in a row.
constexpr int kColumns = 1024;

// The rows of one pass in a band, held while the pass after it reads them: the heights
// it leaves, and the outflow it works out. Rows past the field's ends are not held.
class PassRows {
public:
    static constexpr int kHeights = 2 * kReach + 1;
    static constexpr int kOutflows = 3;

    explicit PassRows(int width)
        : stride_(size_t(width) + 2), rows_(new float[(kHeights + 2 * kOutflows) * stride_]()) {
        for (int slot = 0; slot < kHeights; ++slot) FillSlumpWall(Slot(slot), width);
    }

    float* Heights(int y) { return Slot(y % kHeights); }
    float* Sliding(int y) { return Slot(kHeights + y % kOutflows); }
    float* Share(int y) { return Slot(kHeights + kOutflows + y % kOutflows); }
    // Whether row y's outflow is held; marks it held from now on.
    bool HoldsOutflow(int y) {
        int& held = outflows_[y % kOutflows];
        const bool holds = held == y;
        held = y;
        return holds;
    }
    void ForgetOutflow() { std::fill(std::begin(outflows_), std::end(outflows_), -1); }

private:
    float* Slot(int index) { return rows_.get() + size_t(index) * stride_; }

    size_t stride_;
    std::unique_ptr<float[]> rows_;
    int outflows_[kOutflows] = {-1, -1, -1};
};

// A worker's rows for a band: the heights it starts from, and each pass's.
struct BandWork {
    explicit BandWork(int width) {
        for (int pass = 0; pass <= kPassesAtOnce; ++pass) passes.push_back(std::make_unique<PassRows>(width));
    }
    std::vector<std::unique_ptr<PassRows>> passes;
};

class SlumpPasses {
public:
    SlumpPasses(ErosionGrid& grid, float repose)
        : grid_(grid),
          limits_{repose, repose * std::numbers::sqrt2_v<float>},
          stride_(size_t(grid.width()) + 2),
          bands_((grid.height() + kBandRows - 1) / kBandRows),
          edges_(size_t(bands_) * 2 * kPassesAtOnce * kReach * stride_),
          wall_(stride_),
          none_(stride_) {
        FillSlumpWall(wall_.data(), grid.width());
    }

    // Runs up to kPassesAtOnce passes; false when the last of them changed nothing, so
    // that the passes still to come would change nothing either.
    bool Passes(int passes, WorkerPool& workers) {
        passes_ = passes;
        CopyBandEdges();
        changed_.assign(size_t(bands_), 0);
        workers.Run(bands_, [&](int band) { SlideBand(band); });
        return std::any_of(changed_.begin(), changed_.end(), [](char changed) { return changed != 0; });
    }

private:
    int Begin(int band) const { return band * kBandRows; }
    int End(int band) const { return std::min(grid_.height(), Begin(band) + kBandRows); }
    int Reach() const { return kReach * passes_; }

    // The rows of pass `pass` that a band works: its own once the last pass is reached,
    // and before that as many more around as the passes after it read.
    int First(int band, int pass) const { return std::max(0, Begin(band) - kReach * (passes_ - pass)); }
    int Last(int band, int pass) const { return std::min(grid_.height(), End(band) + kReach * (passes_ - pass)); }

    // The rows around each band, as they stand before the passes, which the bands beside
    // it write meanwhile.
    void CopyBandEdges() {
        for (int band = 0; band < bands_; ++band) {
            for (int i = 0; i < Reach(); ++i) {
                CopyRow(Begin(band) - Reach() + i, Edge(band, i));
                CopyRow(End(band) + i, Edge(band, Reach() + i));
            }
        }
    }

    float* Edge(int band, int index) { return edges_.data() + (size_t(band) * 2 * Reach() + size_t(index)) * stride_; }

    void CopyRow(int y, float* copy) {
        if (y >= 0 && y < grid_.height()) CopySlumpRow(grid_.Row(y), copy, grid_.width());
    }

    // Each step reads a row more of the band and its edges, and each pass works the row
    // kReach above the one the pass before it worked in the step.
    void SlideBand(int band) {
        std::unique_ptr<BandWork> work = TakeWork();
        for (int pass = 1; pass <= passes_; ++pass) work->passes[size_t(pass)]->ForgetOutflow();
        for (int step = First(band, 0); step < Last(band, passes_) + kReach * passes_; ++step) {
            for (int pass = 0; pass <= passes_; ++pass) {
                const int y = step - kReach * pass;
                if (y < First(band, pass) || y >= Last(band, pass)) continue;
                if (pass == 0) {
                    ReadRow(*work, band, y);
                } else if (pass < passes_) {
                    SlideRow(*work, pass, y);
                } else {
                    if (SlideRow(*work, pass, y)) changed_[size_t(band)] = 1;
                    StoreSlumpRow(work->passes[size_t(pass)]->Heights(y), grid_.Row(y), grid_.width());
                }
            }
        }
        GiveBack(std::move(work));
    }

    void ReadRow(BandWork& work, int band, int y) {
        const float* from = y < Begin(band)  ? Edge(band, y - (Begin(band) - Reach()))
                            : y >= End(band) ? Edge(band, Reach() + y - End(band))
                                             : nullptr;
        float* heights = work.passes[0]->Heights(y);
        if (from) {
            std::copy(from, from + stride_, heights);
        } else {
            CopySlumpRow(grid_.Row(y), heights, grid_.width());
        }
    }

    // Row y's heights after pass `pass`, from the heights after the pass before; whether
    // any changed. The outflow of the row below is worked out a piece ahead of the
    // inflow that reads it, so that both find the rows around still in the nearest cache.
    bool SlideRow(BandWork& work, int pass, int y) {
        PassRows& before = *work.passes[size_t(pass - 1)];
        PassRows& rows = *work.passes[size_t(pass)];
        const int width = grid_.width();
        for (int row = y - 1; row <= y; ++row) {
            if (MissesOutflow(rows, row)) Outflow(before, rows, row, 0, width);
        }
        const bool below = MissesOutflow(rows, y + 1);
        bool changed = false;
        for (int from = 0; from < width; from += kColumns) {
            const int to = std::min(width, from + kColumns);
            if (below) Outflow(before, rows, y + 1, from, std::min(width, to + 1));
            changed |= SlumpInflow(Heights(before, y - 1), Heights(before, y), Heights(before, y + 1),
                                   Share(rows, y - 1), Share(rows, y), Share(rows, y + 1), rows.Sliding(y), limits_,
                                   from, to, rows.Heights(y));
        }
        return changed;
    }

    const float* Heights(PassRows& rows, int y) { return Inside(y) ? rows.Heights(y) : wall_.data(); }
    const float* Share(PassRows& rows, int y) { return Inside(y) ? rows.Share(y) : none_.data(); }

    // Whether row y's outflow is still to be worked out in a pass: rows past the field's
    // ends have none. It counts as held from now on.
    bool MissesOutflow(PassRows& rows, int y) { return Inside(y) && !rows.HoldsOutflow(y); }

    void Outflow(PassRows& before, PassRows& rows, int y, int from, int to) {
        SlumpOutflow(Heights(before, y - 1), Heights(before, y), Heights(before, y + 1), limits_, from, to,
                     rows.Sliding(y), rows.Share(y));
    }

    bool Inside(int y) const { return y >= 0 && y < grid_.height(); }

    std::unique_ptr<BandWork> TakeWork() {
        const std::lock_guard lock(workMutex_);
        if (spareWork_.empty()) return std::make_unique<BandWork>(grid_.width());
        std::unique_ptr<BandWork> work = std::move(spareWork_.back());
        spareWork_.pop_back();
        return work;
    }

    void GiveBack(std::unique_ptr<BandWork> work) {
        const std::lock_guard lock(workMutex_);
        spareWork_.push_back(std::move(work));
    }

    ErosionGrid& grid_;
    SlumpLimits limits_;
    size_t stride_;
    int bands_;
    int passes_ = 0;
    std::vector<float> edges_;
    // A row of walls past the field's ends, and the outflow of one, none.
    std::vector<float> wall_;
    std::vector<float> none_;
    std::vector<char> changed_;
    std::mutex workMutex_;
    std::vector<std::unique_ptr<BandWork>> spareWork_;
};

}  // namespace

double ReposeDifference(const HeightField& field) {
    const double side = std::max(field.width(), field.height());
    return std::tan(kReposeDegrees * std::numbers::pi / 180.0) * field.MaxValue() / (kReliefShare * side);
}

ErosionOutcome Slump(HeightField& field, int area, int passes, WorkerPool& workers) {
    ErosionRun run(field, area, 1.0f, workers);
    if (!run.made()) return {ErosionOutcome::kNoMemory};
    SlumpPasses slump(run.grid(), float(ReposeDifference(field)));
    for (int done = 0; done < passes;) {
        const int now = std::min(kPassesAtOnce, passes - done);
        const bool moving = slump.Passes(now, workers);
        done += now;
        if (!moving) break;
        if (!run.Continue(done, passes)) return {ErosionOutcome::kStopped};
    }
    run.Finish();
    return {};
}
