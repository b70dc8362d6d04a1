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
// Rows a worker takes at a time; the rows around a band are copied before a pass, so
// that bands may be written at the same time.
constexpr int kBandRows = 128;
// A row's new heights come from the rows up to two away: their shares, and the heights
// those shares come from.
constexpr int kReach = 2;

// A band's working rows: the heights before the pass of four rows (the one being
// written, one above and two below) and the outflow of three, each slot marked with the
// row it holds.
class BandRows {
public:
    explicit BandRows(int width) : width_(width), rows_(new float[size_t(kSlots) * 3 * Stride()]) {}

    int width() const { return width_; }
    float* Height(int slot) { return Slot(slot); }
    float* Sliding(int slot) { return Slot(kSlots + slot); }
    float* Share(int slot) { return Slot(2 * kSlots + slot); }
    int& heldHeight(int slot) { return heights_[slot]; }
    int& heldOutflow(int slot) { return outflows_[slot]; }
    void Forget() {
        std::fill(std::begin(heights_), std::end(heights_), -kReach - 1);
        std::fill(std::begin(outflows_), std::end(outflows_), -kReach - 1);
    }

    static constexpr int kSlots = 4;

private:
    size_t Stride() const { return size_t(width_) + 2; }
    float* Slot(int index) { return rows_.get() + size_t(index) * Stride(); }

    int width_;
    std::unique_ptr<float[]> rows_;
    int heights_[kSlots];
    int outflows_[kSlots];
};

class SlumpPasses {
public:
    SlumpPasses(ErosionGrid& grid, float repose)
        : grid_(grid),
          limits_{repose, repose * std::numbers::sqrt2_v<float>},
          bands_((grid.height() + kBandRows - 1) / kBandRows),
          edges_(size_t(bands_) * 2 * kReach * (size_t(grid.width()) + 2)),
          changed_(size_t(grid.height()), true),
          changing_(size_t(grid.height()), false) {}

    // False when nothing is left to slide: the passes still to come would change nothing.
    bool Pass(WorkerPool& workers) {
        CopyBandEdges();
        workers.Run(bands_, [&](int band) { SlideBand(band); });
        changed_.swap(changing_);
        return std::find(changed_.begin(), changed_.end(), true) != changed_.end();
    }

private:
    // The rows just outside each band, as they stand before the pass.
    void CopyBandEdges() {
        for (int band = 0; band < bands_; ++band) {
            const int begin = band * kBandRows, end = std::min(grid_.height(), begin + kBandRows);
            for (int i = 0; i < kReach; ++i) {
                CopyRow(begin - kReach + i, Edge(band, i));
                CopyRow(end + i, Edge(band, kReach + i));
            }
        }
    }

    float* Edge(int band, int index) {
        return edges_.data() + (size_t(band) * 2 * kReach + size_t(index)) * (size_t(grid_.width()) + 2);
    }

    void CopyRow(int y, float* copy) {
        if (y < 0 || y >= grid_.height()) {
            FillSlumpWall(copy, grid_.width());
        } else {
            CopySlumpRow(grid_.Row(y), copy, grid_.width());
        }
    }

    void SlideBand(int band) {
        const int begin = band * kBandRows, end = std::min(grid_.height(), begin + kBandRows);
        std::unique_ptr<BandRows> rows = TakeRows();
        rows->Forget();
        for (int y = begin; y < end; ++y) {
            changing_[size_t(y)] = NearChange(y) && SlideRow(*rows, band, y);
        }
        GiveBack(std::move(rows));
    }

    // A row whose rows around were all left as they were in the last pass, itself
    // included, would again be left as it is.
    bool NearChange(int y) const {
        const int from = std::max(0, y - kReach), to = std::min(grid_.height() - 1, y + kReach);
        for (int row = from; row <= to; ++row) {
            if (changed_[size_t(row)]) return true;
        }
        return false;
    }

    bool SlideRow(BandRows& rows, int band, int y) {
        const int up = Outflow(rows, band, y - 1), here = Outflow(rows, band, y), down = Outflow(rows, band, y + 1);
        return SlumpInflow(Height(rows, band, y - 1), Height(rows, band, y), Height(rows, band, y + 1),
                           rows.Share(up), rows.Share(here), rows.Share(down), rows.Sliding(here), limits_,
                           grid_.width(), grid_.Row(y));
    }

    // The slot holding row y's outflow, worked out when it is not held yet.
    int Outflow(BandRows& rows, int band, int y) {
        const int slot = Slot(y);
        if (rows.heldOutflow(slot) == y) return slot;
        SlumpOutflow(Height(rows, band, y - 1), Height(rows, band, y), Height(rows, band, y + 1), limits_,
                     grid_.width(), rows.Sliding(slot), rows.Share(slot));
        rows.heldOutflow(slot) = y;
        return slot;
    }

    // Row y's heights before the pass. Rows of the band are copied before they are
    // written, and a row that was not written is as it stood.
    const float* Height(BandRows& rows, int band, int y) {
        const int begin = band * kBandRows, end = std::min(grid_.height(), begin + kBandRows);
        if (y < begin) return Edge(band, y - (begin - kReach));
        if (y >= end) return Edge(band, kReach + y - end);
        const int slot = Slot(y);
        if (rows.heldHeight(slot) != y) {
            CopyRow(y, rows.Height(slot));
            rows.heldHeight(slot) = y;
        }
        return rows.Height(slot);
    }

    static int Slot(int y) { return (y + BandRows::kSlots) % BandRows::kSlots; }

    std::unique_ptr<BandRows> TakeRows() {
        const std::lock_guard lock(rowsMutex_);
        if (spareRows_.empty()) return std::make_unique<BandRows>(grid_.width());
        std::unique_ptr<BandRows> rows = std::move(spareRows_.back());
        spareRows_.pop_back();
        return rows;
    }

    void GiveBack(std::unique_ptr<BandRows> rows) {
        const std::lock_guard lock(rowsMutex_);
        spareRows_.push_back(std::move(rows));
    }

    ErosionGrid& grid_;
    SlumpLimits limits_;
    int bands_;
    std::vector<float> edges_;
    // Rows that changed in the last pass, and in this one; bytes, since bands write
    // their own rows at the same time.
    std::vector<char> changed_;
    std::vector<char> changing_;
    std::mutex rowsMutex_;
    std::vector<std::unique_ptr<BandRows>> spareRows_;
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
    for (int pass = 0; pass < passes; ++pass) {
        if (!slump.Pass(workers)) break;
        if (!run.Continue(pass + 1, passes)) return {ErosionOutcome::kStopped};
    }
    run.Finish();
    return {};
}
