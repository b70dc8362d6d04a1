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
// Columns looked at together for whether they changed.
constexpr int kChunk = 128;

// Columns [begin, end) of a row.
struct Span {
    int begin = 0;
    int end = 0;

    bool empty() const { return begin >= end; }
    Span Joined(Span other) const {
        if (empty()) return other;
        if (other.empty()) return *this;
        return {std::min(begin, other.begin), std::max(end, other.end)};
    }
    Span Widened(int by, int width) const {
        return empty() ? Span{} : Span{std::max(0, begin - by), std::min(width, end + by)};
    }
};

// A band's working rows: the heights before the pass of four rows (the one being
// written, one above and two below) and the outflow of three, each slot marked with the
// row it holds; and the columns each row around the band needs worked.
class BandRows {
public:
    static constexpr int kSlots = 4;

    // Zeroed, since no outflow is ever worked out at the ends of a row: a wall gives none.
    explicit BandRows(int width) : width_(width), rows_(new float[size_t(kSlots) * 3 * Stride()]()) {}

    float* Height(int slot) { return Slot(slot); }
    float* Sliding(int slot) { return Slot(kSlots + slot); }
    float* Share(int slot) { return Slot(2 * kSlots + slot); }
    int& heldHeight(int slot) { return heights_[slot]; }
    int& heldOutflow(int slot) { return outflows_[slot]; }
    // The spans of rows first - kReach .. first + rows + kReach, all empty, and no row held.
    void Start(int first, int rows) {
        first_ = first - kReach;
        for (std::vector<Span>* spans : {&written_, &outflow_, &copied_}) spans->assign(size_t(rows + 2 * kReach), {});
        std::fill(std::begin(heights_), std::end(heights_), first_ - 1);
        std::fill(std::begin(outflows_), std::end(outflows_), first_ - 1);
    }
    // Columns of row y whose heights may change, whose outflow is needed, and whose
    // heights are needed.
    Span& Written(int y) { return written_[size_t(y - first_)]; }
    Span& Outflow(int y) { return outflow_[size_t(y - first_)]; }
    Span& Copied(int y) { return copied_[size_t(y - first_)]; }

private:
    size_t Stride() const { return size_t(width_) + 2; }
    float* Slot(int index) { return rows_.get() + size_t(index) * Stride(); }

    int width_;
    std::unique_ptr<float[]> rows_;
    int heights_[kSlots];
    int outflows_[kSlots];
    int first_ = 0;
    std::vector<Span> written_, outflow_, copied_;
};

class SlumpPasses {
public:
    SlumpPasses(ErosionGrid& grid, float repose)
        : grid_(grid),
          limits_{repose, repose * std::numbers::sqrt2_v<float>},
          bands_((grid.height() + kBandRows - 1) / kBandRows),
          edges_(size_t(bands_) * 2 * kReach * (size_t(grid.width()) + 2)),
          changed_(size_t(grid.height()), Span{0, grid.width()}),
          changing_(size_t(grid.height())) {}

    // False when nothing is left to slide: the passes still to come would change nothing.
    bool Pass(WorkerPool& workers) {
        CopyBandEdges();
        workers.Run(bands_, [&](int band) { SlideBand(band); });
        changed_.swap(changing_);
        return std::any_of(changed_.begin(), changed_.end(), [](Span span) { return !span.empty(); });
    }

private:
    int Begin(int band) const { return band * kBandRows; }
    int End(int band) const { return std::min(grid_.height(), Begin(band) + kBandRows); }

    // The rows just outside each band, as they stand before the pass.
    void CopyBandEdges() {
        for (int band = 0; band < bands_; ++band) {
            for (int i = 0; i < kReach; ++i) {
                CopyRow(Begin(band) - kReach + i, Edge(band, i), {0, grid_.width()});
                CopyRow(End(band) + i, Edge(band, kReach + i), {0, grid_.width()});
            }
        }
    }

    float* Edge(int band, int index) {
        return edges_.data() + (size_t(band) * 2 * kReach + size_t(index)) * (size_t(grid_.width()) + 2);
    }

    void CopyRow(int y, float* copy, Span columns) {
        if (y < 0 || y >= grid_.height()) {
            FillSlumpWall(copy, grid_.width());
        } else {
            CopySlumpRow(grid_.Row(y), copy, grid_.width(), columns.begin, columns.end);
        }
    }

    void SlideBand(int band) {
        std::unique_ptr<BandRows> rows = TakeRows();
        PlanBand(*rows, band);
        for (int y = Begin(band); y < End(band); ++y) changing_[size_t(y)] = SlideRow(*rows, band, y);
        GiveBack(std::move(rows));
    }

    // A position whose neighbours up to two away were all left as they were in the last
    // pass, itself included, would again be left as it is. What the others need of the
    // rows around follows from that.
    void PlanBand(BandRows& rows, int band) {
        const int begin = Begin(band), end = End(band), width = grid_.width();
        rows.Start(begin, end - begin);
        for (int y = begin; y < end; ++y) {
            Span near;
            for (int row = std::max(0, y - kReach); row <= std::min(grid_.height() - 1, y + kReach); ++row) {
                near = near.Joined(changed_[size_t(row)]);
            }
            rows.Written(y) = near.Widened(kReach, width);
        }
        for (int y = begin - 1; y <= end; ++y) {
            rows.Outflow(y) = AroundRow(rows, &BandRows::Written, y, begin, end).Widened(1, width);
        }
        for (int y = begin; y < end; ++y) {
            rows.Copied(y) = AroundRow(rows, &BandRows::Outflow, y, begin - 1, end + 1).Widened(1, width);
        }
    }

    // The join of a kind of span over rows y - 1 .. y + 1 that lie in [from, to).
    static Span AroundRow(BandRows& rows, Span& (BandRows::*kind)(int), int y, int from, int to) {
        Span joined;
        for (int row = std::max(from, y - 1); row <= std::min(to - 1, y + 1); ++row) {
            joined = joined.Joined((rows.*kind)(row));
        }
        return joined;
    }

    // Slides the needed columns of row y, a chunk at a time; the columns that changed.
    Span SlideRow(BandRows& rows, int band, int y) {
        const Span columns = rows.Written(y);
        if (columns.empty()) return {};
        const int up = Outflow(rows, band, y - 1), here = Outflow(rows, band, y), down = Outflow(rows, band, y + 1);
        const float* heights[3] = {Height(rows, band, y - 1), Height(rows, band, y), Height(rows, band, y + 1)};
        Span changed;
        for (int from = columns.begin; from < columns.end; from += kChunk) {
            const int to = std::min(columns.end, from + kChunk);
            if (SlumpInflow(heights[0], heights[1], heights[2], rows.Share(up), rows.Share(here), rows.Share(down),
                            rows.Sliding(here), limits_, from, to, grid_.Row(y))) {
                changed = changed.Joined({from, to});
            }
        }
        return changed;
    }

    // The slot holding row y's outflow, worked out when it is not held yet.
    int Outflow(BandRows& rows, int band, int y) {
        const int slot = Slot(y);
        if (rows.heldOutflow(slot) == y) return slot;
        const Span columns = rows.Outflow(y);
        SlumpOutflow(Height(rows, band, y - 1), Height(rows, band, y), Height(rows, band, y + 1), limits_,
                     columns.begin, columns.end, rows.Sliding(slot), rows.Share(slot));
        rows.heldOutflow(slot) = y;
        return slot;
    }

    // Row y's heights before the pass. Rows of the band are copied before they are
    // written, and a row that was not written is as it stood.
    const float* Height(BandRows& rows, int band, int y) {
        if (y < Begin(band)) return Edge(band, y - (Begin(band) - kReach));
        if (y >= End(band)) return Edge(band, kReach + y - End(band));
        const int slot = Slot(y);
        if (rows.heldHeight(slot) != y) {
            CopyRow(y, rows.Height(slot), rows.Copied(y));
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
    // The columns of each row that changed in the last pass, and in this one.
    std::vector<Span> changed_;
    std::vector<Span> changing_;
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
